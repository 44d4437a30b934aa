#include "settings/ui/ChooserDialogs.h"

#include <QFileDialog>
#include <QFontDialog>

using namespace Qt::StringLiterals;

namespace {

// Qt's own dialogs rather than the desktop's, so that the hint keeps them above an always-on-top
// parent.
void KeepAboveParent(QDialog& dialog, const QWidget* parent) {
    const bool parentOnTop = parent && parent->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint, parentOnTop);
}

} // namespace

std::optional<QFont> DesktopChooserDialogs::ChooseFontDialog(QWidget* parent, const QFont& initial) {
    QFontDialog dialog(initial, parent);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    KeepAboveParent(dialog, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedFont();
}

QString DesktopChooserDialogs::OpenSoundFileDialog(QWidget* parent, const QString& startFolder) {
    QFileDialog dialog(parent, u"ファイルを開く"_s, startFolder, u"サウンド (*.wav)"_s);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    KeepAboveParent(dialog, parent);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
