#include "display/ui/TrayStatus.h"

#include <QApplication>
#include <QMenu>
#include <QRegularExpression>
#include <QSystemTrayIcon>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

TrayNotice newsWithBalloon() {
    return {TrayNotice::Icon::News, u"Sorvanta 2.52\r\n3件の情報があります"_s, u"3件の情報があります"_s,
            u"Sorvanta"_s, false};
}

bool anyWindowShown() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(),
                       [](const QWidget* window) { return window->isVisible(); });
}

} // namespace

class TestTrayStatus : public QObject {
    Q_OBJECT
private slots:
    void noTrayNoIconAndNothingSaid();
    void trayComingUpLaterGetsTheIcon();
    void removedIconStaysAway();
};

void TestTrayStatus::noTrayNoIconAndNothingSaid() {
    QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable()); // the offscreen desktop has no tray
    QTest::failOnWarning(QRegularExpression(u".*"_s));
    QMenu menu;
    TrayStatus tray(&menu);
    tray.show(newsWithBalloon());
    tray.show({TrayNotice::Icon::Updating, u"更新中"_s, u"警告"_s, u"Sorvanta"_s, true});
    QVERIFY(!tray.hasIcon());
    QVERIFY(!tray.findChild<QSystemTrayIcon*>());
    QVERIFY(!anyWindowShown());               // no balloon of its own in place of the tray's
    QCOMPARE(tray.notice().tip, u"更新中"_s); // the status is still known
    tray.remove();
}

void TestTrayStatus::trayComingUpLaterGetsTheIcon() {
    bool trayUp = false;
    QMenu menu;
    TrayStatus tray(&menu, nullptr, [&trayUp] { return trayUp; });
    tray.show({TrayNotice::Icon::Updating, u"更新中"_s, {}, {}, false});
    QVERIFY(!tray.hasIcon());
    trayUp = true;
    tray.show(newsWithBalloon());
    QVERIFY(tray.hasIcon());
    const auto* icon = tray.findChild<QSystemTrayIcon*>();
    QVERIFY(icon->isVisible());
    QCOMPARE(icon->toolTip(), u"Sorvanta 2.52\n3件の情報があります"_s);
    QCOMPARE(icon->contextMenu(), &menu);
}

void TestTrayStatus::removedIconStaysAway() {
    QMenu menu;
    TrayStatus tray(&menu, nullptr, [] { return true; });
    tray.show(newsWithBalloon());
    tray.remove();
    tray.show({TrayNotice::Icon::Updating, u"更新中"_s, {}, {}, false});
    QVERIFY(!tray.findChild<QSystemTrayIcon*>()->isVisible());
    QCOMPARE(tray.findChild<QSystemTrayIcon*>()->toolTip(), u"Sorvanta 2.52\n3件の情報があります"_s);
}

QTEST_MAIN(TestTrayStatus)
#include "tst_traystatus.moc"
