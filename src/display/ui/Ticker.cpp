#include "display/ui/Ticker.h"

#include "base/RunLog.h"
#include "display/BrowseUrl.h"
#include "display/DisplayTexts.h"
#include "display/ItemSound.h"
#include "display/MessageSegments.h"
#include "display/PageMenus.h"
#include "display/SkinCatalog.h"
#include "display/TimerSchedule.h"
#include "display/TrayNotice.h"
#include "display/ui/AboutBox.h"
#include "display/ui/FreedesktopNotifier.h"
#include "display/ui/MainWindow.h"
#include "display/ui/MessagePanel.h"
#include "display/ui/MessageScroller.h"
#include "display/ui/ProgressDialog.h"
#include "display/ui/SkinDialog.h"
#include "display/ui/TickerMenu.h"
#include "display/ui/TrayStatus.h"
#include "retrieval/CycleDebugLog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>

using namespace Qt::StringLiterals;

Ticker::Ticker(Services services, const AppSettings& settings, QObject* parent)
    : QObject(parent)
    , m_services(std::move(services))
    , m_settings(settings)
    , m_window(std::make_unique<MainWindow>(QPoint(m_settings.Left, m_settings.Top)))
    , m_menu(std::make_unique<TickerMenu>())
    , m_tray(std::make_unique<TrayStatus>(m_menu->menu()))
    , m_progress(std::make_unique<ProgressDialog>())
    , m_scroller(std::make_unique<MessageScroller>(m_window->messagePanel()))
    , m_rotation(m_services.clock)
    , m_cycle(m_services.clock)
    , m_timers(m_services.clock, this)
    , m_cycleView(m_cycle, {*m_window, *m_menu, *m_tray, *m_progress, m_services.prompter}, m_settings) {
    keepDebugLogOf(m_cycle, m_services.folders, m_services.clock);
    m_memory.load(m_services.folders.seenPath());
    m_cycle.setMemory(&m_memory);
    if (!m_services.notifier) {
        m_desktopNotifier =
            std::make_unique<FreedesktopNotifier>(*m_tray, [this](const QString& link) { browse(link); });
        m_services.notifier = m_desktopNotifier.get();
    }
    m_window->setZoom(m_settings.Zoom);
    m_timers.setRotationDelay(m_settings.ShowInfoDelay);
    connect(&m_services.store, &SettingsStore::settingsLoaded, this, &Ticker::takeSettings);
    connect(&m_services.dataFiles, &DataFiles::tablesReplaced, this, &Ticker::refreshPageMenus);
    connect(m_scroller.get(), &MessageScroller::captionChanged, m_window.get(), &QWidget::setWindowTitle);
    connect(qApp, &QGuiApplication::commitDataRequest, this, &Ticker::endSession);
    connectTimers();
    connectWindow();
    connectMenu();
    connectCycle();
    refreshPageMenus();
    m_tray->show({TrayNotice::Icon::Updating, DisplayTexts::titleLine(), {}, {}, false});
}

Ticker::~Ticker() = default;

void Ticker::connectTimers() {
    connect(&m_timers.clock(), &QTimer::timeout, this, &Ticker::clockTick);
    connect(&m_timers.rotation(), &QTimer::timeout, this, &Ticker::rotationTick);
    connect(&m_timers.update(), &QTimer::timeout, this, &Ticker::updateTick);
    connect(&m_timers.downloadWatch(), &QTimer::timeout, this, &Ticker::httpTick);
    connect(&m_timers.scroll(), &QTimer::timeout, this, &Ticker::scrollTick);
    connect(&m_timers.lamp(), &QTimer::timeout, this, &Ticker::lampTick);
    connect(&m_timers.exitGrace(), &QTimer::timeout, this, &Ticker::endTick);
    connect(&m_timers.taskbarSwitch(), &QTimer::timeout, this, &Ticker::switchTaskbarEntry);
}

