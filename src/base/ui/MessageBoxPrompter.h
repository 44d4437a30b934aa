#pragma once

#include "base/UserPrompter.h"

#include <QMessageBox>
#include <QPointer>

class QWidget;

// Puts the core's questions to the user as message boxes, above the sign when it stays on top.
class MessageBoxPrompter final : public UserPrompter {
public:
    explicit MessageBoxPrompter(QWidget* parent = nullptr)
        : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    bool askYesNo(const QString& title, const QString& text) override;
    RetryAnswer askRetryCancel(const QString& title, const QString& text) override;
    void showWarning(const QString& title, const QString& text) override;
    void showMessage(const QString& title, const QString& text) override;

    // From now on every question is answered with its default at once, the one on screen too: the
    // program is asked to end and no one is there to answer.
    void answerWithDefaults();

private:
    QMessageBox::StandardButton ask(QMessageBox::Icon icon, const QString& title, const QString& text,
                                    QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    QWidget* m_parent;
    bool m_defaultsOnly = false;
    QPointer<QMessageBox> m_open;
};
