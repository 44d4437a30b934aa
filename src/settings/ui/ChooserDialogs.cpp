#include "settings/ui/ChooserDialogs.h"

#include "base/ui/StaysOnTop.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFontDialog>

using namespace Qt::StringLiterals;

// Both are Qt's own dialogs rather than the desktop's, so that the hint keeps them above an
// always-on-top parent.
std::optional<QFont> DesktopChooserDialogs::chooseFontDialog(QWidget* parent, const QFont& initial) {
    QFontDialog dialog(initial, parent);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    shareStaysOnTop(parent, &dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedFont();
}

QString DesktopChooserDialogs::openSoundFileDialog(QWidget* parent, const QString& startFolder) {
    QFileDialog dialog(parent, QCoreApplication::translate("ChooserDialogs", "ファイルを開く"), startFolder,
                       QCoreApplication::translate("ChooserDialogs", "サウンド (*.wav)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    shareStaysOnTop(parent, &dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