void Ticker::showWindow(bool restorePosition) {
    if (!m_settings.ImageTitle.isEmpty()) {
        const QImage skin(
            skinPath(m_services.folders.imagesFolder(), {m_settings.ImageDir, m_settings.ImageTitle}));
        if (!skin.isNull())
            m_window->setSkin(skin);
    }
    m_window->layOutPanels(m_settings.Left, m_settings.Top);
    m_window->setWindowFlag(Qt::WindowStaysOnTopHint, m_settings.TopMost);
    m_window->setWindowFlag(Qt::Tool, !m_settings.ShowInTaskbar);
    if (restorePosition && m_settings.FixWindowPosition) {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        // Rounded: the saved fraction may fall a hair short of the pixel it came from.
        m_window->move(qRound(screen.width() * m_settings.XPosR), qRound(screen.height() * m_settings.YPosR));
    }
    clockTick();
    m_window->show();
    m_timers.startPeriodic();
}

void Ticker::connectWindow() {
    MainWindow* window = m_window.get();
    connect(window, &MainWindow::updateKey, this, &Ticker::startUpdate);
    connect(window, &MainWindow::escapeKey, this, &Ticker::escape);
    connect(window, &MainWindow::spaceKey, this, [this] {
        if (m_settings.ShowInfoBySpaceKey)
            showNextItem(true, +1);
    });
    connect(window, &MainWindow::stepRequested, this, [this](int step) { showNextItem(true, step); });
    connect(window, &MainWindow::leftClicked, this, [this] {
        if (m_settings.ShowInfoByClick)
            showNextItem(true, +1);
    });
    connect(window, &MainWindow::captionClicked, this, [this] {
        if (!m_menu->showNews()->isEnabled())
            return;
        m_menuOpen = false;
        if (m_settings.ShowInfoByClick)
            showNextItem(true, +1);
    });
    connect(window, &MainWindow::menuRequested, this, &Ticker::openMenu);
    connect(window, &MainWindow::openItemRequested, this, &Ticker::openCurrentItem);
    connect(window, &MainWindow::doubleClicked, this, [this] {
        if (m_settings.ShutdownByDblclick)
            askExit(m_timers.exitGrace().intervalAsDuration());
    });
    connect(window, &MainWindow::closeRequested, this, [this] { askExit(TimerSchedule::ShutdownDelay); });
}

void Ticker::connectMenu() {
    TickerMenu* menu = m_menu.get();
    connect(menu, &TickerMenu::showNewsTriggered, this, [this] { showNextItem(true, +1); });
    // 中止 stops what is running, as Esc does: the message on show and a running update.
    connect(menu, &TickerMenu::pauseTriggered, this, &Ticker::escape);
    connect(menu, &TickerMenu::openItemTriggered, this, &Ticker::openCurrentItem);
    connect(menu->menu(), &QMenu::aboutToShow, this, [this] {
        const std::optional<InfoItem> item = m_rotation.current();
        m_menu->openItem()->setEnabled(item &&
                                       !itemAddress(*item, m_services.dataFiles.tables().pages).isEmpty());
    });
    connect(menu, &TickerMenu::reloadTriggered, this, &Ticker::startUpdate);
    connect(menu, &TickerMenu::setDownloadTriggered, this, &Ticker::editPages);
    connect(menu, &TickerMenu::aboutTriggered, this, &Ticker::showAbout);
    connect(menu, &TickerMenu::optionsTriggered, this, &Ticker::openOptions);
    connect(menu, &TickerMenu::skinTriggered, this, &Ticker::chooseSkin);
    connect(menu, &TickerMenu::exitTriggered, this, [this] { askExit(TimerSchedule::ShutdownDelay); });
    connect(menu, &TickerMenu::browseTriggered, this, &Ticker::browse);
    connect(menu, &TickerMenu::downloadToggled, this, &Ticker::togglePage);
    connect(m_progress.get(), &ProgressDialog::cancelRequested, this, [this] {
        m_downloadCancelled = true;
        m_cycle.cancel();
    });
    connect(m_progress.get(), &ProgressDialog::hideRequested, this, [this] {
        m_settings.ShowProgressDialog = false;
        m_services.store.saveSettings(m_settings);
    });
}

void Ticker::openMenu(QPoint position) {
    QTimer& rotation = m_timers.rotation();
    const bool rotating = rotation.isActive();
    rotation.stop();
    m_menuOpen = true;
    m_scroller->pause();
    m_menu->menu()->exec(position);
    m_scroller->resume();
    m_menuOpen = false;
    if (rotating || !rotation.isActive())
        rotationTick();
}

