#include "support/TestSupport.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

bool ScriptedPrompter::askYesNo(const QString& title, const QString& text) {
    asked.append(title + u'|' + text);
    return yesNoAnswers.isEmpty() ? false : yesNoAnswers.takeFirst();
}

UserPrompter::RetryAnswer ScriptedPrompter::askRetryCancel(const QString& title, const QString& text) {
    asked.append(title + u'|' + text);
    return retryAnswers.isEmpty() ? RetryAnswer::Cancel : retryAnswers.takeFirst();
}

char* toString(FetchFailure failure) {
    switch (failure) {
    case FetchFailure::None:
        return qstrdup("None");
    case FetchFailure::CannotConnect:
        return qstrdup("CannotConnect");
    case FetchFailure::CannotOpen:
        return qstrdup("CannotOpen");
    case FetchFailure::HttpStatus:
        return qstrdup("HttpStatus");
    case FetchFailure::AuthenticationFailed:
        return qstrdup("AuthenticationFailed");
    case FetchFailure::ProxyPasswordUnreadable:
        return qstrdup("ProxyPasswordUnreadable");
    case FetchFailure::TooLarge:
        return qstrdup("TooLarge");
    case FetchFailure::Stopped:
        return qstrdup("Stopped");
    }
    return qstrdup("?");
}

void ScriptedPrompter::showWarning(const QString& title, const QString& text) {
    asked.append(title + u'|' + text);
}

void ScriptedPrompter::showMessage(const QString& title, const QString& text) {
    asked.append(title + u'|' + text);
}

QByteArray ReadFileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFileBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}
