#include "startup/PrivacyWarning.h"

#include "base/PrivateFiles.h"
#include "base/RunLog.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

std::optional<QString> exposedPasswordsWarning(const AppFolders& folders, const DataSet& tables,
                                               const AppSettings& settings) {
    const bool pagePassword =
        std::ranges::any_of(tables.pages, [](const PageRecord& page) { return !page.Password.isEmpty(); });
    const QString folder = folders.settingsFolder();
    if ((!pagePassword && settings.Password.isEmpty()) || !readableByOthers(folder))
        return std::nullopt;
    const QString shown = QDir::toNativeSeparators(folder);
    return QCoreApplication::translate(
               "PrivacyWarning", "設定フォルダー '%1' "
                                 "はほかのユーザーも読めるようになっていますが、パスワードを含むファイルがあ"
                                 "ります。自分だけが読めるようにするには chmod 700 '%1' を実行してください。")
        .arg(shown);
}

void warnOfExposedPasswords(const AppFolders& folders, const DataSet& tables, const AppSettings& settings,
                            const Clock& clock) {
    const std::optional<QString> warning = exposedPasswordsWarning(folders, tables, settings);
    if (!warning)
        return;
    std::fprintf(stderr, "sorvanta: %s\n", qUtf8Printable(*warning));
    if (settings.Debug)
        writeRunLogLine(folders.runLogPath(), clock.now(), RunLogTag::Warn, *warning);
}
