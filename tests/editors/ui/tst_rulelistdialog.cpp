#include "editors/ui/RuleListDialog.h"
#include "support/ModalDialogs.h"
#include "support/TestSupport.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QList<RuleRecord> LiveRules{{true, u"太字"_s, u"<b>"_s, u"</b>"_s, {}},
                                  {false, u"見出し"_s, u"<h2>"_s, u"</h2>"_s, {u"広告"_s}},
                                  {true, u"一覧"_s, u"<li>"_s, {}, {}}};

// The rule list dialog over a working copy of three rules.
struct Fixture {
    ScriptedPrompter prompter;
    QList<RuleRecord> rules = LiveRules;
    RuleListDialog dialog{rules, LiveRules, prompter};
    QListWidget* list = Find<QListWidget>(&dialog, "lstFilters");

    Fixture() { dialog.show(); }
    QPushButton* button(const char* name) { return Find<QPushButton>(&dialog, name); }
    QStringList enabled() {
        QStringList names;
        for (const char* name : {"cmdNew", "cmdModify", "cmdRemove", "cmdUp", "cmdDown"})
            if (button(name)->isEnabled())
                names.append(QString::fromLatin1(name));
        return names;
    }
    QString description() { return Find<QPlainTextEdit>(&dialog, "txtDetail")->toPlainText(); }
    QStringList names() const {
        QStringList texts;
        for (const RuleRecord& rule : rules)
            texts.append(rule.Name);
        return texts;
    }
};

} // namespace

class TestRuleListDialog : public QObject {
    Q_OBJECT
private slots:
    void selectionDescribesTheRule();
    void checkBoxSetsTheFlagAtOnce();
    void moveFollowsTheRule();
    void removeThenCancelOrKeep_data();
    void removeThenCancelOrKeep();
    void newAndChangedRules();
    void emptyList();
};

void TestRuleListDialog::selectionDescribesTheRule() {
    Fixture f;
    QCOMPARE(f.enabled(), QStringList{u"cmdNew"_s});
    QCOMPARE(f.description(), QString());
    f.list->setCurrentRow(1);
    QCOMPARE(f.enabled(),
             (QStringList{u"cmdNew"_s, u"cmdModify"_s, u"cmdRemove"_s, u"cmdUp"_s, u"cmdDown"_s}));
    QCOMPARE(f.description(), u"\"<h2>\" から\n\"</h2>\" までの間を抽出する\n"
                              u"ただし \"広告\" のいずれかを含んでいたら抽出しない"_s);
    f.list->setCurrentRow(0);
    QCOMPARE(f.description().count(u'\n'), 1);
}

void TestRuleListDialog::checkBoxSetsTheFlagAtOnce() {
    Fixture f;
    f.list->item(1)->setCheckState(Qt::Checked);
    f.list->item(2)->setCheckState(Qt::Unchecked);
    QVERIFY(f.rules[1].Enabled);
    QVERIFY(!f.rules[2].Enabled);
}

void TestRuleListDialog::moveFollowsTheRule() {
    Fixture f;
    f.list->setCurrentRow(0);
    f.button("cmdDown")->click();
    QCOMPARE(f.names(), (QStringList{u"見出し"_s, u"太字"_s, u"一覧"_s}));
    QCOMPARE(f.list->currentRow(), 1);
    QCOMPARE(f.list->item(1)->text(), u"太字"_s);
    QVERIFY(f.description().startsWith(u"\"<b>\""_s));
}

void TestRuleListDialog::removeThenCancelOrKeep_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("kept");
    QTest::newRow("Cancel brings it back") << u"cancel"_s << 3;
    QTest::newRow("Esc brings it back") << u"escape"_s << 3;
    QTest::newRow("OK keeps the removal") << u"ok"_s << 2;
    QTest::newRow("close box keeps the removal") << u"close"_s << 2;
}

