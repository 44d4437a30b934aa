#include "editors/ui/RuleEditDialog.h"
#include "editors/ui/RuleListDialog.h"
#include "editors/ui/RuleTesterPanel.h"
#include "support/DialogTesting.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QList<RuleRecord> LiveRules{{true, u"太字"_s, u"<b>"_s, u"</b>"_s, {}},
                                  {false, u"見出し"_s, u"<h2>"_s, u"</h2>"_s, {u"広告"_s}}};

// The rule list dialog, shown, over a working copy of two rules.
struct Fixture {
    ScriptedPrompter prompter;
    QList<RuleRecord> rules = LiveRules;
    RuleListDialog dialog{rules, LiveRules, prompter};
    QListWidget* list = find<QListWidget>(&dialog, "lstFilters");

    Fixture() { dialog.show(); }
    QStringList enabled() {
        return enabledButtons(&dialog, {"cmdNew", "cmdModify", "cmdRemove", "cmdUp", "cmdDown"});
    }
    QString description() { return find<QPlainTextEdit>(&dialog, "txtDetail")->toPlainText(); }
};

} // namespace

class TestRuleListDialog : public QObject {
    Q_OBJECT
private slots:
    void selectionDescribesAndMoves();
    void removeThenCancelOrKeep_data();
    void removeThenCancelOrKeep();
    void newAndChangedRules();
    void editsReachTheTester();
    void ruleBeingEditedIsTested();
    void emptyList();
};

void TestRuleListDialog::selectionDescribesAndMoves() {
    Fixture f;
    QCOMPARE(f.enabled(), QStringList{u"cmdNew"_s});
    f.list->setCurrentRow(1);
    QCOMPARE(f.enabled(), (QStringList{u"cmdNew"_s, u"cmdModify"_s, u"cmdRemove"_s, u"cmdUp"_s}));
    QCOMPARE(
        f.description(),
        u"\"<h2>\" から\n\"</h2>\" までの間を抽出する\nただし \"広告\" のいずれかを含んでいたら抽出しない"_s);
    f.list->item(1)->setCheckState(Qt::Checked); // takes effect at once
    QVERIFY(f.rules[1].Enabled);
    find(&f.dialog, "cmdUp")->click();
    QCOMPARE(texts(f.list), (QStringList{u"見出し"_s, u"太字"_s}));
    QCOMPARE(f.list->currentRow(), 0);
    QCOMPARE(f.rules[0].Name, u"見出し"_s);
}

void TestRuleListDialog::removeThenCancelOrKeep_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("kept");
    QTest::newRow("Cancel brings it back") << u"cmdCancel"_s << 2;
    QTest::newRow("OK keeps the removal") << u"cmdOK"_s << 1;
    QTest::newRow("close box keeps the removal") << u"close"_s << 1;
}

void TestRuleListDialog::removeThenCancelOrKeep() {
    QFETCH(QString, how);
    QFETCH(int, kept);
    Fixture f;
    f.prompter.yesNoAnswers = {true};
    f.list->setCurrentRow(1);
    find(&f.dialog, "cmdRemove")->click();
    QCOMPARE(f.prompter.asked,
             QStringList{u"削除の確認|ルール '見出し' を削除します。\r\nよろしいですか?"_s});
    QCOMPARE(f.rules.size(), 1);
    QCOMPARE(f.enabled(), QStringList{u"cmdNew"_s});
    QCOMPARE(f.description(), QString());
    if (how == u"close"_s)
        f.dialog.close();
    else
        f.dialog.findChild<QAbstractButton*>(how)->click();
    QVERIFY(!f.dialog.isVisible());
    QCOMPARE(f.rules.size(), kept);
}

