#include "display/ui/ClockPanel.h"
#include "display/ui/MainWindow.h"
#include "display/ui/MessagePanel.h"
#include "display/ui/Ticker.h"
#include "display/ui/TickerMenu.h"
#include "display/ui/TrayStatus.h"
#include "retrieval/CycleTexts.h"
#include "settings/ui/ChooserDialogs.h"
#include "startup/ui/MenuDialogs.h"
#include "support/DialogTesting.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <atomic>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

struct RecordingNotifier : DesktopNotifier {
    QList<DesktopNotice> notices;
    void notify(const DesktopNotice& notice) override { notices.append(notice); }
};

// Takes the addresses the desktop is asked to open.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QStringList opened;
public slots:
    void open(const QUrl& url) { opened.append(url.toString()); }
};

// A ticker over a temporary single-user folder whose pages are served by a fake fetcher.
struct Fixture {
    QTemporaryDir dir;
    FakeClock clock{QDateTime(QDate(2026, 12, 7), QTime(10, 23, 0))};
    AppFolders folders{parseStartupArguments(u"/singleuser"_s), dir.path(), dir.path()};
    ScriptedPrompter prompter;
    RecordingSoundPlayer sound;
    DesktopChooserDialogs choosers; // never asked here
    DataFiles dataFiles{folders, &prompter};
    SettingsStore store{folders, clock, 96};
    RecordingNotifier notifier;
    std::unique_ptr<Ticker> ticker;
    QMap<QString, QByteArray> pages;

    explicit Fixture(const QString& ini = {}, bool otherInstance = false) {
        writeFileBytes(dir.filePath(u"url.txt"_s), "\"1\",\"http://a.test/\",\"運行\",\"JR\",\"\",\"\"\r\n"
                                                   "\"0\",\"http://b.test/\",\"天気\",\"\",\"\",\"\"\r\n");
        writeFileBytes(dir.filePath(u"filter.txt"_s), "\"1\",\"太字\",\"<b>\",\"\",\"\"\r\n");
        writeFileBytes(dir.filePath(u"keywords.txt"_s), "遅れ");
        writeFileBytes(dir.filePath(u"Sorvanta.ini"_s), "[Sorvanta 1.00]\r\n" + ini.toUtf8());
        dataFiles.loadDataFiles();
        start(otherInstance);
    }

    // A new ticker on the same folder, as after a restart.
    void start(bool otherInstance = false) {
        ticker.reset();
        ticker = std::make_unique<Ticker>(
            Ticker::Services{folders, clock, store, dataFiles, sound, prompter,
                             menuDialogs({store, dataFiles, prompter, sound, choosers}), otherInstance,
                             &notifier},
            store.loadSettings());
        ticker->cycle().setConnectivityCheck([] { return true; });
        ticker->cycle().setFetcher(
            [this](const FetchRequest& request, const StopSignal&, const ProgressSignal&) {
                return FetchResult{pages.value(request.url), "text/html; charset=utf-8"};
            });
    }

    void runCycle() {
        QSignalSpy finished(&ticker->cycle(), &UpdateCycle::finished);
        ticker->httpTick();
        QVERIFY(finished.count() == 1 || finished.wait(5000));
    }
    QString ini() const { return QString::fromUtf8(readFileBytes(folders.iniPath())); }
    // Chooses a menu entry and, once its dialog is up, hands the dialog to answer.
    void withDialog(const QString& entry, const std::function<void(QDialog&)>& answer) const {
        QTimer::singleShot(0,
                           [answer] { answer(*qobject_cast<QDialog*>(QApplication::activeModalWidget())); });
        ticker->menu()->menu()->findChild<QAction*>(entry)->trigger();
    }
};

} // namespace

class TestTicker : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configHome.path())); }
    void clockDigits_data();
    void clockDigits();
    void clockCatchesUpWithAJump();
    void messagePanelFollowsTopAndLeft_data();
    void messagePanelFollowsTopAndLeft();
    void captionsAfterACycle();
    void captionsWhenPagesAreMissingOrFail_data();
    void captionsWhenPagesAreMissingOrFail();
    void defaultMessageAfterACycle();
    void runningCycleBlinksTheLampThenHandsBack();
    void lostConnectionWarnsAndUpdatesGoOn();
    void rotationFollowsTheWallClock();
    void automaticStepWaitsForTheScroll();
    void updateMomentsFollowThePhase();
    void earlyTickHandlesNoMomentTwice();
    void quietHourStartsNoCycle();
    void staleItemsShowNotUpdated();
    void exitWaitsForTheScrollThenSaves();
    void noPeriodicUpdateBehindADialogOrAfterExit();
    void offlineKeepsTheItems();
    void exitGivesARunningUpdateAGracePeriod();
    void forcedExitEndsTheRunningUpdate();
    void laterInstanceSavesNothing();
    void zoomedSignComesBackWhereItWas();
    void downloadMenuTogglesAPage();
    void pageListPausesTheTimersAndKeepsTheStatuses();
    void optionsOpenTheRuleAndKeywordLists();
    void stopEndsMessageAndUpdate_data();
    void stopEndsMessageAndUpdate();
    void messageStandsStillWhileTheMenuIsOpen();
    void reloadedSettingsRunTheSign();
    void optionsFromTheMenu();
    void skinFromTheMenu_data();
    void skinFromTheMenu();
    void newItemsAcrossARestart();

