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
    void showsAndStoresTheProxy();
    void everyOkScramblesAnew();
    void refusesPasswordsTheScramblingLoses_data();
    void refusesPasswordsTheScramblingLoses();
};

// The boxes show the stored proxy, greyed while it is off; the space bar on the check box switches
// them; OK stores them, with 8080 for an empty port.
void TestProxyDialog::showsAndStoresTheProxy() {
    AppSettings settings;
    settings.Proxy = u"proxy.test:3128"_s;
    settings.UserName = u"user"_s;
    settings.Password = EncryptPassword(u"pass"_s);
    ScriptedPrompter prompter;
    ProxyDialog dialog(settings, prompter);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(Box(dialog, 0)->text(), u"proxy.test"_s);
    QCOMPARE(Box(dialog, 1)->text(), u"3128"_s);
    QCOMPARE(Box(dialog, 3)->text(), u"pass"_s);
    QVERIFY(!Box(dialog, 2)->isEnabled());
    dialog.findChild<QCheckBox*>(u"chkUseProxy"_s)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(Box(dialog, 2)->isEnabled());
    Box(dialog, 1)->clear();
    ClickOk(dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(settings.UseProxy);
    QCOMPARE(settings.Proxy, u"proxy.test:8080"_s);
    QCOMPARE(settings.UserName, u"user"_s);
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
