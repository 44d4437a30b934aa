#pragma once

#include "base/StartupMode.h"

#include <QString>

// The folders the program reads and writes, resolved once from the start-up mode.
class AppFolders {
public:
    AppFolders(StartupOptions options, QString programFolder, QString appDataFolder);

    // The running executable's folder (symlinks resolved) and $XDG_CONFIG_HOME or ~/.config.
    static AppFolders forThisProcess(const QString& argumentText);
    static QString defaultAppDataFolder();

    const StartupOptions& options() const { return m_options; }
    bool isSingleUser() const { return m_options.mode == StartupMode::SingleUser; }
    QString programFolder() const { return m_programFolder; }
    QString settingsFolder() const;
    QString iniPath() const;
    QString runLogPath() const;
    QString pageDumpPath() const;
    // What the pages gave at their last update, as the sign remembers it and as sorvanta-check --new does.
    QString seenPath() const;
    QString checkSeenPath() const;
    QString imagesFolder() const;

    // Creates the settings folder and any missing parent, each 0700; a failure is silent and shows
    // later as a write that fails.
    void ensureSettingsFolder() const;

private:
    StartupOptions m_options;
    QString m_programFolder;
    QString m_appDataFolder;
};
