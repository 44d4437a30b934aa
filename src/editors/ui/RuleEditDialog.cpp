#include "editors/ui/RuleEditDialog.h"

#include "base/ui/DialogParts.h"
#include "base/ui/NamedControls.h"
#include "base/ui/TextBoxBehaviour.h"
#include "retrieval/RecordCodec.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

constexpr int TesterRow = 5;
constexpr int ButtonRow = 6;

QLineEdit* textBox(QWidget* parent, int index, int maxLength, const QString& toolTip = {}) {
    QLineEdit* box =
        TextBoxBehaviour::newBox(parent, index, maxLength, TextBoxBehaviour::LineBreaks::CutAtFirst);
    box->setMinimumWidth(420);
    box->setToolTip(toolTip);
    return box;
}

// Enter stays in the box: neither button presses on it.
QPushButton* button(QWidget* parent, const QString& name, const QString& caption) {
    QPushButton* button = namedButton(parent, name, caption);
    button->setAutoDefault(false);
    return button;
}

} // namespace

RuleEditDialog::RuleEditDialog(UserPrompter& prompter, QWidget* parent)
    : QDialog(parent)
    , m_prompter(prompter) {
    setObjectName(u"frmDialogFilterDetail"_s);
    setWindowTitle(tr("抽出ルールの編集"));
    m_grid = new QGridLayout(this);
    m_grid->addWidget(
        namedLabel(this, u"Label1"_s,
                   tr("次のルールが、ダウンロードしたウェブページからの情報の抽出に適用されます。")),
        0, 0, 1, 2);
    addBoxes(m_grid);
    auto* ok = button(this, u"cmdOK"_s, u"OK"_s);
    auto* cancel = button(this, u"cmdCancel"_s, tr("キャンセル"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_grid->addLayout(buttonsAtRight({ok, cancel}), ButtonRow, 0, 1, 2);
    setRule({true, tr("新しいルール"), {}, {}, {}});
    for (QLineEdit* box : m_boxes)
        connect(box, &QLineEdit::textChanged, this, [this] { emit ruleEdited(rule()); });
    m_boxes[NameBox]->setFocus();
}

// Created in tab order: the name first.
void RuleEditDialog::addBoxes(QGridLayout* grid) {
    m_boxes[NameBox] = textBox(this, NameBox, 256);
    m_boxes[HeaderBox] = textBox(this, HeaderBox, 1024, tr("この文字列より後の文字列を抽出します。"));
    m_boxes[FooterBox] =
        textBox(this, FooterBox, 1024, tr("抽出した文字列から、次の文字列以降を切り捨てます。"));
    m_boxes[ExclusionsBox] =
        textBox(this, ExclusionsBox, 1024,
                tr("抽出された文字列が次のいずれかの文字列を含む場合は抽出を中止します。"));
    const struct {
        const char16_t* name;
        const char* caption;
        Box box;
    } rows[] = {{u"Label5", QT_TRANSLATE_NOOP("RuleEditDialog", "抽出ルール名(&R):"), NameBox},
                {u"Label2", QT_TRANSLATE_NOOP("RuleEditDialog", "ヘッダー(&F):"), HeaderBox},
                {u"Label3", QT_TRANSLATE_NOOP("RuleEditDialog", "フッター(&T):"), FooterBox},
                {u"Label4", QT_TRANSLATE_NOOP("RuleEditDialog", "除外条件(&N):"), ExclusionsBox}};
    int gridRow = 1;
    for (const auto& row : rows) {
        QLineEdit* box = m_boxes[row.box];
        QLabel* label = namedLabel(this, QString::fromUtf16(row.name), tr(row.caption), box);
        label->setToolTip(box->toolTip());
        grid->addWidget(label, gridRow, 0);
        grid->addWidget(box, gridRow++, 1);
    }
}

void RuleEditDialog::setRule(const RuleRecord& rule) {
    m_enabled = rule.Enabled;
    m_boxes[NameBox]->setText(rule.Name);
    m_boxes[HeaderBox]->setText(rule.Header);
    m_boxes[FooterBox]->setText(rule.Footer);
    m_boxes[ExclusionsBox]->setText(formatExclusions(rule.Exclusions));
}

RuleRecord RuleEditDialog::rule() const {
    return {m_enabled, m_boxes[NameBox]->text(), m_boxes[HeaderBox]->text(), m_boxes[FooterBox]->text(),
            parseExclusions(m_boxes[ExclusionsBox]->text())};
}

void RuleEditDialog::setTester(QWidget* tester) {
    m_grid->addWidget(tester, TesterRow, 0, 1, 2);
}

void RuleEditDialog::accept() {
    if (m_boxes[HeaderBox]->text().isEmpty()) {
        m_prompter.showWarning(u"Sorvanta"_s, tr("1. の項目は必ず入力してください。"));
        m_boxes[HeaderBox]->setFocus(Qt::OtherFocusReason);
        return;
    }
    QDialog::accept();
}
