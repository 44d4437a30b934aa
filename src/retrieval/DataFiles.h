#pragma once

#include "base/AppFolders.h"
#include "base/UserPrompter.h"
#include "retrieval/DataSet.h"

#include <QObject>
#include <QStringList>

// Loads and writes the data files of the settings folder, choosing between the user's copy and a
// newer copy installed in the program folder. prompter may be null: then nothing is asked and the
// user's copy is read (the headless tool).
class DataFiles : public QObject {
    Q_OBJECT
public:
    DataFiles(AppFolders folders, UserPrompter* prompter, QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(DataFiles)

    // Reads url.txt, filter.txt and keywords.txt, replaces the tables and emits tablesReplaced.
    void loadDataFiles();
    const DataSet& tables() const { return m_tables; }

    // Writes url.txt and, once it is written, reloads the data files. False when the user gave
    // the write up: nothing changed on disk and nothing was reloaded.
    bool savePages(const QList<PageRecord>& pages);
    // Writes filter.txt and then keywords.txt, each asked about on its own when it fails, and
    // reloads the data files when either was written. True when both were.
    bool saveRulesAndKeywords(const QList<RuleRecord>& rules, const QStringList& keywords);

signals:
    void tablesReplaced();

private:
    // Replaces fileName in the settings folder with text, atomically. On failure asks
    // Retry/Cancel; returns false when the user cancelled (nothing written).
    bool writeSettingsFile(const QString& fileName, const QString& text);
    // The path to read fileName from: the user's copy, or the program folder's when the user has
    // none, when running single-user, or when the user takes a newer installed copy.
    QString chooseCopy(const QString& fileName, const char* newerCopyQuestion) const;

    AppFolders m_folders;
    UserPrompter* m_prompter;
    DataSet m_tables;
};
