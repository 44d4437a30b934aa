#include "base/ui/MessageBoxPrompter.h"

#include <QApplication>
#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace {

QMessageBox::StandardButton ask(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                const QString& text, QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton = QMessageBox::NoButton) {
    // A message asked while a dialog is open stands over that dialog.
    QWidget* modal = QApplication::activeModalWidget();
    QMessageBox box(icon, title, text, buttons, modal ? modal : parent);
    box.setDefaultButton(defaultButton);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return QMessageBox::StandardButton(box.exec());
}

} // namespace

bool MessageBoxPrompter::askYesNo(const QString& title, const QString& text) {
    return ask(m_parent, QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No,
               QMessageBox::Yes) == QMessageBox::Yes;
}

UserPrompter::RetryAnswer MessageBoxPrompter::askRetryCancel(const QString& title, const QString& text) {
    const auto answer =
        ask(m_parent, QMessageBox::Critical, title, text, QMessageBox::Retry | QMessageBox::Cancel);
    return answer == QMessageBox::Retry ? RetryAnswer::Retry : RetryAnswer::Cancel;
}

void MessageBoxPrompter::showWarning(const QString& title, const QString& text) {
    ask(m_parent, QMessageBox::Warning, title, text, QMessageBox::Ok);
}

void MessageBoxPrompter::showMessage(const QString& title, const QString& text) {
    ask(m_parent, QMessageBox::NoIcon, title, text, QMessageBox::Ok);
}
