#pragma once

#include "base/Clock.h"
#include "base/UserPrompter.h"
#include "retrieval/FetchFailure.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// A clock that stands still until a test moves it.
class FakeClock final : public Clock {
public:
    explicit FakeClock(QDateTime start = QDateTime(QDate(2026, 12, 7), QTime(10, 23, 0)))
        : m_now(std::move(start)) {}
    QDateTime now() const override { return m_now; }
    void set(const QDateTime& when) { m_now = when; }
    void advanceSecs(qint64 seconds) { m_now = m_now.addSecs(seconds); }

private:
    QDateTime m_now;
};

// Answers questions from a script and records what was asked.
class ScriptedPrompter final : public UserPrompter {
public:
    QList<bool> yesNoAnswers;        // taken from the front; No when empty
    QList<RetryAnswer> retryAnswers; // taken from the front; Cancel when empty
    QStringList asked;               // every "title|text" shown, in order

    bool askYesNo(const QString& title, const QString& text) override;
    RetryAnswer askRetryCancel(const QString& title, const QString& text) override;
    void showWarning(const QString& title, const QString& text) override;
    void showMessage(const QString& title, const QString& text) override;
};

// The failure's name in QCOMPARE messages.
char* toString(FetchFailure failure);

QByteArray readFileBytes(const QString& path);
void writeFileBytes(const QString& path, const QByteArray& bytes);

// Runs the current row of the current test function again in a process of this test executable with
// QT_SCALE_FACTOR set to ratio, which the platform reads only when the application starts. Returns
// what the process printed when the row failed there, nothing when it passed.
std::optional<QString> runRowAtScaleFactor(double ratio);

#include "base/SoundPlayer.h"

// Records the sounds that would have played.
class RecordingSoundPlayer final : public SoundPlayer {
public:
    QStringList played;
    void playSoundFile(const QString& path) override { played.append(path); }
};
