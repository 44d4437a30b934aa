#include "editors/ui/RuleEditDialog.h"
#include "support/ModalDialogs.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

class TestRuleEditDialog : public QObject {
    Q_OBJECT
private slots:
    void headerIsRequired();
    void enterDoesNotPressOk();
    void editsReachTheTester();
};

void TestRuleEditDialog::headerIsRequired() {
    ScriptedPrompter prompter;
    RuleEditDialog dialog(prompter);
    dialog.setRule({false, u"太字"_s, {}, u"</b>"_s, {}});
    dialog.show();
    dialog.accept();
    QVERIFY(dialog.isVisible());
    QCOMPARE(prompter.asked, QStringList{u"Sorvanta|1. の項目は必ず入力してください。"_s});
    Find<QLineEdit>(&dialog, "txtText0")->insert(u"<b>\r\n<i>"_s); // dropped as two lines
    dialog.accept();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.rule(), (RuleRecord{false, u"太字"_s, u"<b>"_s, u"</b>"_s, {}}));
}

void TestRuleEditDialog::enterDoesNotPressOk() {
    ScriptedPrompter prompter;
    RuleEditDialog dialog(prompter);
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto* header = Find<QLineEdit>(&dialog, "txtText0");
    header->setText(u"<b>"_s);
    QTest::keyClick(header, Qt::Key_Return);
    QVERIFY(dialog.isVisible());
    QCOMPARE(accepted.count(), 0);
    QTest::keyClick(header, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
}

void TestRuleEditDialog::editsReachTheTester() {
    ScriptedPrompter prompter;
    RuleEditDialog dialog(prompter);
    auto* tester = new QLabel(u"テスト"_s);
    dialog.setTester(tester);
    QCOMPARE(tester->parentWidget(), &dialog);
    QSignalSpy edited(&dialog, &RuleEditDialog::ruleEdited);
    Find<QLineEdit>(&dialog, "txtText2")->setText(u"広告  PR"_s);
    QCOMPARE(edited.count(), 1);
    QCOMPARE(edited[0][0].value<RuleRecord>(),
             (RuleRecord{true, u"新しいルール"_s, {}, {}, {u"広告"_s, QString(), u"PR"_s}}));
}

QTEST_MAIN(TestRuleEditDialog)
#include "tst_ruleeditdialog.moc"