private:
    QTemporaryDir m_configHome; // the logon-start entry the options dialog writes or removes
};

void TestTicker::clockDigits_data() {
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QList<int>>("digits");
    const int dark = ClockFace::Dark;
    QTest::newRow("09:05 leading zero dark") << QTime(9, 5) << QList<int>{dark, 9, 0, 5};
    QTest::newRow("10:00 all lit") << QTime(10, 0) << QList<int>{1, 0, 0, 0};
    QTest::newRow("00:00") << QTime(0, 0) << QList<int>{dark, 0, 0, 0};
}

void TestTicker::clockDigits() {
    QFETCH(QTime, time);
    QFETCH(QList<int>, digits);
    Fixture f;
    f.clock.set(QDateTime(QDate(2026, 12, 7), time));
    f.ticker->clockTick();
    const auto& shown = f.ticker->window()->clockPanel()->cells().digits;
    QCOMPARE(QList<int>(shown.begin(), shown.end()), digits);
}

// The clock timer wakes at the minute; a wall clock that jumped meanwhile (a resume from suspend)
// shows at once.
void TestTicker::clockCatchesUpWithAJump() {
    Fixture f;
    f.clock.set(QDateTime(QDate(2026, 12, 7), QTime(9, 5)));
    f.ticker->clockTick();
    QCOMPARE(f.ticker->timers().clock().interval(), 60005);
    f.clock.set(QDateTime(QDate(2026, 12, 7), QTime(13, 47, 20)));
    f.ticker->timers().wallClockJumped();
    const auto& shown = f.ticker->window()->clockPanel()->cells().digits;
    QTRY_COMPARE(QList<int>(shown.begin(), shown.end()), (QList<int>{1, 3, 4, 7}));
}

void TestTicker::messagePanelFollowsTopAndLeft_data() {
    QTest::addColumn<QString>("ini");
    QTest::addColumn<QPoint>("position");
    QTest::newRow("keys missing: 31, 39") << QString() << QPoint(31, 39);
    QTest::newRow("below 1: 31, 39") << u"Top=0\r\nLeft=-2\r\n"_s << QPoint(31, 39);
    QTest::newRow("as written") << u"Top=45\r\nLeft=20\r\n"_s << QPoint(20, 45);
}

void TestTicker::messagePanelFollowsTopAndLeft() {
    QFETCH(QString, ini);
    QFETCH(QPoint, position);
    Fixture f(ini);
    QCOMPARE(f.ticker->window()->messagePanel()->geometry(), QRect(position, QSize(160, 16)));
}

void TestTicker::captionsAfterACycle() {
    Fixture f;
    f.pages[u"http://a.test/"_s] = "<b>山手線 遅れ</b><b>中央線</b><b>京浜東北線</b>";
    f.runCycle();
    QCOMPARE(f.ticker->menu()->showNews()->text(), u"情報を表示(全3件)"_s);
    QVERIFY(f.ticker->menu()->showNews()->isEnabled());
    QVERIFY(f.ticker->menu()->reload()->isEnabled());
    QCOMPARE(f.ticker->window()->windowTitle(), u"3件の情報があります"_s);
    QCOMPARE(f.ticker->tray()->notice().tip, u"Sorvanta 2.52\r\n3件の情報があります"_s);
    QCOMPARE(f.ticker->tray()->notice().balloonText, u"3件の情報があります"_s);
    // Notify is on: the first item is rendered at once and starts scrolling.
    QCOMPARE(f.ticker->rotation().currentItem(), 1);
    QVERIFY(f.ticker->timers().scroll().isActive());
    QVERIFY(f.ticker->timers().update().isActive());
    QVERIFY(!f.ticker->window()->isLampLit());
}

void TestTicker::captionsWhenPagesAreMissingOrFail_data() {
    QTest::addColumn<QByteArray>("pages");
    QTest::addColumn<QString>("caption"); // also the first item and the menu entry when no page is enabled
    const QByteArray a = "\"1\",\"http://a.test/\",\"運行\",\"\",\"\",\"\"\r\n";
    QTest::newRow("no enabled page: where to add one")
        << "\"0\",\"http://a.test/\",\"運行\",\"\",\"\",\"\"\r\n"_ba
        << u"取得するページがありません。右クリックして「更新の設定」からページを追加してください。"_s;
    QTest::newRow("one of two pages failed") << a + "\"1\",\"http://b.test/\",\"天気\",\"\",\"\",\"\"\r\n"
                                             << u"1件の情報があります。1 ページでエラー"_s;
}

