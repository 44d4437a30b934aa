#include "base/AppFolders.h"

#include "base/PrivateFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

AppFolders::AppFolders(StartupOptions options, QString programFolder, QString appDataFolder)
    : m_options(std::move(options))
    , m_programFolder(std::move(programFolder))
    , m_appDataFolder(std::move(appDataFolder)) {}

AppFolders AppFolders::forThisProcess(const QString& argumentText) {
    const QString executable = QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
    return AppFolders(parseStartupArguments(argumentText), QFileInfo(executable).absolutePath(),
                      defaultAppDataFolder());
}

QString AppFolders::defaultAppDataFolder() {
    // A relative path in XDG_CONFIG_HOME is invalid and ignored.
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (QDir::isAbsolutePath(configHome))
        return configHome;
    return QDir::homePath() + u"/.config"_s;
}

QString AppFolders::settingsFolder() const {
    switch (m_options.mode) {
    case StartupMode::SingleUser:
        return m_programFolder;
    case StartupMode::PerId:
        return QDir::cleanPath(m_programFolder + u"/Settings/"_s + m_options.settingsId);
    case StartupMode::PerUser:
        break;
    }
    return m_appDataFolder + u"/kwSorvanta"_s;
}

QString AppFolders::iniPath() const {
    return settingsFolder() + u"/Sorvanta.ini"_s;
}

QString AppFolders::seenPath() const {
    return settingsFolder() + u"/seen.json"_s;
}

QString AppFolders::checkSeenPath() const {
    return settingsFolder() + u"/seen-check.json"_s;
}

QString AppFolders::runLogPath() const {
    return m_programFolder + u"/~sorvanta.log"_s;
}

QString AppFolders::pageDumpPath() const {
    return m_programFolder + u"/~http.tmp"_s;
}

QString AppFolders::imagesFolder() const {
    return m_programFolder + u"/Images"_s;
}

void AppFolders::ensureSettingsFolder() const {
    // The whole path: on a new account even ~/.config may be missing.
    makePrivateFolder(settingsFolder());
}
