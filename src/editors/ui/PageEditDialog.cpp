#include "editors/ui/PageEditDialog.h"

#include "base/ui/DialogParts.h"
#include "base/ui/NamedControls.h"
#include "base/ui/TextBoxBehaviour.h"
#include "settings/PasswordScrambler.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

QLineEdit* textBox(QWidget* parent, int index, int maxLength) {
    QLineEdit* box =
        TextBoxBehaviour::newBox(parent, index, maxLength, TextBoxBehaviour::LineBreaks::CutAtFirst);
    box->setMinimumWidth(320);
    box->setAcceptDrops(false);
    return box;
}

// The login boxes take text dragged out of and dropped onto them, without the input method.
void makeLoginBox(QLineEdit* box) {
    box->setDragEnabled(true);
    box->setAcceptDrops(true);
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
}

} // namespace

PageEditDialog::PageEditDialog(UserPrompter& prompter, QWidget* parent)
    : QDialog(parent)
    , m_prompter(prompter) {
    setObjectName(u"frmEditURL"_s);
    setWindowTitle(tr("取得するページの設定"));
    addBoxes();
    auto* ok = namedButton(this, u"cmdOK"_s, u"OK"_s);
    auto* cancel = namedButton(this, u"cmdCancel"_s, tr("キャンセル"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    static_cast<QGridLayout*>(layout())->addLayout(buttonsAtRight({ok, cancel}), 6, 0, 1, 2);
    showFields(PageFields());
    m_boxes[NameBox]->setFocus();
}

// Created in tab order: name, address, fetch flag, label, then the login in its frame.
void PageEditDialog::addBoxes() {
    auto* grid = new QGridLayout(this);
    m_boxes[NameBox] = textBox(this, NameBox, 1024);
    m_boxes[UrlBox] = textBox(this, UrlBox, 1024);
    m_fetch = new QCheckBox(tr("このページを取得する(&I)"), this);
    m_fetch->setObjectName(u"chkFlag"_s);
    m_boxes[LabelBox] = textBox(this, LabelBox, 1024);
    grid->addWidget(namedLabel(this, u"Label1"_s, tr("名前(&N):"), m_boxes[NameBox]), 0, 0);
    grid->addWidget(m_boxes[NameBox], 0, 1);
    grid->addWidget(namedLabel(this, u"Label4"_s, u"URL(&U):"_s, m_boxes[UrlBox]), 1, 0);
    grid->addWidget(m_boxes[UrlBox], 1, 1);
    grid->addWidget(m_fetch, 2, 1);
    grid->addWidget(namedLabel(this, u"Label6"_s, tr("ラベル(&L):"), m_boxes[LabelBox]), 3, 0);
    grid->addWidget(m_boxes[LabelBox], 3, 1);
    grid->addWidget(namedLabel(this, u"Label7"_s, tr("情報を表示するとき、先頭に付加できます。")), 4, 1);

    auto* frame = new QGroupBox(tr("認証情報"), this);
    frame->setObjectName(u"Frame1"_s);
    auto* login = new QGridLayout(frame);
    auto* explanation = namedLabel(
        frame, u"Label5"_s,
        tr("このURLからのダウンロードに認証が必要な場合は、ユーザー名とパスワードを入力してください。"));
    explanation->setWordWrap(true);
    m_boxes[UserNameBox] = textBox(frame, UserNameBox, 256);
    m_boxes[PasswordBox] = textBox(frame, PasswordBox, 256);
    m_boxes[PasswordBox]->setEchoMode(QLineEdit::Password);
    makeLoginBox(m_boxes[UserNameBox]);
    makeLoginBox(m_boxes[PasswordBox]);
    login->addWidget(explanation, 0, 0, 1, 2);
    login->addWidget(namedLabel(frame, u"Label2"_s, tr("ユーザー名(&S):"), m_boxes[UserNameBox]), 1, 0);
    login->addWidget(m_boxes[UserNameBox], 1, 1);
    login->addWidget(namedLabel(frame, u"Label3"_s, tr("パスワード(&P):"), m_boxes[PasswordBox]), 2, 0);
    login->addWidget(m_boxes[PasswordBox], 2, 1);
    grid->addWidget(frame, 5, 0, 1, 2);
}

void PageEditDialog::setPage(const PageRecord& page) {
    m_original = page;
    showFields(fieldsOf(page));
}

void PageEditDialog::showFields(const PageFields& shown) {
    m_boxes[NameBox]->setText(shown.name);
    m_boxes[UrlBox]->setText(shown.url);
    m_fetch->setChecked(shown.enabled);
    m_boxes[LabelBox]->setText(shown.label);
    m_boxes[UserNameBox]->setText(shown.userName);
    m_boxes[PasswordBox]->setText(shown.password);
}

PageFields PageEditDialog::fields() const {
    return {m_boxes[NameBox]->text(),  m_boxes[UrlBox]->text(),      m_fetch->isChecked(),
            m_boxes[LabelBox]->text(), m_boxes[UserNameBox]->text(), m_boxes[PasswordBox]->text()};
}

PageRecord PageEditDialog::page() const {
    return recordOf(fields(), m_original);
}

void PageEditDialog::accept() {
    switch (checkFields(fields(), m_original)) {
    case PageFieldsProblem::Url:
        refuse(UrlBox, badUrlMessage());
        return;
    case PageFieldsProblem::Password:
        refuse(PasswordBox, passwordNotCarriedMessage());
        return;
    case PageFieldsProblem::None:
        QDialog::accept();
        return;
    }
}

void PageEditDialog::refuse(Box box, const QString& message) {
    m_prompter.showWarning(tr("エラー"), message);
    m_boxes[box]->setFocus(Qt::OtherFocusReason);
    m_boxes[box]->selectAll();
}