void TestRuleListDialog::newAndChangedRules() {
    Fixture f;
    whenModalOpens([&f](QDialog* editor) {
        QCOMPARE(find<QLineEdit>(editor, "txtText3")->text(), u"新しいルール"_s);
        editor->accept();
        QCOMPARE(f.prompter.asked, QStringList{u"Sorvanta|1. の項目は必ず入力してください。"_s});
        auto* header = find<QLineEdit>(editor, "txtText0");
        header->insert(u"<td>\r\n<th>"_s); // dropped as two lines
        QTest::keyClick(header, Qt::Key_Return);
        QVERIFY(editor->isVisible()); // Enter is not OK
        find(editor, "cmdOK")->click();
    });
    find(&f.dialog, "cmdNew")->click();
    QCOMPARE(f.rules.last(), (RuleRecord{true, u"新しいルール"_s, u"<td>"_s, {}, {}}));
    QCOMPARE(f.list->item(2)->checkState(), Qt::Checked);
    f.list->setCurrentRow(1);
    whenModalOpens([](QDialog* editor) {
        find<QLineEdit>(editor, "txtText3")->setText(u"記事"_s);
        editor->accept();
    });
    find(&f.dialog, "cmdModify")->click();
    QCOMPARE(f.rules[1], (RuleRecord{false, u"記事"_s, u"<h2>"_s, u"</h2>"_s, {u"広告"_s}}));
    QCOMPARE(f.list->item(1)->text(), u"記事"_s);
}

void TestRuleListDialog::editsReachTheTester() {
    ScriptedPrompter prompter;
    RuleEditDialog dialog(prompter);
    auto* tester = new QLabel(u"テスト"_s);
    dialog.setTester(tester);
    QCOMPARE(tester->parentWidget(), &dialog);
    QSignalSpy edited(&dialog, &RuleEditDialog::ruleEdited);
    find<QLineEdit>(&dialog, "txtText2")->setText(u"広告  PR"_s);
    QCOMPARE(edited.count(), 1);
    QCOMPARE(edited[0][0].value<RuleRecord>(),
             (RuleRecord{true, u"新しいルール"_s, {}, {}, {u"広告"_s, QString(), u"PR"_s}}));
}

void TestRuleListDialog::ruleBeingEditedIsTested() {
    Fixture f;
    f.dialog.setTesterMaker([] {
        const Fetcher fetcher = [](const FetchRequest&, const StopSignal&, const ProgressSignal&) {
            return FetchResult{"<b>一</b><i>二</i><b>三</b>", "text/html; charset=UTF-8", FetchFailure::None,
                               200};
        };
        return new RuleTesterPanel({{true, u"http://a.test/"_s, u"運行"_s, {}, {}, {}}}, AppSettings(),
                                   fetcher);
    });
    f.list->setCurrentRow(0);
    whenModalOpens([](QDialog* editor) {
        auto* results = find<QListWidget>(editor, "lstResults");
        find(editor, "cmdFetch")->click();
        QTRY_COMPARE(texts(results), (QStringList{u"一"_s, u"三"_s}));
        find<QLineEdit>(editor, "txtText0")->setText(u"<i>"_s);
        find<QLineEdit>(editor, "txtText1")->setText(u"</i>"_s);
        QCOMPARE(texts(results), QStringList{u"二"_s});
        editor->reject();
    });
    find(&f.dialog, "cmdModify")->click();
    QCOMPARE(f.rules, LiveRules); // the tester never changes the rule
}

// Opened the way the options dialog opens it, on an empty list.
void TestRuleListDialog::emptyList() {
    ScriptedPrompter prompter;
    QTemporaryDir dir;
    DataFiles dataFiles({parseStartupArguments(u"/singleuser"_s), dir.path(), dir.path()}, &prompter);
    QList<RuleRecord> rules;
    whenModalOpens([](QDialog* dialog) {
        QCOMPARE(find<QListWidget>(dialog, "lstFilters")->count(), 0);
        QCOMPARE(enabledButtons(dialog, {"cmdNew", "cmdModify", "cmdRemove"}), QStringList{u"cmdNew"_s});
        dialog->accept();
    });
    RuleListDialog::opener(dataFiles, prompter)(nullptr, rules);
    QVERIFY(rules.isEmpty());
}

QTEST_MAIN(TestRuleListDialog)
#include "tst_rulelistdialog.moc"
