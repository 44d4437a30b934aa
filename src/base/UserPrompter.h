#pragma once

#include <QString>

// The questions and messages the core puts to the user. The window answers them with message
// boxes, tests with scripted answers, the headless tool without asking.
class UserPrompter {
public:
    enum class RetryAnswer { Retry, Cancel };

    virtual ~UserPrompter() = default;
    // Exclamation icon, Yes/No buttons, Yes the default.
    virtual bool askYesNo(const QString& title, const QString& text) = 0;
    // Critical icon, Retry/Cancel buttons.
    virtual RetryAnswer askRetryCancel(const QString& title, const QString& text) = 0;
    // Exclamation icon, OK button.
    virtual void showWarning(const QString& title, const QString& text) = 0;
    // No icon, OK button.
    virtual void showMessage(const QString& title, const QString& text) = 0;
};
