#include "settings/PasswordScrambler.h"
#include "settings/ui/ProxyDialog.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QLineEdit* Box(const QDialog& dialog, int index) {
    return dialog.findChild<QLineEdit*>(u"txtText"_s + QString::number(index));
}

void ClickOk(const QDialog& dialog) {
    dialog.findChild<QAbstractButton*>(u"cmdOK"_s)->click();
}

} // namespace

class TestProxyDialog : public QObject {
    Q_OBJECT
private slots:
    void showsAndStoresTheProxy_data();
    void showsAndStoresTheProxy();
    void spaceBarSwitchesTheBoxes();
    void everyOkScramblesAnew();
    void refusesPasswordsTheScramblingLoses_data();
    void refusesPasswordsTheScramblingLoses();
};

void TestProxyDialog::showsAndStoresTheProxy_data() {
    QTest::addColumn<bool>("useProxy");
    QTest::addColumn<QString>("proxy");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("stored");
    QTest::newRow("empty, switched off: boxes greyed, port 8080 on OK")
        << false << QString() << QString() << QString() << u":8080"_s;
    QTest::newRow("address and port")
        << true << u"proxy.test:3128"_s << u"proxy.test"_s << u"3128"_s << u"proxy.test:3128"_s;
}

void TestProxyDialog::showsAndStoresTheProxy() {
    QFETCH(bool, useProxy);
    QFETCH(QString, proxy);
    QFETCH(QString, address);
    QFETCH(QString, port);
    QFETCH(QString, stored);
    AppSettings settings;
    settings.UseProxy = useProxy;
    settings.Proxy = proxy;
    settings.UserName = u"user"_s;
    settings.Password = EncryptPassword(u"pass"_s);
    ScriptedPrompter prompter;
    ProxyDialog dialog(settings, prompter);
    QCOMPARE(Box(dialog, 0)->text(), address);
    QCOMPARE(Box(dialog, 1)->text(), port);
    QCOMPARE(Box(dialog, 3)->text(), u"pass"_s);
    QCOMPARE(Box(dialog, 2)->isEnabled(), useProxy);
    ClickOk(dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(settings.UseProxy, useProxy);
    QCOMPARE(settings.Proxy, stored);
    QCOMPARE(settings.UserName, u"user"_s);
}

void TestProxyDialog::spaceBarSwitchesTheBoxes() {
    AppSettings settings;
    ScriptedPrompter prompter;
    ProxyDialog dialog(settings, prompter);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.findChild<QCheckBox*>(u"chkUseProxy"_s)->setFocus();
    QVERIFY(!Box(dialog, 0)->isEnabled());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(Box(dialog, 0)->isEnabled());
    QVERIFY(Box(dialog, 3)->isEnabled());
}

void TestProxyDialog::everyOkScramblesAnew() {
    AppSettings settings;
    ScriptedPrompter prompter;
    QStringList stored;
    for (int i = 0; i < 2; ++i) {
        ProxyDialog dialog(settings, prompter);
        Box(dialog, 3)->setText(u"secret"_s);
        ClickOk(dialog);
        stored.append(settings.Password);
        QCOMPARE(DecryptPassword(settings.Password), u"secret"_s);
    }
    QVERIFY(stored[0] != stored[1]);
}

void TestProxyDialog::refusesPasswordsTheScramblingLoses_data() {
    QTest::addColumn<QString>("password");
    QTest::newRow("half-width katakana") << u"ﾊﾟｽ"_s;
    QTest::newRow("double-byte") << u"日本"_s;
    QTest::newRow("outside CP932") << u"passé"_s;
}

void TestProxyDialog::refusesPasswordsTheScramblingLoses() {
    QFETCH(QString, password);
    AppSettings settings;
    settings.Password = EncryptPassword(u"old"_s);
    const AppSettings before = settings;
    ScriptedPrompter prompter;
    ProxyDialog dialog(settings, prompter);
    dialog.show();
    Box(dialog, 0)->setText(u"proxy.test"_s);
    Box(dialog, 3)->setText(password);
    ClickOk(dialog);
    QCOMPARE(prompter.asked, QStringList{u"エラー|"_s + PasswordNotCarriedMessage()});
    QVERIFY(dialog.isVisible());
    QCOMPARE(settings, before);
    Box(dialog, 3)->setText(u"pass"_s); // the user's other edits are still there
    ClickOk(dialog);
    QCOMPARE(settings.Proxy, u"proxy.test:8080"_s);
}

QTEST_MAIN(TestProxyDialog)
#include "tst_proxydialog.moc"
