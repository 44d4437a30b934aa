#include "startup/DisplayPlatform.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestDisplayPlatform : public QObject {
    Q_OBJECT
private slots:
    void platformFromTheSession_data();
    void platformFromTheSession();
    void userChoiceAsksNoServer();
};

void TestDisplayPlatform::platformFromTheSession_data() {
    QTest::addColumn<QString>("userPlatform");
    QTest::addColumn<QString>("waylandDisplay");
    QTest::addColumn<bool>("xServerReachable");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("X11 session") << ""
                                 << "" << true << "xcb";
    QTest::newRow("Wayland session with XWayland") << ""
                                                   << "wayland-0" << true << "xcb";
    QTest::newRow("Wayland session without X server") << ""
                                                      << "wayland-0" << false << "wayland";
    QTest::newRow("nothing reachable: Qt's default says why") << ""
                                                              << "" << false << "";
    QTest::newRow("user's choice stands over X11") << "offscreen"
                                                   << "" << true << "";
    QTest::newRow("user's choice stands over Wayland") << "xcb"
                                                       << "wayland-0" << false << "";
}

void TestDisplayPlatform::platformFromTheSession() {
    QFETCH(QString, userPlatform);
    QFETCH(QString, waylandDisplay);
    QFETCH(bool, xServerReachable);
    QFETCH(QString, chosen);
    QCOMPARE(chooseDisplayPlatform({userPlatform, waylandDisplay, [=] { return xServerReachable; }}), chosen);
}

void TestDisplayPlatform::userChoiceAsksNoServer() {
    int asked = 0;
    const auto probe = [&asked] {
        ++asked;
        return true;
    };
    QCOMPARE(chooseDisplayPlatform({u"wayland"_s, u"wayland-0"_s, probe}), QString());
    QCOMPARE(asked, 0);
    QCOMPARE(chooseDisplayPlatform({QString(), u"wayland-0"_s, probe}), u"xcb"_s);
    QCOMPARE(asked, 1);
}

QTEST_GUILESS_MAIN(TestDisplayPlatform)
#include "tst_displayplatform.moc"
