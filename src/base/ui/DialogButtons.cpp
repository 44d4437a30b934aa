#include "base/ui/DialogButtons.h"

#include <QCoreApplication>
#include <QDialog>
#include <QPushButton>

using namespace Qt::StringLiterals;

QDialogButtonBox* dialogButtons(QDialog* dialog, QDialogButtonBox::StandardButtons buttons) {
    auto* box = new QDialogButtonBox(buttons, dialog);
    const struct {
        QDialogButtonBox::StandardButton button;
        QString name;
        QString caption;
    } named[] = {
        {QDialogButtonBox::Ok, u"cmdOK"_s, u"OK"_s},
        {QDialogButtonBox::Cancel, u"cmdCancel"_s,
         QCoreApplication::translate("DialogButtons", "キャンセル")},
        {QDialogButtonBox::Apply, u"cmdApply"_s, QCoreApplication::translate("DialogButtons", "適用(&A)")}};
    for (const auto& [button, name, caption] : named) {
        if (QPushButton* pushButton = box->button(button)) {
            pushButton->setObjectName(name);
            pushButton->setText(caption);
        }
    }
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return box;
}
