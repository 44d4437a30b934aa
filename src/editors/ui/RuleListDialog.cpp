#include "editors/ui/RuleListDialog.h"

#include "base/ui/DialogParts.h"
#include "base/ui/NamedControls.h"
#include "base/ui/StaysOnTop.h"
#include "editors/ListRows.h"
#include "editors/RuleDescription.h"
#include "editors/ui/RuleEditDialog.h"
#include "editors/ui/RuleTesterPanel.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

RuleListDialog::RuleListDialog(QList<RuleRecord>& rules, const QList<RuleRecord>& liveRules,
                               UserPrompter& prompter, QWidget* parent)
    : QDialog(parent)
    , m_rules(rules)
    , m_liveRules(liveRules)
    , m_prompter(prompter) {
    setObjectName(u"frmDialogFilter"_s);
    setWindowTitle(tr("情報の抽出"));
    addControls();
    connectControls();
    rebuild(-1);
}

std::function<void(QWidget*, QList<RuleRecord>&)>
RuleListDialog::opener(const DataFiles& dataFiles, UserPrompter& prompter, TesterMaker makeTester) {
    return [&dataFiles, &prompter, makeTester](QWidget* parent, QList<RuleRecord>& rules) {
        RuleListDialog dialog(rules, dataFiles.tables().rules, prompter, parent);
        dialog.setTesterMaker(makeTester);
        shareStaysOnTop(parent, &dialog);
        dialog.exec();
    };
}

void RuleListDialog::addControls() {
    m_list = new QListWidget(this);
    m_list->setObjectName(u"lstFilters"_s);
    m_list->setMinimumSize(300, 180);
    m_detail = new QPlainTextEdit(this);
    m_detail->setObjectName(u"txtDetail"_s);
    m_detail->setReadOnly(true);
    m_detail->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_detail->setFixedHeight(5 * fontMetrics().lineSpacing());
    m_new = namedButton(this, u"cmdNew"_s, tr("新規作成(&N)..."));
    m_modify = namedButton(this, u"cmdModify"_s, tr("変更(&M)..."));
    m_remove = namedButton(this, u"cmdRemove"_s, tr("削除(&R)"));
    m_up = namedButton(this, u"cmdUp"_s, tr("上へ(&U)"));
    m_down = namedButton(this, u"cmdDown"_s, tr("下へ(&D)"));
    auto* ok = namedButton(this, u"cmdOK"_s, u"OK"_s);
    auto* cancel = namedButton(this, u"cmdCancel"_s, tr("キャンセル"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &RuleListDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(namedLabel(this, u"Label1"_s, tr("次のルールが情報の抽出に適用されます。")), 0, 0, 1,
                      2);
    layout->addWidget(m_list, 1, 0);
    layout->addLayout(buttonColumn({{m_new, m_modify, m_remove}, {m_up, m_down}}), 1, 1);
    layout->addWidget(namedLabel(this, u"Label2"_s, tr("抽出ルールの説明(&L):"), m_detail), 2, 0, 1, 2);
    layout->addWidget(m_detail, 3, 0, 1, 2);
    layout->addLayout(buttonsAtRight({ok, cancel}), 4, 0, 1, 2);
}

void RuleListDialog::connectControls() {
    connect(m_list, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        m_rules[m_list->row(item)].Enabled = item->checkState() == Qt::Checked;
    });
    connect(m_list, &QListWidget::itemSelectionChanged, this, &RuleListDialog::showSelection);
    connect(m_new, &QPushButton::clicked, this, &RuleListDialog::newRule);
    connect(m_modify, &QPushButton::clicked, this, &RuleListDialog::modifyRule);
    connect(m_remove, &QPushButton::clicked, this, &RuleListDialog::removeRule);
    connect(m_up, &QPushButton::clicked, this, [this] { moveRule(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { moveRule(+1); });
}

// The list shows the working copy again, with selected (-1: none) the selected rule.
void RuleListDialog::rebuild(int selected) {
    {
        const QSignalBlocker quiet(m_list);
        m_list->clear();
        for (const RuleRecord& rule : std::as_const(m_rules)) {
            auto* item = new QListWidgetItem(rule.Name, m_list);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(rule.Enabled ? Qt::Checked : Qt::Unchecked);
        }
        m_list->setCurrentRow(selected);
    }
    showSelection();
}

void RuleListDialog::showSelection() {
    const int row = selectedRow(m_list);
    const RowButtons buttons = buttonsFor(row, int(m_rules.size()));
    m_modify->setEnabled(buttons.selected);
    m_remove->setEnabled(buttons.selected);
    m_up->setEnabled(buttons.up);
    m_down->setEnabled(buttons.down);
    m_detail->setPlainText(buttons.selected ? ruleDescription(m_rules[row]).join(u'\n') : QString());
}

void RuleListDialog::attachTester(RuleEditDialog& editor) const {
    if (!m_makeTester)
        return;
    RuleTesterPanel* tester = m_makeTester();
    editor.setTester(tester);
    tester->setRule(editor.rule());
    connect(&editor, &RuleEditDialog::ruleEdited, tester, &RuleTesterPanel::setRule);
}

void RuleListDialog::newRule() {
    RuleEditDialog editor(m_prompter, this);
    shareStaysOnTop(this, &editor);
    attachTester(editor);
    if (editor.exec() != QDialog::Accepted)
        return;
    m_rules.append(editor.rule());
    rebuild(selectedRow(m_list));
}

void RuleListDialog::modifyRule() {
    const int row = selectedRow(m_list);
    if (row < 0)
        return;
    RuleEditDialog editor(m_prompter, this);
    shareStaysOnTop(this, &editor);
    editor.setRule(m_rules[row]);
    attachTester(editor);
    if (editor.exec() != QDialog::Accepted)
        return;
    m_rules[row] = editor.rule();
    rebuild(row);
}

void RuleListDialog::removeRule() {
    const int row = selectedRow(m_list);
    if (row < 0)
        return;
    const QString question = tr("ルール '%1' を削除します。\r\nよろしいですか?").arg(m_rules[row].Name);
    if (!m_prompter.askYesNo(tr("削除の確認"), question))
        return;
    m_rules.removeAt(row);
    rebuild(-1);
}

void RuleListDialog::moveRule(int step) {
    if (const std::optional<int> moved = moveRow(m_rules, selectedRow(m_list), step))
        rebuild(*moved);
}

void RuleListDialog::reject() {
    m_rules = m_liveRules;
    QDialog::reject();
}

// The close box keeps the changes, as OK does.
void RuleListDialog::closeEvent(QCloseEvent* event) {
    accept();
    event->accept();
}
