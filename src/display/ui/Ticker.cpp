#include "display/ui/Ticker.h"

#include "display/BrowseUrl.h"
#include "display/DisplayTexts.h"
#include "display/ItemSound.h"
#include "display/MessageSegments.h"
#include "display/PageMenus.h"
#include "display/TimerSchedule.h"
#include "display/TrayNotice.h"
#include "display/ui/AboutBox.h"
#include "display/ui/MainWindow.h"
#include "display/ui/MessagePanel.h"
#include "display/ui/MessageScroller.h"
#include "display/ui/ProgressDialog.h"
#include "display/ui/TickerMenu.h"
#include "display/ui/TrayStatus.h"
#include "retrieval/CycleTexts.h"
#include "startup/RunLog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

Ticker::Ticker(Services services, const AppSettings& settings, QObject* parent)
    : QObject(parent)
    , m_services(std::move(services))
    , m_settings(settings)
    , m_window(std::make_unique<MainWindow>())
    , m_menu(std::make_unique<TickerMenu>())
    , m_tray(std::make_unique<TrayStatus>(m_menu->menu()))
    , m_progress(std::make_unique<ProgressDialog>())
    , m_scroller(std::make_unique<MessageScroller>(m_window->messagePanel()))
    , m_rotation(m_services.clock)
    , m_cycle(m_services.folders, m_services.clock) {
    const std::initializer_list<std::pair<QTimer*, const char*>> timers{
        {&m_clockTimer, "tmrClock3"}, {&m_rotationTimer, "tmrClock"}, {&m_updateTimer, "tmrClock2"},
        {&m_httpTimer, "tmrHTTP"},    {&m_scrollTimer, "tmrScroll"},  {&m_lampTimer, "tmrWarn"},
        {&m_endTimer, "tmrEnd"},      {&m_switchTimer, "tmrSwitch"}};
    for (const auto& [timer, name] : timers) {
        timer->setObjectName(QString::fromLatin1(name));
        timer->setParent(this);
    }
    for (QTimer* oneShot :
         {&m_rotationTimer, &m_updateTimer, &m_httpTimer, &m_scrollTimer, &m_endTimer, &m_switchTimer})
        oneShot->setSingleShot(true);
    m_clockTimer.setInterval(TimerSchedule::ClockInterval);
    m_httpTimer.setInterval(TimerSchedule::UpdateStartDelay);
    m_scrollTimer.setInterval(TimerSchedule::ScrollStartDelay);
    m_endTimer.setInterval(TimerSchedule::ShutdownDelay);
    m_switchTimer.setInterval(1s);
    connect(&m_clockTimer, &QTimer::timeout, this, &Ticker::clockTick);
    connect(&m_rotationTimer, &QTimer::timeout, this, &Ticker::rotationTick);
    connect(&m_updateTimer, &QTimer::timeout, this, &Ticker::updateTick);
    connect(&m_httpTimer, &QTimer::timeout, this, &Ticker::httpTick);
    connect(&m_scrollTimer, &QTimer::timeout, this, &Ticker::scrollTick);
    connect(&m_lampTimer, &QTimer::timeout, this, &Ticker::lampTick);
    connect(&m_endTimer, &QTimer::timeout, this, &Ticker::endTick);
    connect(&m_switchTimer, &QTimer::timeout, this, [this] {
        // A tool window has no taskbar entry. Changing the flag hides the window: show it again.
        if (m_window->windowFlags().testFlag(Qt::Tool) == !m_settings.ShowInTaskbar)
            return;
        const bool visible = m_window->isVisible();
        m_window->setWindowFlag(Qt::Tool, !m_settings.ShowInTaskbar);
        if (visible)
            m_window->show();
    });
    connect(&m_services.store, &SettingsStore::settingsLoaded, this, &Ticker::onSettingsLoaded);
    connect(&m_services.dataFiles, &DataFiles::tablesReplaced, this,
            [this] { m_menu->setPages(BuildPageMenus(m_services.dataFiles.tables().pages)); });
    connect(m_scroller.get(), &MessageScroller::captionChanged, m_window.get(), &QWidget::setWindowTitle);
    connect(qApp, &QGuiApplication::commitDataRequest, this, &Ticker::endSession);
    connectWindow();
    connectMenu();
    connectCycle();
    m_menu->setPages(BuildPageMenus(m_services.dataFiles.tables().pages));
    m_tray->show({TrayNotice::Icon::Updating, DisplayTexts::TitleLine(), {}, {}, false});
}

Ticker::~Ticker() = default;