void TestTicker::captionsWhenPagesAreMissingOrFail() {
    QFETCH(QByteArray, pages);
    QFETCH(QString, caption);
    Fixture f;
    writeFileBytes(f.dir.filePath(u"url.txt"_s), pages);
    f.dataFiles.loadDataFiles();
    f.pages[u"http://a.test/"_s] = "<b>山手線</b>";
    QSignalSpy finished(&f.ticker->cycle(), &UpdateCycle::finished);
    f.ticker->httpTick();
    if (f.ticker->cycle().isRunning())
        QVERIFY(finished.wait(5000));
    QCOMPARE(f.ticker->window()->windowTitle(), caption);
    if (!pages.startsWith("\"1"))
        QCOMPARE(f.ticker->menu()->showNews()->text() + f.ticker->rotation().items().first().text,
                 caption + caption);
}

void TestTicker::defaultMessageAfterACycle() {
    Fixture f(u"ShowTextInstead=No\r\nNotify=No\r\n"_s);
    f.pages[u"http://a.test/"_s] = "<p>平常</p>";
    f.runCycle();
    QCOMPARE(f.ticker->menu()->showNews()->text(), u"情報を表示(全1件)"_s);
    QCOMPARE(f.ticker->tray()->notice().tip, u"Sorvanta 2.52\r\n抽出された情報はありません"_s);
    QVERIFY(f.ticker->tray()->notice().balloonText.isEmpty());
    // Without Notify the position is the last item, so the next step shows the first.
    QCOMPARE(f.ticker->rotation().currentItem(), 1);
    QVERIFY(!f.ticker->timers().scroll().isActive());
}

// While a cycle runs the lamp blinks, the tray shows the update and periodic updates wait; at its
// end the lamp goes out, the menu comes back and the next periodic update is armed.
void TestTicker::runningCycleBlinksTheLampThenHandsBack() {
    Fixture f;
    std::atomic<bool> release = false;
    f.ticker->cycle().setFetcher([&](const FetchRequest&, const StopSignal& stop, const ProgressSignal&) {
        while (!release && !stop())
            QThread::msleep(5);
        return FetchResult{"<b>一</b>", "text/html; charset=utf-8", {}, false};
    });
    QSignalSpy finished(&f.ticker->cycle(), &UpdateCycle::finished);
    f.ticker->httpTick();
    QVERIFY(f.ticker->cycle().isRunning());
    QVERIFY(f.ticker->timers().lamp().isActive());
    QCOMPARE(f.ticker->timers().lamp().interval(), 1);
    f.ticker->lampTick();
    QVERIFY(f.ticker->window()->isLampLit());
    QCOMPARE(f.ticker->timers().lamp().interval(), 1000);
    QVERIFY(!f.ticker->timers().update().isActive());
    QVERIFY(!f.ticker->menu()->showNews()->isEnabled());
    QCOMPARE(f.ticker->tray()->notice().icon, TrayNotice::Icon::Updating);
    release = true;
    QVERIFY(finished.wait(5000));
    QVERIFY(!f.ticker->timers().lamp().isActive());
    QVERIFY(!f.ticker->window()->isLampLit());
    QVERIFY(f.ticker->timers().update().isActive());
    QVERIFY(f.ticker->menu()->reload()->isEnabled());
    QVERIFY(f.ticker->menu()->showNews()->isEnabled());
    QCOMPARE(f.ticker->tray()->notice().icon, TrayNotice::Icon::News);
}

void TestTicker::lostConnectionWarnsAndUpdatesGoOn() {
    Fixture f(u"AutoDialing=Yes\r\nShowProgressDialog=Yes\r\n"_s);
    f.ticker->cycle().setConnectivityCheck([] { return false; });
    const TrayNotice before = f.ticker->tray()->notice();
    f.runCycle();
    QCOMPARE(f.prompter.asked, QStringList{u"エラー|"_s + CycleTexts::offline()});
    // Neither the progress dialog nor the tray's "更新中" showed for an update that never began.
    for (const QWidget* widget : QApplication::topLevelWidgets())
        QVERIFY(widget->objectName() != u"frmStatus"_s || !widget->isVisible());
    QCOMPARE(f.ticker->tray()->notice(), before);
    QCOMPARE(f.ticker->menu()->showNews()->text(), CycleTexts::noInformation());
    QVERIFY(!f.ticker->menu()->showNews()->isEnabled());
    QVERIFY(f.ticker->menu()->reload()->isEnabled());
    QVERIFY(f.ticker->timers().update().isActive());
    QVERIFY(!f.ticker->timers().lamp().isActive());
    QVERIFY(!f.ticker->rotation().hasItems());
}