void Ticker::escape() {
    m_window->messagePanel()->hide();
    m_downloadCancelled = true;
    m_cycle.cancel();
}

void Ticker::startUpdate() {
    m_downloadCancelled = false;
    m_timers.downloadWatch().start();
}

void Ticker::httpTick() {
    if (m_exitAsked || !TimerSchedule::updateAllowed(m_services.clock.now().time(), m_settings))
        return;
    if (m_settings.PlaySound1)
        m_services.sound.playSoundFile(m_settings.SoundFile1);
    if (m_cycle.start(m_services.dataFiles.tables(), m_settings)) {
        if (m_downloadCancelled)
            m_cycle.cancel();
    } else if (!m_cycle.isRunning()) {
        showNoPageGuidance();
    }
}

void Ticker::showNoPageGuidance() {
    CycleResult guidance;
    guidance.status = DisplayTexts::noEnabledPage();
    guidance.items.append({guidance.status, 0, 0});
    guidance.infoExpires = m_services.clock.now().addSecs(qint64(m_settings.DefaultExpiresMinute) * 60);
    carryOut(m_rotation.applyCycleResult(guidance, true));
    m_window->setStatusCaption(guidance.status);
    m_tray->show(TrayNotices::status(guidance.status));
    m_menu->setShowNews(guidance.status, true);
}

void Ticker::clockTick() {
    if (const auto cells = m_clockFace.update(m_services.clock.now().time()))
        m_window->showClock(*cells);
    m_timers.armClock();
}

void Ticker::rotationTick() {
    if (m_timers.takeRotationMoment() && TimerSchedule::rotationDue(m_services.clock.now().time(), m_settings,
                                                                    m_menu->showNews()->isEnabled()))
        showNextItem(false, +1);
    if (!m_menuOpen)
        m_timers.armRotation();
}

void Ticker::updateTick() {
    if (m_timers.takeUpdateMoment() && TimerSchedule::updateDue(m_services.clock.now().time(), m_settings))
        startUpdate();
    if (!m_cycle.isRunning())
        armPeriodicUpdate();
}

// Periodic updates wait while a dialog is open (closing the last one arms them) and end with an
// exit asked for.
void Ticker::armPeriodicUpdate() {
    if (m_openDialogs == 0 && !m_exitAsked)
        m_timers.armUpdate();
}

void Ticker::scrollTick() {
    if (m_menuOpen) {
        m_rotation.stepBackForOpenMenu();
        return;
    }
    const std::optional<InfoItem> item = m_rotation.current();
    if (!item)
        return;
    const QString caption =
        DisplayTexts::scrollCaption(*item, m_services.dataFiles.tables().pages, m_settings.ShowTitle);
    m_scroller->start(m_renderer.layers(), m_settings, caption, m_window->windowTitle());
}

void Ticker::lampTick() {
    const TimerSchedule::LampStep step = TimerSchedule::nextLampStep(m_window->isLampLit());
    m_window->setLampLit(step.lit);
    m_timers.lamp().start(step.interval);
}

void Ticker::askExit(std::chrono::milliseconds delay) {
    m_exitAsked = true;
    m_timers.update().stop();
    m_timers.exitGrace().start(delay);
}

void Ticker::endTick() {
    m_timers.exitGrace().stop();
    shutdownApp(false);
}

void Ticker::showNextItem(bool byUser, int step) {
    carryOut(m_rotation.showNextItem(byUser, step, !m_window->messagePanel()->isHidden()));
}

void Ticker::openCurrentItem() {
    if (const std::optional<InfoItem> item = m_rotation.current())
        browse(itemAddress(*item, m_services.dataFiles.tables().pages));
}

void Ticker::showStatusOnly(const QString& text) {
    carryOut(m_rotation.showStatusOnly(text));
}

