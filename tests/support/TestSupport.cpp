#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
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
    case FetchFailure::TooSlow:
        return qstrdup("TooSlow");
    case FetchFailure::TookTooLong:
        return qstrdup("TookTooLong");
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

QByteArray readFileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFileBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

std::optional<QString> runRowAtScaleFactor(double ratio) {
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        return QStringLiteral("QT_SCALE_FACTOR is set but the platform does not follow it");
    QProcess row;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(ratio));
    row.setProcessEnvironment(environment);
    row.setProcessChannelMode(QProcess::MergedChannels);
    row.start(QCoreApplication::applicationFilePath(), {QString::fromUtf8(QTest::currentTestFunction()) +
                                                        u':' + QString::fromUtf8(QTest::currentDataTag())});
    if (!row.waitForFinished(60000))
        return QStringLiteral("the row did not finish");
    if (row.exitStatus() == QProcess::NormalExit && row.exitCode() == 0)
        return std::nullopt;
    return QString::fromLocal8Bit(row.readAll());
}
