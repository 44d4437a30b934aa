#include "retrieval/DataFiles.h"

#include "base/AnsiText.h"
#include "base/AtomicFile.h"
#include "retrieval/RecordCodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

const QString PagesFile = u"url.txt"_s;
const QString RulesFile = u"filter.txt"_s;
const QString KeywordsFile = u"keywords.txt"_s;

// Translated when asked, after the program's texts are installed.
constexpr const char* PagesQuestion = QT_TRANSLATE_NOOP(
    "DataFiles", "新しい URL.TXT がインストールされました。\r\n\r\n新しい設定に置き換えますか?");
constexpr const char* RulesQuestion = QT_TRANSLATE_NOOP(
    "DataFiles", "新しい filter.txt がインストールされました。\r\n\r\n新しい設定に置き換えますか？");
constexpr const char* KeywordsQuestion = QT_TRANSLATE_NOOP(
    "DataFiles", "新しい keywords.txt がインストールされました。\r\n\r\n新しい設定に置き換えますか？");

// Data file names are matched without case: "URL.txt" must find an existing "url.txt" (or a
// copied "Url.TXT") rather than start a second file.
QString pathInFolder(const QString& folder, const QString& fileName) {
    const QDir dir(folder);
    const QString canonical = fileName.toLower();
    if (QFileInfo::exists(dir.filePath(canonical)))
        return dir.filePath(canonical);
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(canonical, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return dir.filePath(canonical);
}

// Files edited on Linux may end their lines with LF alone; the codec splits at CR LF.
QString withCrLfLineEnds(QString text) {
    static const QRegularExpression loneLineFeed(u"(?<!\r)\n"_s);
    return text.replace(loneLineFeed, u"\r\n"_s);
}

// A file that cannot be read counts as empty; reading never bothers the user.
QString readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return withCrLfLineEnds(decodeAnsiText(file.readAll()));
}

bool isNewer(const QFileInfo& candidate, const QFileInfo& reference) {
    return candidate.isFile() && candidate.lastModified() > reference.lastModified();
}

} // namespace

DataFiles::DataFiles(AppFolders folders, UserPrompter* prompter, QObject* parent)
    : QObject(parent)
    , m_folders(std::move(folders))
    , m_prompter(prompter) {}

void DataFiles::loadDataFiles() {
    DataSet tables;
    tables.pages = parsePages(readText(chooseCopy(PagesFile, PagesQuestion)));
    tables.rules = parseRules(readText(chooseCopy(RulesFile, RulesQuestion)));
    tables.keywords = parseKeywords(readText(chooseCopy(KeywordsFile, KeywordsQuestion)));
    m_tables = std::move(tables);
    emit tablesReplaced();
}

QString DataFiles::chooseCopy(const QString& fileName, const char* newerCopyQuestion) const {
    const QString programCopy = pathInFolder(m_folders.programFolder(), fileName);
    if (m_folders.isSingleUser())
        return programCopy;
    m_folders.ensureSettingsFolder();
    const QString userCopy = pathInFolder(m_folders.settingsFolder(), fileName);
    const QFileInfo userFile(userCopy);
    if (!userFile.isFile())
        return programCopy;
    // Nothing is copied: answering No keeps the user's list, and the question comes back at the
    // next load until the user saves that list.
    if (m_prompter && isNewer(QFileInfo(programCopy), userFile) &&
        m_prompter->askYesNo(u"Sorvanta"_s, QCoreApplication::translate("DataFiles", newerCopyQuestion)))
        return programCopy;
    return userCopy;
}

bool DataFiles::savePages(const QList<PageRecord>& pages) {
    if (!writeSettingsFile(PagesFile, formatPages(pages)))
        return false;
    loadDataFiles();
    return true;
}

bool DataFiles::saveRulesAndKeywords(const QList<RuleRecord>& rules, const QStringList& keywords) {
    // The keywords are written even when the rules could not be: each file stands on its own.
    const bool rulesWritten = writeSettingsFile(RulesFile, formatRules(rules));
    const bool keywordsWritten = writeSettingsFile(KeywordsFile, formatKeywords(keywords));
    if (rulesWritten || keywordsWritten)
        loadDataFiles();
    return rulesWritten && keywordsWritten;
}

bool DataFiles::writeSettingsFile(const QString& fileName, const QString& text) {
    for (;;) {
        m_folders.ensureSettingsFolder();
        const QString path = pathInFolder(m_folders.settingsFolder(), fileName);
        if (writeFileAtomically(path, encodeAnsiText(text)))
            return true;
        if (!m_prompter)
            return false;
        const QString errorTitle = QCoreApplication::translate("DataFiles", "エラー");
        const QString question = QCoreApplication::translate("DataFiles", "ファイル '%1' に書き込めません。")
                                     .arg(QDir::toNativeSeparators(path));
        if (m_prompter->askRetryCancel(errorTitle, question) == UserPrompter::RetryAnswer::Cancel) {
            m_prompter->showWarning(
                errorTitle,
                QCoreApplication::translate(
                    "DataFiles",
                    "設定の変更は反映されません。\r\n必要な場合は、もう一度設定しなおしてください。"));
            return false;
        }
    }
}