void TestRuleListDialog::removeThenCancelOrKeep() {
    QFETCH(QString, how);
    QFETCH(int, kept);
    Fixture f;
    f.prompter.yesNoAnswers = {true};
    f.list->setCurrentRow(2);
    f.button("cmdRemove")->click();
    QCOMPARE(f.prompter.asked, QStringList{u"削除の確認|ルール '一覧' を削除します。\r\nよろしいですか?"_s});
    QCOMPARE(f.names(), (QStringList{u"太字"_s, u"見出し"_s}));
    QCOMPARE(f.enabled(), QStringList{u"cmdNew"_s});
    QCOMPARE(f.description(), QString());
    if (how == u"cancel"_s)
        f.button("cmdCancel")->click();
    else if (how == u"escape"_s)
        QTest::keyClick(f.list, Qt::Key_Escape);
    else if (how == u"ok"_s)
        f.button("cmdOK")->click();
    else
        f.dialog.close();
    QVERIFY(!f.dialog.isVisible());
    QCOMPARE(f.rules.size(), kept);
}

void TestRuleListDialog::newAndChangedRules() {
    Fixture f;
    f.list->item(1)->setCheckState(Qt::Checked);
    WhenModalOpens([](QDialog* editor) {
        QCOMPARE(editor->objectName(), u"frmDialogFilterDetail"_s);
        QCOMPARE(Find<QLineEdit>(editor, "txtText3")->text(), u"新しいルール"_s);
        Find<QLineEdit>(editor, "txtText3")->clear();
        Find<QLineEdit>(editor, "txtText0")->setText(u"<td>"_s);
        editor->accept();
    });
    f.button("cmdNew")->click();
    QCOMPARE(f.rules.last(), (RuleRecord{true, {}, u"<td>"_s, {}, {}}));
    QCOMPARE(f.list->item(3)->checkState(), Qt::Checked);
    f.list->setCurrentRow(1);
    WhenModalOpens([](QDialog* editor) {
        QCOMPARE(Find<QLineEdit>(editor, "txtText2")->text(), u"広告"_s);
        Find<QLineEdit>(editor, "txtText3")->setText(u"記事"_s);
        editor->accept();
    });
    f.button("cmdModify")->click();
    QCOMPARE(f.rules[1], (RuleRecord{true, u"記事"_s, u"<h2>"_s, u"</h2>"_s, {u"広告"_s}}));
    QCOMPARE(f.list->item(1)->text(), u"記事"_s);
    WhenModalOpens([](QDialog* editor) { editor->reject(); });
    f.button("cmdModify")->click();
    QCOMPARE(f.rules.size(), 4);
}

// Opened the way the options dialog opens it, on an empty list; the last rule can go.
void TestRuleListDialog::emptyList() {
    ScriptedPrompter prompter;
    QTemporaryDir dir;
    const AppFolders folders{ParseStartupArguments(u"/singleuser"_s), dir.path(), dir.path()};
    DataFiles dataFiles(folders, &prompter);
    QList<RuleRecord> rules;
    WhenModalOpens([](QDialog* dialog) {
        QCOMPARE(Find<QListWidget>(dialog, "lstFilters")->count(), 0);
        QVERIFY(Find<QPushButton>(dialog, "cmdNew")->isEnabled());
        QVERIFY(!Find<QPushButton>(dialog, "cmdRemove")->isEnabled());
        dialog->accept();
    });
    RuleListDialog::opener(dataFiles, prompter)(nullptr, rules);
    QVERIFY(rules.isEmpty());
    Fixture f;
    f.prompter.yesNoAnswers = {true, true, true};
    for (int left = 3; left > 0; --left) {
        f.list->setCurrentRow(0);
        f.button("cmdRemove")->click();
    }
    QCOMPARE(f.list->count(), 0);
    QVERIFY(f.rules.isEmpty());
}

QTEST_MAIN(TestRuleListDialog)
#include "tst_rulelistdialog.moc"