void TestTicker::rotationFollowsTheWallClock() {
    Fixture f(u"Notify=No\r\nShowInfoDelay=120\r\n"_s);
    f.pages[u"http://a.test/"_s] = "<b>一</b><b>二</b><b>三</b>";
    f.runCycle();
    QCOMPARE(f.ticker->rotation().currentItem(), 3);
    f.clock.set(QDateTime(QDate(2026, 12, 7), QTime(10, 23, 1)));
    f.ticker->rotationTick();
    QCOMPARE(f.ticker->rotation().currentItem(), 3);
    f.clock.set(QDateTime(QDate(2026, 12, 7), QTime(10, 24, 0)));
    f.ticker->rotationTick();
    QCOMPARE(f.ticker->rotation().currentItem(), 1);
}

void TestTicker::automaticStepWaitsForTheScroll() {
    Fixture f(u"ShowInfoDelay=1\r\n"_s);
    f.pages[u"http://a.test/"_s] = "<b>一</b><b>二</b>";
    f.runCycle();
    f.ticker->scrollTick();
    QVERIFY(!f.ticker->window()->messagePanel()->isHidden());
    f.ticker->rotationTick();
    QCOMPARE(f.ticker->rotation().currentItem(), 1);
    f.ticker->showNextItem(true, +1); // the user's step cuts the scroll short
    QCOMPARE(f.ticker->rotation().currentItem(), 2);
    QVERIFY(!!f.ticker->window()->messagePanel()->isHidden());
}

void TestTicker::updateMomentsFollowThePhase() {
    Fixture f(u"AutoReloadDelay=5\r\n"_s); // loaded at 10:23: phase 3
    f.clock.set(QDateTime(QDate(2026, 12, 7), QTime(10, 27, 0)));
    f.ticker->updateTick();
    QVERIFY(!f.ticker->timers().downloadWatch().isActive());
    f.clock.set(QDateTime(QDate(2026, 12, 7), QTime(10, 28, 0)));
    f.ticker->updateTick();
    QVERIFY(f.ticker->timers().downloadWatch().isActive());
}

void TestTicker::earlyTickHandlesNoMomentTwice() {
    Fixture f(u"AutoReloadDelay=5\r\nNotify=No\r\nShowInfoDelay=1\r\n"_s); // loaded at 10:23: phase 3
    const QDate day(2026, 12, 7);
    f.pages[u"http://a.test/"_s] = "<b>一</b><b>二</b><b>三</b>";
    f.clock.set(QDateTime(day, QTime(10, 28, 0, 5)));
    f.ticker->updateTick();
    QVERIFY(f.ticker->timers().downloadWatch().isActive());
    f.ticker->timers().downloadWatch().stop();
    f.runCycle(); // ends within its minute
    // The update timer, armed for 10:29:00.005, fires early, still inside 10:28.
    f.clock.set(QDateTime(day, QTime(10, 28, 59, 400)));
    f.ticker->updateTick();
    QVERIFY(!f.ticker->timers().downloadWatch().isActive());

    QCOMPARE(f.ticker->rotation().currentItem(), 3);
    f.clock.set(QDateTime(day, QTime(10, 29, 0, 5)));
    f.ticker->rotationTick();
    QCOMPARE(f.ticker->rotation().currentItem(), 1);
    f.clock.set(QDateTime(day, QTime(10, 29, 0, 960))); // the tick for 10:29:01, early
    f.ticker->rotationTick();
    QCOMPARE(f.ticker->rotation().currentItem(), 1);
    f.clock.set(QDateTime(day, QTime(10, 29, 1, 5)));
    f.ticker->rotationTick();
    QCOMPARE(f.ticker->rotation().currentItem(), 2);
}

void TestTicker::quietHourStartsNoCycle() {
    Fixture f(
        u"AutoReloadOff=Yes\r\nAutoReloadOffFrom=22\r\nAutoReloadOffTo=6\r\nPlaySound1=Yes\r\nSoundFile1=/s.wav\r\n"_s);
    QSignalSpy started(&f.ticker->cycle(), &UpdateCycle::started);
    f.clock.set(QDateTime(QDate(2026, 12, 7), QTime(23, 10, 0)));
    f.ticker->httpTick();
    QCOMPARE(started.count(), 0);
    QVERIFY(f.sound.played.isEmpty());
    f.clock.set(QDateTime(QDate(2026, 12, 7), QTime(22, 10, 0)));
    f.runCycle();
    QCOMPARE(started.count(), 1);
    QCOMPARE(f.sound.played, QStringList{u"/s.wav"_s});
}

void TestTicker::staleItemsShowNotUpdated() {
    Fixture f(u"DefaultExpiresMinute=15\r\n"_s);
    f.pages[u"http://a.test/"_s] = "<b>一</b>";
    f.runCycle();
    f.clock.advanceSecs(16 * 60);
    f.ticker->showNextItem(true, +1);
    QCOMPARE(f.ticker->menu()->showNews()->text(), u"未更新"_s);
    QVERIFY(!f.ticker->menu()->showNews()->isEnabled());
    QCOMPARE(f.ticker->window()->windowTitle(), u"未更新"_s);
    QCOMPARE(f.ticker->rotation().currentItem(), 0);
}

