#pragma once

#include "base/UserPrompter.h"

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

private:
    QWidget* m_parent;
};