const QTimer& Ticker::timer(const char* name) const {
    return *findChild<QTimer*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

void Ticker::showWindow(bool restorePosition) {
    if (!m_settings.ImageTitle.isEmpty()) {
        const QImage skin(m_services.folders.imagesFolder() + u'/' + m_settings.ImageDir + u'/' +
                          m_settings.ImageTitle);
        if (!skin.isNull())
            m_window->setSkin(skin);
    }
    m_window->layOutPanels(m_settings.Left, m_settings.Top);
    m_window->setWindowFlag(Qt::WindowStaysOnTopHint, m_settings.TopMost);
    m_window->setWindowFlag(Qt::Tool, !m_settings.ShowInTaskbar);
    if (restorePosition && m_settings.FixWindowPosition) {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        m_window->move(int(screen.width() * m_settings.XPosR), int(screen.height() * m_settings.YPosR));
    }
    clockTick();
    m_window->show();
    m_clockTimer.start();
    armAligned(m_rotationTimer, 1);
    armAligned(m_updateTimer, 60);
}

// The rotation and update ticks fall just after each wall-clock second or minute, so that no
// moment is stepped over or taken twice however the timers drift.
void Ticker::armAligned(QTimer& timer, int periodSeconds) {
    const QTime now = m_services.clock.now().time();
    const int intoPeriod = (periodSeconds == 60 ? now.second() * 1000 : 0) + now.msec();
    timer.start(periodSeconds * 1000 - intoPeriod + 5);
}

void Ticker::connectWindow() {
    MainWindow* window = m_window.get();
    connect(window, &MainWindow::updateKey, this, &Ticker::StartUpdate);
    connect(window, &MainWindow::escapeKey, this, &Ticker::escape);
    connect(window, &MainWindow::spaceKey, this, [this] {
        if (m_settings.ShowInfoBySpaceKey)
            ShowNextItem(true, +1);
    });
    connect(window, &MainWindow::stepRequested, this, [this](int step) { ShowNextItem(true, step); });
    connect(window, &MainWindow::leftClicked, this, [this] {
        if (m_settings.ShowInfoByClick)
            ShowNextItem(true, +1);
    });
    connect(window, &MainWindow::captionClicked, this, [this] {
        if (!m_menu->showNews()->isEnabled())
            return;
        m_menuOpen = false;
        if (m_settings.ShowInfoByClick)
            ShowNextItem(true, +1);
    });
    connect(window, &MainWindow::menuRequested, this, &Ticker::openMenu);
    connect(window, &MainWindow::doubleClicked, this, [this] {
        if (m_settings.ShutdownByDblclick)
            m_endTimer.start();
    });
    connect(window, &MainWindow::closeRequested, this,
            [this] { m_endTimer.start(TimerSchedule::ShutdownDelay); });
}

void Ticker::connectMenu() {
    TickerMenu* menu = m_menu.get();
    connect(menu, &TickerMenu::showNewsTriggered, this, [this] { ShowNextItem(true, +1); });
    connect(menu, &TickerMenu::reloadTriggered, this, &Ticker::StartUpdate);
    connect(menu, &TickerMenu::aboutTriggered, this, &Ticker::showAbout);
    connect(menu, &TickerMenu::exitTriggered, this,
            [this] { m_endTimer.start(TimerSchedule::ShutdownDelay); });
    connect(menu, &TickerMenu::browseTriggered, this, &Ticker::browse);
    connect(menu, &TickerMenu::downloadToggled, this, &Ticker::togglePage);
    connect(m_progress.get(), &ProgressDialog::cancelRequested, this, [this] {
        m_downloadCancelled = true;
        m_cycle.cancel();
    });
    connect(m_progress.get(), &ProgressDialog::hideRequested, this, [this] {
        m_settings.ShowProgressDialog = false;
        m_services.store.SaveSettings(m_settings);
    });
}

void Ticker::openMenu(QPoint position) {
    const bool rotating = m_rotationTimer.isActive();
    m_rotationTimer.stop();
    m_menuOpen = true;
    m_menu->menu()->exec(position);
    m_menuOpen = false;
    if (rotating || !m_rotationTimer.isActive())
        rotationTick();
}

void Ticker::escape() {
    m_window->messagePanel()->hide();
    m_downloadCancelled = true;
    m_cycle.cancel();
}

void Ticker::StartUpdate() {
    m_downloadCancelled = false;
    m_httpTimer.start();
}

void Ticker::httpTick() {
    if (!TimerSchedule::UpdateAllowed(m_services.clock.now().time(), m_settings))
        return;
    if (m_settings.PlaySound1)
        m_services.sound.PlaySoundFile(m_settings.SoundFile1);
    if (m_cycle.start(m_services.dataFiles.tables(), m_settings) && m_downloadCancelled)
        m_cycle.cancel();
}

void Ticker::clockTick() {
    if (const auto cells = m_clockFace.update(m_services.clock.now().time()))
        m_window->showClock(*cells);
}

void Ticker::rotationTick() {
    if (TimerSchedule::RotationDue(m_services.clock.now().time(), m_settings,
                                   m_menu->showNews()->isEnabled()))
        ShowNextItem(false, +1);
    if (!m_menuOpen)
        armAligned(m_rotationTimer, 1);
}

void Ticker::updateTick() {
    if (TimerSchedule::UpdateDue(m_services.clock.now().time(), m_settings))
        StartUpdate();
    if (!m_cycle.isRunning())
        armAligned(m_updateTimer, 60);
}

void Ticker::scrollTick() {
    if (m_menuOpen) {
        m_rotation.StepBackForOpenMenu();
        return;
    }
    const std::optional<InfoItem> item = m_rotation.current();
    if (!item)
        return;
    const QString caption =
        DisplayTexts::ScrollCaption(*item, m_services.dataFiles.tables().pages, m_settings.ShowTitle);
    m_scroller->start(m_renderer.layers(), m_settings, caption, m_window->windowTitle());
}

void Ticker::lampTick() {
    const TimerSchedule::LampStep step = TimerSchedule::NextLampStep(m_window->isLampLit());
    m_window->setLampLit(step.lit);
    m_lampTimer.start(step.interval);
}

void Ticker::endTick() {
    m_endTimer.stop();
    ShutdownApp(false);
}

void Ticker::ShowNextItem(bool byUser, int step) {
    carryOut(m_rotation.ShowNextItem(byUser, step, !m_window->messagePanel()->isHidden()));
}

void Ticker::ShowStatusOnly(const QString& text) {
    carryOut(m_rotation.ShowStatusOnly(text));
}

void Ticker::carryOut(const RotationAction& action) {
    switch (action.kind) {
    case RotationAction::Kind::Nothing:
        return;
    case RotationAction::Kind::ShowStatus:
        setStatusCaption(action.status);
        m_tray->show(TrayNotices::Status(action.status));
        m_menu->setShowNews(action.status, false);
        m_menu->reload()->setEnabled(true);
        return;
    case RotationAction::Kind::RenderItem:
        renderCurrentItem();
        if (!m_scrollTimer.isActive())
            m_scrollTimer.start();
        return;
    }
}

void Ticker::renderCurrentItem() {
    const std::optional<InfoItem> item = m_rotation.current();
    if (!item)
        return;
    const DataSet& tables = m_services.dataFiles.tables();
    m_window->messagePanel()->hide();
    m_window->messagePanel()->setToolTip(DisplayTexts::ItemToolTip(
        *item, m_rotation.currentItem(), int(m_rotation.items().size()), tables.pages));
    m_renderer.RenderItem(ColourItem(*item, tables, m_settings), LedRenderer::MessageFont(m_settings),
                          m_settings.Scroll_MonoColor);
    const ItemSound sound = SoundForItem(*item, m_renderer.keywordFound(), m_settings);
    if (sound != ItemSound::None)
        m_services.sound.PlaySoundFile(SoundFile(sound, m_settings));
}

void Ticker::setStatusCaption(const QString& text) {
    m_window->setToolTip(text);
    m_window->setWindowTitle(text);
}

void Ticker::showAbout() {
    m_rotationTimer.stop();
    m_updateTimer.stop();
    AboutBox about(m_window.get());
    about.setWindowFlag(Qt::WindowStaysOnTopHint, m_settings.TopMost);
    about.exec();
    armAligned(m_rotationTimer, 1);
    armAligned(m_updateTimer, 60);
}

void Ticker::browse(const QString& url) {
    const QString target =
        CheckBrowseUrl(url, m_settings.NonHTMLExt, [this](const QString& title, const QString& text) {
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
    const std::optional<QList<PageRecord>> pages = ToggledPages(m_services.dataFiles.tables().pages, page);
    if (!pages || !m_services.dataFiles.SavePages(*pages))
        m_menu->setPages(BuildPageMenus(m_services.dataFiles.tables().pages));
}

void Ticker::onSettingsLoaded() {
    m_switchTimer.start();
}

void Ticker::connectCycle() {
    connect(&m_cycle, &UpdateCycle::started, this, &Ticker::onCycleStarted);
    connect(&m_cycle, &UpdateCycle::pageStarted, this,
            [this](int position, int pageCount, const QString& name, const QString& url) {
                setStatusCaption(DisplayTexts::UpdatingUrl(url));
                m_progress->setPage(position, pageCount, name);
            });
    connect(&m_cycle, &UpdateCycle::downloadTotalChanged, m_progress.get(),
            &ProgressDialog::setDownloadTotal);
    connect(&m_cycle, &UpdateCycle::errorAppended, m_progress.get(), &ProgressDialog::appendError);
    connect(&m_cycle, &UpdateCycle::pageHandled, m_progress.get(), &ProgressDialog::setHandled);
    connect(&m_cycle, &UpdateCycle::firstErrorReported, this, [this] {
        m_progress->enlarge();
        if (!m_settings.ShowProgressDialog && !m_settings.HideErrorDialog)
            m_progress->show();
    });
    connect(&m_cycle, &UpdateCycle::finished, this, &Ticker::onCycleFinished);
}

void Ticker::onCycleStarted(int pageCount) {
    m_updateTimer.stop();
    m_window->messagePanel()->hide();
    m_menu->showNews()->setEnabled(false);
    m_menu->reload()->setEnabled(false);
    m_progress->hide();
    m_progress->reset(pageCount);
    if (m_settings.ShowProgressDialog)
        m_progress->show();
    m_rotation.BeginUpdate();
    QApplication::setOverrideCursor(Qt::BusyCursor);
    m_window->setLampVisible(true);
    m_lampTimer.start(1ms);
    m_tray->show(TrayNotices::Updating());
}

void Ticker::onCycleFinished(const CycleResult& result) {
    switch (result.outcome) {
    case CycleResult::Outcome::Offline:
        m_services.prompter.showWarning(u"エラー"_s, CycleTexts::Offline());
        break;
    case CycleResult::Outcome::Cancelled:
        m_progress->setStatus(CycleTexts::Cancelled());
        break;
    case CycleResult::Outcome::Completed:
        m_progress->disableCancel();
        m_progress->setStatus(CycleTexts::Completed());
        if (result.errorLog.isEmpty())
            m_progress->hide();
        break;
    case CycleResult::Outcome::TakenOver:
        break;
    }
    m_downloadCancelled = false;
    QApplication::restoreOverrideCursor();
    m_window->setLampVisible(false);
    m_lampTimer.stop();
    if (result.outcome != CycleResult::Outcome::TakenOver)
        applyCycleEnd(result);
    m_menu->reload()->setEnabled(true);
    // Periodic updates go on after every cycle, the ones that found no connection included.
    armAligned(m_updateTimer, 60);
}

void Ticker::applyCycleEnd(const CycleResult& result) {
    if (result.outcome == CycleResult::Outcome::Offline) {
        m_menu->setShowNews(result.status, false);
        return;
    }
    const RotationAction action = m_rotation.ApplyCycleResult(result, m_settings.Notify);
    if (action.kind == RotationAction::Kind::ShowStatus || !m_rotation.hasItems()) {
        carryOut(action);
        return;
    }
    if (const auto notice = TrayNotices::CycleEnd(result, m_settings.DefaultMSG))
        m_tray->show(*notice);
    setStatusCaption(result.status);
    m_menu->setShowNews(DisplayTexts::ShowNewsCaption(int(m_rotation.items().size())), true);
    carryOut(action);
}

void Ticker::endSession() {
    if (!m_endTimer.isActive() && !m_shutDown)
        ShutdownApp(true);
}

void Ticker::ShutdownApp(bool force) {
    if (!force) {
        if (!m_window->messagePanel()->isHidden()) {
            m_window->hide();
            m_window->messagePanel()->hide();
            m_endTimer.start(500ms);
            return;
        }
        if (m_cycle.isRunning()) {
            // Taking the display over stops the running update; it gets one grace period.
            m_window->hide();
            m_cycle.takeOver();
            m_endTimer.start(3000ms);
            return;
        }
    }
    m_scroller->stop();
    if (!m_services.otherInstanceWasRunning) {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        m_settings.XPosR = double(m_window->x()) / screen.width();
        m_settings.YPosR = double(m_window->y()) / screen.height();
        m_services.store.SaveSettings(m_settings);
    }
    QFile::remove(m_services.folders.pageDumpPath());
    if (m_settings.Debug)
        WriteRunLogLine(m_services.folders.runLogPath(), m_services.clock.now(), RunLogTag::End);
    m_tray->remove();
    m_progress->hide();
    m_window->hide();
    m_shutDown = true;
    emit shutdownFinished();
}