void Ticker::carryOut(const RotationAction& action) {
    switch (action.kind) {
    case RotationAction::Kind::Nothing:
        return;
    case RotationAction::Kind::ShowStatus:
        m_window->setStatusCaption(action.status);
        m_tray->show(TrayNotices::status(action.status));
        m_menu->setShowNews(action.status, false);
        m_menu->reload()->setEnabled(true);
        return;
    case RotationAction::Kind::RenderItem:
        renderCurrentItem();
        if (!m_timers.scroll().isActive())
            m_timers.scroll().start();
        return;
    }
}

void Ticker::renderCurrentItem() {
    const std::optional<InfoItem> item = m_rotation.current();
    if (!item)
        return;
    const DataSet& tables = m_services.dataFiles.tables();
    m_window->messagePanel()->hide();
    m_window->messagePanel()->setToolTip(DisplayTexts::itemToolTip(
        *item, m_rotation.currentItem(), int(m_rotation.items().size()), tables.pages));
    m_renderer.renderItem(colourItem(*item, tables, m_settings), LedRenderer::messageFont(m_settings),
                          m_settings.Scroll_MonoColor);
    const ItemSound sound = soundForItem(*item, m_renderer.keywordFound(), m_settings);
    if (sound != ItemSound::None)
        m_services.sound.playSoundFile(soundFile(sound, m_settings));
}

int Ticker::runModal(QDialog& dialog) {
    ++m_openDialogs;
    m_timers.pausePeriodic();
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint, m_settings.TopMost);
    const int result = dialog.exec();
    if (--m_openDialogs == 0) {
        m_timers.armRotation();
        armPeriodicUpdate();
    }
    return result;
}

void Ticker::showAbout() {
    AboutBox about(m_window.get());
    runModal(about);
}

void Ticker::editPages() {
    if (m_services.dialogs.pageList)
        m_pageStatuses = m_services.dialogs.pageList(m_window.get(), m_pageStatuses,
                                                     [this](QDialog& dialog) { return runModal(dialog); });
}

void Ticker::openOptions() {
    if (!m_services.dialogs.options)
        return;
    const OptionsHooks hooks{&LedRenderer::messageFont, [this](bool on) { setTopMost(on); },
                             [this](bool shown) { showTaskbarEntry(shown); }};
    m_services.dialogs.options(m_window.get(), m_settings, hooks,
                               [this](QDialog& dialog) { return runModal(dialog); });
}

// OK puts the previewed picture on the sign, which takes its size; the panels stay where they are.
void Ticker::chooseSkin() {
    SkinDialog dialog(m_services.folders.imagesFolder(), m_settings, m_services.prompter, m_window.get());
    if (runModal(dialog) != QDialog::Accepted) {
        setTopMost(m_settings.TopMost);
        return;
    }
    m_window->setSkin(dialog.picture());
    if (const std::optional<SkinName> skin = dialog.selection()) {
        m_settings.ImageDir = skin->folder;
        m_settings.ImageTitle = skin->file;
    }
    m_services.store.saveSettings(m_settings);
}

void Ticker::browse(const QString& url) {
    const QString target =
        checkBrowseUrl(url, m_settings.NonHTMLExt, [this](const QString& title, const QString& text) {
            QMessageBox box(QMessageBox::Warning, title, text,
                            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, m_window.get());
            box.setWindowFlag(Qt::WindowStaysOnTopHint, m_settings.TopMost);
            const int answer = box.exec();
            return answer == QMessageBox::Yes  ? BrowseAnswer::Yes
                   : answer == QMessageBox::No ? BrowseAnswer::No
                                               : BrowseAnswer::Cancel;
        });
    if (!target.isEmpty())
        QDesktopServices::openUrl(QUrl(target));
}

void Ticker::togglePage(int page) {
    // A saved list is reloaded, which refills the menus; otherwise they show the list as it was.
    const std::optional<QList<PageRecord>> pages = toggledPages(m_services.dataFiles.tables().pages, page);
    if (!pages || !m_services.dataFiles.savePages(*pages))
        refreshPageMenus();
}

void Ticker::refreshPageMenus() {
    m_menu->setPages(buildPageMenus(m_services.dataFiles.tables().pages));
}

// Timers, quiet hours, sounds, colours, font and proxy are read from the settings when they are
// used, so the next tick, item or download follows the new ones.
void Ticker::takeSettings(const AppSettings& settings) {
    m_settings = settings;
    m_timers.setRotationDelay(m_settings.ShowInfoDelay);
    m_window->setZoom(m_settings.Zoom);
    setTopMost(m_settings.TopMost);
    m_timers.taskbarSwitch().start();
}