void TestTicker::exitWaitsForTheScrollThenSaves() {
    Fixture f(u"Debug=Yes\r\nTop=40\r\n"_s);
    f.pages[u"http://a.test/"_s] = "<b>一</b>";
    f.runCycle();
    QVERIFY(QFile::exists(f.folders.pageDumpPath()));
    f.ticker->scrollTick();
    QSignalSpy finished(f.ticker.get(), &Ticker::shutdownFinished);
    f.ticker->shutdownApp(false);
    QCOMPARE(finished.count(), 0);
    QVERIFY(!!f.ticker->window()->messagePanel()->isHidden());
    QCOMPARE(f.ticker->timers().exitGrace().interval(), 500);
    QVERIFY(f.ticker->timers().exitGrace().isActive());
    f.ticker->endTick();
    QCOMPARE(finished.count(), 1);
    QVERIFY(f.ini().contains(u"XPosR="_s));
    QVERIFY(f.ini().contains(u"Top=40"_s)); // keys that are only read stay as the user wrote them
    QVERIFY(!QFile::exists(f.folders.pageDumpPath()));
    QVERIFY(QString::fromUtf8(readFileBytes(f.folders.runLogPath())).endsWith(u" [End]\r\n"_s));
}

// Neither a cycle that ends behind an open dialog nor one stopped at exit arms the periodic update;
// closing the last dialog does.
void TestTicker::noPeriodicUpdateBehindADialogOrAfterExit() {
    Fixture f;
    std::atomic<bool> release = false;
    f.ticker->cycle().setFetcher([&](const FetchRequest&, const StopSignal& stop, const ProgressSignal&) {
        while (!release && !stop())
            QThread::msleep(5);
        return FetchResult{"<b>x</b>", "text/html; charset=utf-8"};
    });
    f.ticker->timers().startPeriodic();
    f.ticker->httpTick();
    QDialog dialog;
    bool armedBehindTheDialog = true;
    QTimer::singleShot(0, &dialog, [&] {
        QSignalSpy finished(&f.ticker->cycle(), &UpdateCycle::finished);
        release = true;
        QVERIFY(finished.wait(5000));
        armedBehindTheDialog = f.ticker->timers().update().isActive();
        dialog.reject();
    });
    f.ticker->runModal(dialog);
    QVERIFY(!armedBehindTheDialog);
    QVERIFY(f.ticker->timers().update().isActive());

    release = false;
    f.ticker->httpTick();
    QVERIFY(f.ticker->cycle().isRunning());
    f.ticker->shutdownApp(false); // takes the running update over
    QVERIFY(!f.ticker->timers().update().isActive());
    f.ticker->httpTick();
    QVERIFY(!f.ticker->cycle().isRunning());
}

// Without a connection the items of the last update stay to be stepped through.
void TestTicker::offlineKeepsTheItems() {
    Fixture f(u"AutoDialing=Yes\r\n"_s);
    f.pages.insert(u"http://a.test/"_s, "<b>一</b><b>二</b>");
    f.runCycle();
    QCOMPARE(f.ticker->rotation().items().size(), 2);
    f.ticker->cycle().setConnectivityCheck([] { return false; });
    f.runCycle();
    QCOMPARE(f.ticker->rotation().items().size(), 2);
}

void TestTicker::exitGivesARunningUpdateAGracePeriod() {
    Fixture f;
    f.ticker->cycle().setFetcher([](const FetchRequest&, const StopSignal& stop, const ProgressSignal&) {
        while (!stop())
            QThread::msleep(5);
        return FetchResult{{}, {}, FetchFailure::Stopped};
    });
    f.ticker->httpTick();
    QVERIFY(f.ticker->cycle().isRunning());
    QVERIFY(!f.ticker->menu()->reload()->isEnabled());
    f.ticker->shutdownApp(false);
    QVERIFY(!f.ticker->cycle().isRunning());
    QCOMPARE(f.ticker->timers().exitGrace().interval(), 3000);
    QVERIFY(f.ticker->menu()->reload()->isEnabled());
    QVERIFY(!f.ticker->window()->isLampLit());
}

void TestTicker::forcedExitEndsTheRunningUpdate() {
    Fixture f(u"Debug=Yes\r\n"_s);
    std::atomic<bool> release = false;
    f.ticker->cycle().setFetcher([&](const FetchRequest&, const StopSignal&, const ProgressSignal&) {
        while (!release)
            QThread::msleep(5);
        return FetchResult{"<b>遅れ</b>", "text/html; charset=utf-8"};
    });
    f.ticker->httpTick();
    QVERIFY(f.ticker->cycle().isRunning());
    const qsizetype sounds = f.sound.played.size();
    f.ticker->endSession();
    release = true;
    QVERIFY(f.ticker->cycle().waitForWorkers(5000ms));
    QTest::qWait(100); // whatever a worker still posts
    const QString log = QString::fromUtf8(readFileBytes(f.folders.runLogPath()));
    QVERIFY2(log.trimmed().endsWith(u"[End]"_s), qPrintable(log));
    QVERIFY(!QFile::exists(f.folders.pageDumpPath()));
    QCOMPARE(f.sound.played.size(), sounds);
}

