#include "settings/PasswordScrambler.h"
#include "settings/ui/ProxyDialog.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QLineEdit* box(const QDialog& dialog, int index) {
    return dialog.findChild<QLineEdit*>(u"txtText"_s + QString::number(index));
}

void clickOk(const QDialog& dialog) {
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
    settings.Password = encryptPassword(u"pass"_s);
    ScriptedPrompter prompter;
    ProxyDialog dialog(settings, prompter);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(box(dialog, 0)->text(), u"proxy.test"_s);
    QCOMPARE(box(dialog, 1)->text(), u"3128"_s);
    QCOMPARE(box(dialog, 3)->text(), u"pass"_s);
    QVERIFY(!box(dialog, 2)->isEnabled());
    dialog.findChild<QCheckBox*>(u"chkUseProxy"_s)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(box(dialog, 2)->isEnabled());
    box(dialog, 1)->clear();
    clickOk(dialog);
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
        box(dialog, 3)->setText(u"secret"_s);
        clickOk(dialog);
        stored.append(settings.Password);
        QCOMPARE(decryptPassword(settings.Password), u"secret"_s);
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
    settings.Password = encryptPassword(u"old"_s);
    const AppSettings before = settings;
    ScriptedPrompter prompter;
    ProxyDialog dialog(settings, prompter);
    dialog.show();
    box(dialog, 0)->setText(u"proxy.test"_s);
    box(dialog, 3)->setText(password);
    clickOk(dialog);
    QCOMPARE(prompter.asked, QStringList{u"エラー|"_s + passwordNotCarriedMessage()});
    QVERIFY(dialog.isVisible());
    QCOMPARE(settings, before);
    box(dialog, 3)->setText(u"pass"_s); // the user's other edits are still there
    clickOk(dialog);
    QCOMPARE(settings.Proxy, u"proxy.test:8080"_s);
}

QTEST_MAIN(TestProxyDialog)
#include "tst_proxydialog.moc"