void Ticker::setTopMost(bool on) {
    m_window->changeWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (on)
        m_window->raise();
}

// A tool window has no taskbar entry.
void Ticker::showTaskbarEntry(bool shown) {
    m_window->changeWindowFlag(Qt::Tool, !shown);
}

void Ticker::switchTaskbarEntry() {
    showTaskbarEntry(m_settings.ShowInTaskbar);
}

void Ticker::connectCycle() {
    connect(&m_cycle, &UpdateCycle::started, this, &Ticker::onCycleStarted);
    connect(&m_cycle, &UpdateCycle::finished, this, &Ticker::onCycleFinished);
}

void Ticker::onCycleStarted(int pageCount) {
    m_timers.update().stop();
    m_cycleView.showStarted(pageCount);
    m_rotation.beginUpdate();
    m_timers.lamp().start(TimerSchedule::LampFirstBlink);
}

// Without a connection the cycle ends before it began: the items it would have replaced stay.
void Ticker::onCycleFinished(const CycleResult& result) {
    m_cycleView.showEnded(result);
    m_downloadCancelled = false;
    m_timers.lamp().stop();
    if (result.outcome == CycleResult::Outcome::Completed ||
        result.outcome == CycleResult::Outcome::Cancelled) {
        m_pageStatuses = result.pageStatuses;
        publish(result);
        announceNews(result);
    }
    // Periodic updates go on after every cycle, the ones that found no connection included.
    armPeriodicUpdate();
}

// The items the cycle found go on show.
void Ticker::publish(const CycleResult& result) {
    const RotationAction action = m_rotation.applyCycleResult(result, m_settings.Notify);
    if (action.kind != RotationAction::Kind::ShowStatus && m_rotation.hasItems())
        m_cycleView.showFound(result, int(m_rotation.items().size()));
    carryOut(action);
}

// What the pages gave is kept for the next start; new items with a keyword are announced.
void Ticker::announceNews(const CycleResult& result) {
    m_memory.save(m_services.folders.seenPath());
    if (!m_settings.NotifyNewKeyword)
        return;
    for (const DesktopNotice& notice :
         NewsNotices::forNewKeywordItems(result.items, m_services.dataFiles.tables()))
        m_services.notifier->notify(notice);
}

void Ticker::endSession() {
    if (!m_timers.exitGrace().isActive() && !m_shutDown)
        shutdownApp(true);
}

void Ticker::shutdownApp(bool force) {
    m_exitAsked = true;
    m_timers.update().stop();
    if (!force) {
        if (!m_window->messagePanel()->isHidden()) {
            m_window->hide();
            m_window->messagePanel()->hide();
            m_timers.exitGrace().start(TimerSchedule::ScrollEndWait);
            return;
        }
        if (m_cycle.isRunning()) {
            // Taking the display over stops the running update; it gets one grace period.
            m_window->hide();
            m_cycle.takeOver();
            m_timers.exitGrace().start(TimerSchedule::UpdateGracePeriod);
            return;
        }
    }
    // A forced exit ends the update here too: nothing it still hands in is taken after [End].
    m_cycle.takeOver();
    m_scroller->stop();
    if (!m_services.otherInstanceWasRunning) {
        // A Wayland compositor places the window and tells no one where: the saved place is kept.
        if (!QGuiApplication::platformName().startsWith(u"wayland"_s)) {
            const QRect screen = QGuiApplication::primaryScreen()->geometry();
            m_settings.XPosR = double(m_window->x()) / screen.width();
            m_settings.YPosR = double(m_window->y()) / screen.height();
        }
        m_services.store.saveSettings(m_settings);
    }
    QFile::remove(m_services.folders.pageDumpPath());
    if (m_settings.Debug)
        writeRunLogLine(m_services.folders.runLogPath(), m_services.clock.now(), RunLogTag::End);
    m_tray->remove();
    m_progress->hide();
    m_window->hide();
    m_shutDown = true;
    emit shutdownFinished();
}