void TestTicker::laterInstanceSavesNothing() {
    Fixture f({}, true);
    QSignalSpy finished(f.ticker.get(), &Ticker::shutdownFinished);
    f.ticker->shutdownApp(true);
    QCOMPARE(finished.count(), 1);
    QVERIFY(!f.ini().contains(u"XPosR"_s));
}

// The position is saved as the top-left corner's share of the screen, whatever the sign's size.
void TestTicker::zoomedSignComesBackWhereItWas() {
    Fixture f(u"Zoom=2\r\n"_s);
    f.ticker->showWindow(false);
    f.ticker->window()->move(300, 201);
    f.ticker->shutdownApp(true);
    // 0.2512500 of 800 is read back a hair short of 201: rounded, not cut.
    QVERIFY(f.ini().contains(u"XPosR=0.3750000\r\nYPosR=0.2512500\r\n"_s));
    Ticker again({f.folders, f.clock, f.store, f.dataFiles, f.sound, f.prompter, {}}, f.store.loadSettings());
    again.showWindow(true);
    QCOMPARE(again.window()->geometry(), QRect(300, 201, 444, 130));
}

void TestTicker::downloadMenuTogglesAPage() {
    Fixture f;
    QList<QAction*> entries = f.ticker->menu()->downloadMenu()->actions();
    QCOMPARE(entries.size(), 2);
    QVERIFY(!entries[1]->isChecked());
    QCOMPARE(f.ticker->menu()->browseMenu()->actions().size(), 1);
    entries[1]->trigger();
    // Only the flag of the page changes, in the file as it was written.
    QCOMPARE(readFileBytes(f.dir.filePath(u"url.txt"_s)),
             "\"1\",\"http://a.test/\",\"運行\",\"JR\",\"\",\"\"\r\n"
             "\"1\",\"http://b.test/\",\"天気\",\"\",\"\",\"\"\r\n");
    QVERIFY(f.ticker->menu()->downloadMenu()->actions()[1]->isChecked());
    QCOMPARE(f.ticker->menu()->browseMenu()->actions().size(), 2);
}

// The page list opens from the menu over paused timers with what the last update got from each
// page; the statuses follow the pages it moved.
void TestTicker::pageListPausesTheTimersAndKeepsTheStatuses() {
    Fixture f;
    f.ticker->showWindow(false);
    CycleResult result;
    result.pageStatuses = {{1, {PageStatus::Kind::Items, 2, {}}}};
    emit f.ticker->cycle().finished(result);
    const auto statuses = [](QDialog& dialog) {
        QTreeWidget* list = find<QTreeWidget>(&dialog, "lvwURLs");
        return QStringList{list->topLevelItem(0)->text(2), list->topLevelItem(1)->text(2)};
    };
    f.withDialog(u"mnuSetDownload"_s, [&](QDialog& dialog) {
        QVERIFY(!f.ticker->timers().rotation().isActive() && !f.ticker->timers().update().isActive());
        QCOMPARE(statuses(dialog), (QStringList{u"2件"_s, QString()}));
        find(&dialog, "cmdDown")->click();
        dialog.accept();
    });
    QVERIFY(f.ticker->timers().rotation().isActive() && f.ticker->timers().update().isActive());
    QCOMPARE(f.ticker->menu()->downloadMenu()->actions()[0]->text(), u"天気"_s); // saved and reloaded
    f.withDialog(u"mnuSetDownload"_s, [&](QDialog& dialog) {
        QCOMPARE(statuses(dialog), (QStringList{QString(), u"2件"_s}));
        dialog.reject();
    });
}

// The options dialog's buttons open the rule and keyword lists on its copies, which Apply writes.
void TestTicker::optionsOpenTheRuleAndKeywordLists() {
    Fixture f;
    f.withDialog(u"mnuOption"_s, [](QDialog& options) {
        whenModalOpens([](QDialog* rules) {
            find<QListWidget>(rules, "lstFilters")->item(0)->setCheckState(Qt::Unchecked);
            rules->accept();
        });
        find(&options, "cmdFilter")->click();
        whenModalOpens([](QDialog* keywords) {
            find<QLineEdit>(keywords, "txtNewKeyword")->setText(u"運休"_s);
            find(keywords, "cmdAdd")->click();
            keywords->accept();
        });
        find(&options, "cmdKeywords")->click();
        options.accept();
    });
    QCOMPARE(readFileBytes(f.dir.filePath(u"filter.txt"_s)), "\"0\",\"太字\",\"<b>\",\"\",\"\"\r\n");
    QCOMPARE(f.dataFiles.tables().keywords, (QStringList{u"遅れ"_s, u"運休"_s}));
}

