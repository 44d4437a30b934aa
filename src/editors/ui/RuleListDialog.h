#pragma once

#include "base/UserPrompter.h"
#include "retrieval/DataFiles.h"

#include <QDialog>
#include <functional>

class QListWidget;
class QPlainTextEdit;
class QPushButton;
class RuleEditDialog;
class RuleTesterPanel;

// The rule list dialog: the extraction rules in the order they are applied, each switched on or
// off by its check box, with a plain description of the selected one. It edits the options
// dialog's working copy in place; Cancel replaces that copy with the rules in use, also dropping
// changes made at earlier openings. Nothing is written to disk here.
class RuleListDialog : public QDialog {
    Q_OBJECT
public:
    // liveRules is read when the user cancels.
    RuleListDialog(QList<RuleRecord>& rules, const QList<RuleRecord>& liveRules, UserPrompter& prompter,
                   QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(RuleListDialog)

    // Makes the test area of the rule edit dialog, for the pages and settings in use.
    using TesterMaker = std::function<RuleTesterPanel*()>;
    void setTesterMaker(TesterMaker makeTester) { m_makeTester = std::move(makeTester); }

    // Opens the dialog modally over parent on a working copy, with the rules in use loaded by
    // dataFiles; both references must outlive the opener.
    static std::function<void(QWidget*, QList<RuleRecord>&)>
    opener(const DataFiles& dataFiles, UserPrompter& prompter, TesterMaker makeTester = {});

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void addControls();
    void connectControls();
    void rebuild(int selected);
    void showSelection();
    void newRule();
    void modifyRule();
    void removeRule();
    void moveRule(int step);
    void attachTester(RuleEditDialog& editor) const;

    QList<RuleRecord>& m_rules;
    const QList<RuleRecord>& m_liveRules;
    UserPrompter& m_prompter;
    TesterMaker m_makeTester;
    QListWidget* m_list = nullptr;
    QPlainTextEdit* m_detail = nullptr;
    QPushButton* m_new = nullptr;
    QPushButton* m_modify = nullptr;
    QPushButton* m_remove = nullptr;
    QPushButton* m_up = nullptr;
    QPushButton* m_down = nullptr;
};
