#pragma once

#include <QDialogButtonBox>

class QDialog;

// The button row of a dialog: "OK" (cmdOK) accepts, "キャンセル" (cmdCancel) rejects, "適用(&A)"
// (cmdApply) is left to the dialog. Accepting and rejecting go through the dialog's own accept()
// and reject().
QDialogButtonBox* dialogButtons(QDialog* dialog, QDialogButtonBox::StandardButtons buttons);