void TestTicker::stopEndsMessageAndUpdate_data() {
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("Esc") << false;
    QTest::newRow("中止(&P) in the menu") << true;
}

void TestTicker::stopEndsMessageAndUpdate() {
    QFETCH(bool, byMenu);
    Fixture f;
    const auto stop = [&] {
        if (byMenu)
            f.ticker->menu()->menu()->findChild<QAction*>(u"mnuPause"_s)->trigger();
        else
            emit f.ticker->window()->escapeKey();
    };
    f.pages[u"http://a.test/"_s] = "<b>一</b>";
    f.runCycle();
    f.ticker->scrollTick();
    QVERIFY(!f.ticker->window()->messagePanel()->isHidden());
    stop();
    QVERIFY(!!f.ticker->window()->messagePanel()->isHidden());

    QSignalSpy finished(&f.ticker->cycle(), &UpdateCycle::finished);
    f.ticker->httpTick();
    stop();
    QVERIFY(finished.wait(5000));
    QCOMPARE(int(finished.first().first().value<CycleResult>().outcome),
             int(CycleResult::Outcome::Cancelled));
}

void TestTicker::messageStandsStillWhileTheMenuIsOpen() {
    Fixture f(u"ScrollDelay=1\r\n"_s);
    f.pages[u"http://a.test/"_s] = "<b>山手線 遅れ 中央線 運転見合わせ 京浜東北線 平常運転</b>";
    f.runCycle();
    f.ticker->scrollTick();
    const MessagePanel* panel = f.ticker->window()->messagePanel();
    QTRY_VERIFY(panel->image() != QImage()); // the pass is moving
    QImage whenOpened;
    QImage whenClosed;
    QTimer::singleShot(50ms, [&] { whenOpened = panel->image(); });
    QTimer::singleShot(400ms, [&] {
        whenClosed = panel->image();
        f.ticker->menu()->menu()->close();
    });
    emit f.ticker->window()->menuRequested(QPoint(0, 0));
    QVERIFY(!whenOpened.isNull());
    QCOMPARE(whenClosed, whenOpened);
    // It goes on once the menu is closed.
    QTRY_VERIFY(panel->image() != whenClosed);
}

