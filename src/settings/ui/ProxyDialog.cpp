#include "settings/ui/ProxyDialog.h"

#include "base/ui/DialogButtons.h"
#include "base/ui/NamedControls.h"
#include "base/ui/TextBoxBehaviour.h"
#include "settings/PasswordScrambler.h"
#include "settings/ProxyParts.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

enum Box { Address, Port, UserName, Password };

} // namespace

ProxyDialog::ProxyDialog(AppSettings& workingCopy, UserPrompter& prompter, QWidget* parent)
    : QDialog(parent)
    , m_settings(workingCopy)
    , m_prompter(prompter)
    , m_useProxy(new QCheckBox(tr("ダウンロードにプロキシサーバーを使用する(&X)"))) {
    setObjectName(u"frmProxy"_s);
    setWindowTitle(tr("プロキシ サーバーの設定"));
    m_useProxy->setObjectName(u"chkUseProxy"_s);
    for (const int maxLength : {1024, ProxyPortBoxLength, 256, 256})
        addTextBox(maxLength);
    m_boxes[Password]->setEchoMode(QLineEdit::Password);
    m_boxes[Password]->setAttribute(Qt::WA_InputMethodEnabled, false);
    m_boxes[UserName]->setDragEnabled(true);
    m_boxes[Password]->setDragEnabled(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildFrame());
    layout->addWidget(dialogButtons(this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel));
    // Toggled, not clicked: the space bar and the access key switch the boxes too.
    connect(m_useProxy, &QCheckBox::toggled, this, &ProxyDialog::enableBoxes);
    load();
}

// The controls in their tab order: the check box, address, port, user name, password.
QWidget* ProxyDialog::buildFrame() {
    auto* form = new QFormLayout;
    form->addRow(m_useProxy);
    auto* server = new QHBoxLayout;
    server->addWidget(m_boxes[Address], 4);
    server->addWidget(namedLabel(nullptr, u"Label6"_s, tr("ポート(&T):"), m_boxes[Port]));
    server->addWidget(m_boxes[Port], 1);
    form->addRow(namedLabel(nullptr, u"Label4"_s, tr("アドレス(&E):"), m_boxes[Address]), server);
    form->addRow(
        namedLabel(nullptr, u"Label5"_s,
                   tr("このサーバーが認証を必要とする場合は、ユーザー名とパスワードを入力してください。")));
    form->addRow(namedLabel(nullptr, u"Label2"_s, tr("ユーザー名(&S):"), m_boxes[UserName]),
                 m_boxes[UserName]);
    form->addRow(namedLabel(nullptr, u"Label3"_s, tr("パスワード(&P):"), m_boxes[Password]),
                 m_boxes[Password]);
    auto* frame = new QGroupBox(tr("構成"));
    frame->setObjectName(u"Frame2"_s);
    frame->setLayout(form);
    return frame;
}

// A password that cannot be restored leaves its box empty.
void ProxyDialog::load() {
    m_useProxy->setChecked(m_settings.UseProxy);
    enableBoxes(m_settings.UseProxy);
    const ProxyParts parts = splitProxy(m_settings.Proxy);
    m_boxes[Address]->setText(parts.address);
    m_boxes[Port]->setText(parts.port);
    m_boxes[UserName]->setText(m_settings.UserName);
    m_boxes[Password]->setText(decryptPassword(m_settings.Password).value_or(QString()));
}

void ProxyDialog::addTextBox(int maxLength) {
    QLineEdit* box =
        TextBoxBehaviour::newBox(nullptr, int(m_boxes.size()), maxLength, TextBoxBehaviour::LineBreaks::Keep);
    // Addresses, ports and credentials are typed in plain letters.
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    m_boxes.append(box);
}

void ProxyDialog::enableBoxes(bool enabled) {
    for (QLineEdit* box : std::as_const(m_boxes))
        box->setEnabled(enabled);
}

void ProxyDialog::accept() {
    const QString password = m_boxes[Password]->text();
    if (!passwordSurvivesScrambling(password)) {
        m_prompter.showWarning(tr("エラー"), passwordNotCarriedMessage());
        m_boxes[Password]->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_settings.UseProxy = m_useProxy->isChecked();
    m_settings.Proxy = joinProxy(m_boxes[Address]->text(), m_boxes[Port]->text());
    m_settings.UserName = m_boxes[UserName]->text();
    m_settings.Password = encryptPassword(password);
    QDialog::accept();
}
