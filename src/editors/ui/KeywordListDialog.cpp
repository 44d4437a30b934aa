#include "editors/ui/KeywordListDialog.h"

#include "base/ui/DialogParts.h"
#include "base/ui/NamedControls.h"
#include "base/ui/StaysOnTop.h"
#include "editors/KeywordEntries.h"
#include "editors/ListRows.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace Qt::StringLiterals;

KeywordListDialog::KeywordListDialog(QStringList& keywords, QWidget* parent)
    : QDialog(parent)
    , m_keywords(keywords)
    , m_entries(listedKeywords(keywords)) {
    setObjectName(u"frmKeywords"_s);
    setWindowTitle(tr("キーワードの設定"));
    addControls();
    connectControls();
    rebuild(-1);
    m_add->setEnabled(false);
}

std::function<void(QWidget*, QStringList&)> KeywordListDialog::opener() {
    return [](QWidget* parent, QStringList& keywords) {
        KeywordListDialog dialog(keywords, parent);
        shareStaysOnTop(parent, &dialog);
        dialog.exec();
    };
}

// Created in tab order: the input and its button, then the list and its buttons.
void KeywordListDialog::addControls() {
    m_input = new QLineEdit(this);
    m_input->setObjectName(u"txtNewKeyword"_s);
    m_input->setMaxLength(256);
    m_add = namedButton(this, u"cmdAdd"_s, tr("追加(&A)"));
    m_add->setDefault(true);
    m_list = new QListWidget(this);
    m_list->setObjectName(u"lstKeywords"_s);
    m_list->setMinimumSize(260, 200);
    m_remove = namedButton(this, u"cmdRemove"_s, tr("削除(&R)"));
    m_up = namedButton(this, u"cmdUp"_s, tr("上へ(&U)"));
    m_down = namedButton(this, u"cmdDown"_s, tr("下へ(&D)"));
    auto* ok = namedButton(this, u"cmdOK"_s, u"OK"_s);
    auto* cancel = namedButton(this, u"cmdCancel"_s, tr("キャンセル"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(namedLabel(this, u"Label1"_s,
                                 tr("キーワードを入力してから、[追加] をクリックしてください(&T)"), m_input),
                      0, 0, 1, 2);
    layout->addWidget(m_input, 1, 0);
    layout->addWidget(m_add, 1, 1);
    layout->addWidget(namedLabel(this, u"Label2"_s, tr("キーワード(&W):"), m_list), 2, 0, 1, 2);
    layout->addWidget(m_list, 3, 0);
    layout->addLayout(buttonColumn({{m_remove}, {m_up, m_down}}), 3, 1);
    layout->addLayout(buttonsAtRight({ok, cancel}), 4, 0, 1, 2);
}

void KeywordListDialog::connectControls() {
    connect(m_input, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_add->setEnabled(!text.isEmpty()); });
    connect(m_list, &QListWidget::itemSelectionChanged, this, &KeywordListDialog::updateButtons);
    connect(m_add, &QPushButton::clicked, this, &KeywordListDialog::addKeyword);
    connect(m_remove, &QPushButton::clicked, this, &KeywordListDialog::removeKeyword);
    connect(m_up, &QPushButton::clicked, this, [this] { moveKeyword(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { moveKeyword(+1); });
}

// The list shows the entries again, with selected (-1: none) the selected keyword.
void KeywordListDialog::rebuild(int selected) {
    {
        const QSignalBlocker quiet(m_list);
        m_list->clear();
        m_list->addItems(m_entries);
        m_list->setCurrentRow(selected);
    }
    updateButtons();
}

void KeywordListDialog::updateButtons() {
    const RowButtons buttons = buttonsFor(selectedRow(m_list), int(m_entries.size()));
    m_remove->setEnabled(buttons.selected);
    m_up->setEnabled(buttons.up);
    m_down->setEnabled(buttons.down);
}

// Taken as typed, not trimmed; a keyword already listed is selected instead of added twice.
void KeywordListDialog::addKeyword() {
    if (m_input->text().isEmpty())
        return;
    const qsizetype listed = m_entries.indexOf(m_input->text());
    if (listed < 0)
        m_entries.append(m_input->text());
    m_input->clear();
    rebuild(listed < 0 ? selectedRow(m_list) : int(listed));
}

void KeywordListDialog::removeKeyword() {
    const int row = selectedRow(m_list);
    if (row < 0)
        return;
    m_entries.removeAt(row);
    rebuild(-1);
    m_input->setFocus();
}

void KeywordListDialog::moveKeyword(int step) {
    if (const std::optional<int> moved = moveRow(m_entries, selectedRow(m_list), step))
        rebuild(*moved);
}

void KeywordListDialog::accept() {
    m_keywords = storedKeywords(m_entries);
    QDialog::accept();
}