// Every load of the settings file reaches the running sign: here its always-on-top state, its quiet
// hours and its update moments.
void TestTicker::reloadedSettingsRunTheSign() {
    Fixture f;
    f.ticker->showWindow(false);
    QVERIFY(f.ticker->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    writeFileBytes(f.folders.iniPath(), "[Sorvanta 1.00]\r\nTopMost=No\r\nAutoReloadDelay=10\r\n"
                                        "AutoReloadOff=Yes\r\nAutoReloadOffFrom=22\r\nAutoReloadOffTo=6\r\n");
    f.clock.set(QDateTime(QDate(2026, 12, 7), QTime(23, 10, 0)));
    f.store.loadSettings();
    QVERIFY(!f.ticker->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(f.ticker->window()->isVisible());
    QVERIFY(f.ticker->timers().taskbarSwitch().isActive());
    QSignalSpy started(&f.ticker->cycle(), &UpdateCycle::started);
    f.ticker->httpTick();
    QCOMPARE(started.count(), 0);
    f.clock.set(QDateTime(QDate(2026, 12, 7), QTime(23, 20, 0))); // phase 0 of a 10-minute period
    f.ticker->updateTick();
    QVERIFY(f.ticker->timers().downloadWatch().isActive());
}

// While the dialog is open rotation and updates stand still; OK stores the settings and the sign
// follows them at once, the zoomed one keeping its top-left corner.
void TestTicker::optionsFromTheMenu() {
    Fixture f(u"Notify=No\r\n"_s);
    f.pages[u"http://a.test/"_s] = "<b>一</b><b>二</b>";
    f.runCycle();
    f.ticker->showWindow(false);
    f.ticker->window()->move(50, 60);
    bool paused = false;
    bool onTop = false;
    f.withDialog(u"mnuOption"_s, [&](QDialog& dialog) {
        paused = !f.ticker->timers().rotation().isActive() && !f.ticker->timers().update().isActive();
        onTop = dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        auto* delay = dialog.findChild<QSpinBox*>(u"txtShowInfoDelay"_s);
        delay->selectAll();
        QTest::keyClicks(delay, u"30"_s);
        auto* zoom = dialog.findChild<QSpinBox*>(u"txtZoom"_s);
        zoom->selectAll();
        QTest::keyClicks(zoom, u"2"_s);
        dialog.findChild<QAbstractButton*>(u"cmdOK"_s)->click();
    });
    QVERIFY(paused);
    QVERIFY(onTop);
    QCOMPARE(f.ticker->window()->geometry(), QRect(50, 60, 444, 130));
    QVERIFY(f.ini().contains(u"ShowInfoDelay=30\r\n"_s));
    QVERIFY(f.ticker->timers().rotation().isActive());
    QVERIFY(f.ticker->timers().rotation().interval() <= 30005);
    f.clock.set(QDateTime(QDate(2026, 12, 7), QTime(10, 24, 30))); // a moment of 30 s, not of 120 s
    f.ticker->rotationTick();
    QCOMPARE(f.ticker->rotation().currentItem(), 1);
}

void TestTicker::skinFromTheMenu_data() {
    QTest::addColumn<bool>("withSkins");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QSize>("size");
    QTest::newRow("OK puts the chosen skin on") << true << u"cmdOK"_s << QSize(250, 70);
    QTest::newRow("Cancel changes nothing") << true << u"cmdCancel"_s << QSize(222, 65);
    QTest::newRow("no skin folder: a message, the built-in skin") << false << u"cmdOK"_s << QSize(222, 65);
}

// The chooser opens on the first-start skin; OK gives the sign the chosen skin's size with its
// panels where they were, and saves the skin's names.
void TestTicker::skinFromTheMenu() {
    QFETCH(bool, withSkins);
    QFETCH(QString, button);
    QFETCH(QSize, size);
    Fixture f;
    for (const auto& [file, skinSize] :
         {std::pair{u"その他/無地1.bmp"_s, QSize(40, 20)}, std::pair{u"ブルー/b.bmp"_s, QSize(250, 70)}}) {
        QImage skin(skinSize, QImage::Format_RGB32);
        skin.fill(Qt::darkBlue);
        QVERIFY(!withSkins || (QDir(f.dir.path()).mkpath(u"Images/"_s + file.section(u'/', 0, 0)) &&
                               skin.save(f.dir.filePath(u"Images/"_s + file), "BMP")));
    }
    f.ticker->showWindow(false);
    QString preselected;
    f.withDialog(u"mnuSelectSkin"_s, [&](QDialog& dialog) {
        auto* folders = dialog.findChild<QTreeWidget*>(u"tvwFolder"_s);
        auto* files = dialog.findChild<QTreeWidget*>(u"lvwImage"_s);
        if (withSkins) {
            preselected = folders->currentItem()->text(0) + u'/' + files->currentItem()->text(0);
            folders->setCurrentItem(folders->topLevelItem(1));
            files->setCurrentItem(files->topLevelItem(0));
        }
        dialog.findChild<QAbstractButton*>(button)->click();
    });
    QCOMPARE(preselected, withSkins ? u"その他/無地1.bmp"_s : QString());
    QCOMPARE(f.prompter.asked.size(), withSkins ? 0 : 1);
    QCOMPARE(f.ticker->window()->size(), size);
    QCOMPARE(f.ticker->window()->messagePanel()->geometry(), QRect(31, 39, 160, 16));
    QCOMPARE(f.ini().contains(u"ImageDir=ブルー\r\nImageTitle=b.bmp\r\n"_s), size.width() == 250);
}

void TestTicker::newItemsAcrossARestart() {
    Fixture f;
    writeFileBytes(f.dir.filePath(u"filter.txt"_s), "\"1\",\"太字\",\"<b>\",\"</b>\",\"\"\r\n");
    f.dataFiles.loadDataFiles();
    UrlRecorder browser;
    QDesktopServices::setUrlHandler(u"http"_s, &browser, "open");
    const auto unset = qScopeGuard([] { QDesktopServices::unsetUrlHandler(u"http"_s); });
    f.pages[u"http://a.test/"_s] = "<b><a href=/1>遅れ 1</a></b>";
    f.runCycle();
    QVERIFY(f.notifier.notices.isEmpty()); // the first sight of a page brings nothing new

    f.start();
    f.pages[u"http://a.test/"_s] = "<b>平常</b><b><a href=/1>遅れ 1</a></b><b><a href=/2>遅れ 2</a></b>";
    f.runCycle();
    QStringList order;
    for (const InfoItem& item : f.ticker->rotation().items())
        order.append(item.text + (item.isNew ? u" *"_s : QString()));
    QCOMPARE(order, (QStringList{u"平常 *"_s, u"遅れ 2 *"_s, u"遅れ 1"_s}));
    QCOMPARE(f.notifier.notices, (QList<DesktopNotice>{{u"JR"_s, u"遅れ 2"_s, u"http://a.test/2"_s}}));

    // The first new item is on show: Enter, a middle click and the menu entry open where it leads.
    QTest::keyClick(f.ticker->window(), Qt::Key_Return);
    QTest::mouseClick(f.ticker->window(), Qt::MiddleButton);
    emit f.ticker->menu()->menu()->aboutToShow(); // enables the entry for the item on show
    f.ticker->menu()->openItem()->trigger();
    QCOMPARE(browser.opened, QStringList(3, u"http://a.test/"_s));
}

QTEST_MAIN(TestTicker)
#include "tst_ticker.moc"
