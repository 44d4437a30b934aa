#include "settings/ui/ProxyDialog.h"

#include "settings/PasswordScrambler.h"
#include "settings/ProxyParts.h"
#include "settings/ui/TextBoxBehaviour.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

enum Box { Address, Port, UserName, Password };

QLabel* Label(const QString& name, const QString& caption, QWidget* buddy) {
    auto* label = new QLabel(caption);
    label->setObjectName(name);
    label->setBuddy(buddy);
    return label;
}

} // namespace

ProxyDialog::ProxyDialog(AppSettings& workingCopy, UserPrompter& prompter, QWidget* parent)
    : QDialog(parent)
    , m_settings(workingCopy)
    , m_prompter(prompter)
    , m_useProxy(new QCheckBox(u"ダウンロードにプロキシサーバーを使用する(&X)"_s)) {
    setObjectName(u"frmProxy"_s);
    setWindowTitle(u"プロキシ サーバーの設定"_s);
    m_useProxy->setObjectName(u"chkUseProxy"_s);
    QLineEdit* address = addTextBox(Address, 1024);
    QLineEdit* port = addTextBox(Port, ProxyPortBoxLength);
    QLineEdit* userName = addTextBox(UserName, 256);
    QLineEdit* password = addTextBox(Password, 256);
    password->setEchoMode(QLineEdit::Password);
    password->setAttribute(Qt::WA_InputMethodEnabled, false);
    userName->setDragEnabled(true);
    password->setDragEnabled(true);

    auto* frame = new QGroupBox(u"構成"_s);
    frame->setObjectName(u"Frame2"_s);
    auto* form = new QFormLayout;
    form->addRow(m_useProxy);
    auto* server = new QHBoxLayout;
    server->addWidget(address, 4);
    server->addWidget(Label(u"Label6"_s, u"ポート(&T):"_s, port));
    server->addWidget(port, 1);
    form->addRow(Label(u"Label4"_s, u"アドレス(&E):"_s, address), server);
    auto* explanation =
        new QLabel(u"このサーバーが認証を必要とする場合は、ユーザー名とパスワードを入力してください。"_s);
    explanation->setObjectName(u"Label5"_s);
    form->addRow(explanation);
    form->addRow(Label(u"Label2"_s, u"ユーザー名(&S):"_s, userName), userName);
    form->addRow(Label(u"Label3"_s, u"パスワード(&P):"_s, password), password);
    frame->setLayout(form);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(u"cmdOK"_s);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(u"cmdCancel"_s);
    buttons->button(QDialogButtonBox::Cancel)->setText(u"キャンセル"_s);
    connect(buttons, &QDialogButtonBox::accepted, this, &ProxyDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ProxyDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(buttons);

    // Toggled, not clicked: the space bar and the access key switch the boxes too.
    connect(m_useProxy, &QCheckBox::toggled, this, &ProxyDialog::enableBoxes);
    m_useProxy->setChecked(m_settings.UseProxy);
    enableBoxes(m_settings.UseProxy);
    const ProxyParts parts = SplitProxy(m_settings.Proxy);
    address->setText(parts.address);
    port->setText(parts.port);
    userName->setText(m_settings.UserName);
    password->setText(DecryptPassword(m_settings.Password).value_or(QString()));
}

QLineEdit* ProxyDialog::addTextBox(int index, int maxLength) {
    auto* box = new QLineEdit;
    box->setObjectName(u"txtText"_s + QString::number(index));
    box->setMaxLength(maxLength);
    // Addresses, ports and credentials are typed in plain letters.
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    TextBoxBehaviour::apply(box, TextBoxBehaviour::LineBreaks::Keep);
    m_boxes.append(box);
    return box;
}

void ProxyDialog::enableBoxes(bool enabled) {
    for (QLineEdit* box : std::as_const(m_boxes))
        box->setEnabled(enabled);
}

void ProxyDialog::accept() {
    const QString password = m_boxes[Password]->text();
    if (!PasswordSurvivesScrambling(password)) {
        m_prompter.showWarning(u"エラー"_s, PasswordNotCarriedMessage());
        m_boxes[Password]->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_settings.UseProxy = m_useProxy->isChecked();
    m_settings.Proxy = JoinProxy(m_boxes[Address]->text(), m_boxes[Port]->text());
    m_settings.UserName = m_boxes[UserName]->text();
    m_settings.Password = EncryptPassword(password);
    QDialog::accept();
}
