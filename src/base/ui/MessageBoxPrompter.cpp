#include "base/ui/MessageBoxPrompter.h"

#include <QApplication>
#include <QMessageBox>

using namespace Qt::StringLiterals;

// The default answers: the default button, else Cancel (nothing done the user did not confirm), else OK.
QMessageBox::StandardButton MessageBoxPrompter::ask(QMessageBox::Icon icon, const QString& title,
                                                    const QString& text, QMessageBox::StandardButtons buttons,
                                                    QMessageBox::StandardButton defaultButton) {
    const QMessageBox::StandardButton fallback = defaultButton != QMessageBox::NoButton ? defaultButton
                                                 : buttons & QMessageBox::Cancel        ? QMessageBox::Cancel
                                                                                        : QMessageBox::Ok;
    if (m_defaultsOnly)
        return fallback;
    // A message asked while a dialog is open stands over that dialog.
    QWidget* modal = QApplication::activeModalWidget();
    QMessageBox box(icon, title, text, buttons, modal ? modal : m_parent);
    box.setDefaultButton(defaultButton);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    m_open = &box;
    const auto answer = QMessageBox::StandardButton(box.exec());
    return m_defaultsOnly ? fallback : answer;
}

void MessageBoxPrompter::answerWithDefaults() {
    m_defaultsOnly = true;
    if (m_open)
        m_open->done(0);
}

bool MessageBoxPrompter::askYesNo(const QString& title, const QString& text) {
    return ask(QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
}

UserPrompter::RetryAnswer MessageBoxPrompter::askRetryCancel(const QString& title, const QString& text) {
    const auto answer = ask(QMessageBox::Critical, title, text, QMessageBox::Retry | QMessageBox::Cancel);
    return answer == QMessageBox::Retry ? RetryAnswer::Retry : RetryAnswer::Cancel;
}

void MessageBoxPrompter::showWarning(const QString& title, const QString& text) {
    ask(QMessageBox::Warning, title, text, QMessageBox::Ok);
}

void MessageBoxPrompter::showMessage(const QString& title, const QString& text) {
    ask(QMessageBox::NoIcon, title, text, QMessageBox::Ok);
}
