#include "base/AnsiText.h"
#include "retrieval/DataFiles.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <functional>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

const QString UrlQuestion = u"新しい URL.TXT がインストールされました。\r\n\r\n新しい設定に置き換えますか?"_s;
const QString FilterQuestion =
    u"新しい filter.txt がインストールされました。\r\n\r\n新しい設定に置き換えますか？"_s;
const QString KeywordsQuestion =
    u"新しい keywords.txt がインストールされました。\r\n\r\n新しい設定に置き換えますか？"_s;
const QString ChangesLost =
    u"エラー|設定の変更は反映されません。\r\n必要な場合は、もう一度設定しなおしてください。"_s;

QString CannotWrite(const QString& path) {
    return u"エラー|ファイル '"_s + path + u"' に書き込めません。"_s;
}

// A program folder and an application-data folder inside a fresh temporary folder.
struct Folders {
    Folders() {
        QDir(temp.path()).mkdir(u"program"_s);
        QDir(temp.path()).mkdir(u"config"_s);
    }
    QString program() const { return temp.filePath(u"program"_s); }
    QString config() const { return temp.filePath(u"config"_s); }
    QString user() const { return temp.filePath(u"config/kwSorvanta"_s); }
    AppFolders folders(const QString& arguments = {}) const {
        return AppFolders(ParseStartupArguments(arguments), program(), config());
    }

    QTemporaryDir temp;
};

void WriteText(const QString& path, const QString& text) {
    WriteFileBytes(path, text.toUtf8());
}

void SetModified(const QString& path, const QDateTime& when) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(when, QFileDevice::FileModificationTime));
}

QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// Runs a repair the first time it is asked to retry, then answers from the script.
class RepairingPrompter final : public UserPrompter {
public:
    std::function<void()> repair;
    ScriptedPrompter script;

    bool askYesNo(const QString& text) override { return script.askYesNo(text); }
    RetryAnswer askRetryCancel(const QString& title, const QString& text) override {
        if (repair)
            std::exchange(repair, nullptr)();
        return script.askRetryCancel(title, text);
    }
    void showWarning(const QString& title, const QString& text) override { script.showWarning(title, text); }
};

// Lets no file grow beyond a few bytes while it lives: a write fails as on a full disk, even for root.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace

class TestDataFiles : public QObject {
    Q_OBJECT
private slots:
    void cp932PageListLoads();
    void lineFeedOnlyFilesLoad();
    void missingFilesLoadEmpty();
    void keywordsSplitAtLineEnds_data();
    void keywordsSplitAtLineEnds();
    void userCopyPreferred();
    void userFolderCreatedOnLoad();
    void missingUserCopyReadsProgramCopy();
    void newerProgramCopyAsked_data();
    void newerProgramCopyAsked();
    void noQuestionWithoutPrompter();
    void singleUserReadsProgramFolderOnly();
    void tablesReplacedAfterEachLoad();
    void writeReplacesContent();
    void writeMapsNameOntoExistingFile_data();
    void writeMapsNameOntoExistingFile();
    void writeCreatesSettingsFolder();
    void writeSingleUserGoesToProgramFolder();
    void writeRetriesAfterRepair();
    void writeCancelled();
    void failedWriteKeepsOldFile();
    void failedWriteWithoutPrompter();
};

void TestDataFiles::cp932PageListLoads() {
    Folders dir;
    QVERIFY(QDir().mkpath(dir.user()));
    const QString pages =
        u"\"1\",\"http://example.jp/info\",\"運行情報\",\"ＪＲ\",\"\",\"\"\r\n"
        u"\"0\",\"https://example.jp/w\",\"天気予報\",\"天気\",\"user\",\"OW{cccccccccccccc\"\r\n"_s;
    bool lossless = false;
    const QByteArray cp932 = EncodeCp932(pages, &lossless);
    QVERIFY(lossless);
    QVERIFY(cp932 != pages.toUtf8());
    WriteFileBytes(dir.user() + u"/url.txt"_s, cp932);
    WriteFileBytes(dir.user() + u"/keywords.txt"_s, EncodeCp932(u"遅延\r\n運休"_s));

    DataFiles files(dir.folders(), nullptr);
    files.LoadDataFiles();
    const DataTable& table = files.tables().pages;
    QCOMPARE(table.recordCount(), 2);
    QCOMPARE(table.value(PageField::Name, 1), u"運行情報"_s);
    QCOMPARE(table.value(PageField::Label, 1), u"ＪＲ"_s);
    QCOMPARE(table.value(PageField::Enabled, 2), u"0"_s);
    QCOMPARE(table.value(PageField::Name, 2), u"天気予報"_s);
    QCOMPARE(table.value(PageField::Password, 2), u"OW{cccccccccccccc"_s);
    QCOMPARE(files.tables().keywords, (QStringList{u"遅延"_s, u"運休"_s}));
}

void TestDataFiles::lineFeedOnlyFilesLoad() {
    Folders dir;
    QVERIFY(QDir().mkpath(dir.user()));
    // The quoted value keeps its CR LF; the lone LF ends become CR LF.
    WriteFileBytes(dir.user() + u"/filter.txt"_s,
                   "\xEF\xBB\xBF\"1\",\"A\",\"<b>\",\"\",\"x\"\n\"0\",\"B\",\"h\r\nh\",\"</b>\",\"\"\n");
    WriteText(dir.user() + u"/keywords.txt"_s, u"one\ntwo"_s);
    DataFiles files(dir.folders(), nullptr);
    files.LoadDataFiles();
    const DataTable& rules = files.tables().rules;
    QCOMPARE(rules.recordCount(), 2);
    QCOMPARE(rules.value(RuleField::Enabled, 1), u"1"_s);
    QCOMPARE(rules.value(RuleField::Header, 1), u"<b>"_s);
    QCOMPARE(rules.value(RuleField::Exclusions, 1), u"x"_s);
    QCOMPARE(rules.value(RuleField::Header, 2), u"h\r\nh"_s);
    QCOMPARE(rules.value(RuleField::Footer, 2), u"</b>"_s);
    QCOMPARE(files.tables().keywords, (QStringList{u"one"_s, u"two"_s}));
}

void TestDataFiles::missingFilesLoadEmpty() {
    Folders dir;
    DataFiles files(dir.folders(), nullptr);
    files.LoadDataFiles();
    QCOMPARE(files.tables(), DataSet());
    QCOMPARE(files.tables().pages.recordCount(), 1);
    QVERIFY(!IsFlagOn(files.tables().pages.value(PageField::Enabled, 1)));
    QVERIFY(files.tables().keywords.isEmpty());
}

void TestDataFiles::keywordsSplitAtLineEnds_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("keywords");
    QTest::newRow("empty file, no keyword") << QString() << QStringList();
    QTest::newRow("one word") << u"遅延"_s << QStringList{u"遅延"_s};
    QTest::newRow("two words") << u"a\r\nb"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("trailing CR LF, empty last keyword") << u"a\r\nb\r\n"_s << QStringList{u"a"_s, u"b"_s, {}};
    QTest::newRow("LF-only file") << u"a\nb\n"_s << QStringList{u"a"_s, u"b"_s, {}};
    QTest::newRow("spaces kept") << u" a b \r\nc"_s << QStringList{u" a b "_s, u"c"_s};
}

void TestDataFiles::keywordsSplitAtLineEnds() {
    QFETCH(QString, text);
    QFETCH(QStringList, keywords);
    Folders dir;
    WriteText(dir.program() + u"/keywords.txt"_s, text);
    DataFiles files(dir.folders(), nullptr);
    files.LoadDataFiles();
    QCOMPARE(files.tables().keywords, keywords);
}

void TestDataFiles::userCopyPreferred() {
    Folders dir;
    QVERIFY(QDir().mkpath(dir.user()));
    WriteText(dir.program() + u"/filter.txt"_s, u"\"1\",\"shipped\"\r\n"_s);
    WriteText(dir.user() + u"/filter.txt"_s, u"\"1\",\"mine\"\r\n"_s);
    SetModified(dir.program() + u"/filter.txt"_s, QDateTime(QDate(2020, 1, 1), QTime(0, 0)));
    ScriptedPrompter prompter;
    DataFiles files(dir.folders(), &prompter);
    files.LoadDataFiles();
    QCOMPARE(files.tables().rules.value(RuleField::Name, 1), u"mine"_s);
    QVERIFY(prompter.asked.isEmpty());
}

void TestDataFiles::userFolderCreatedOnLoad() {
    Folders dir;
    DataFiles perUser(dir.folders(), nullptr);
    perUser.LoadDataFiles();
    QVERIFY(QFileInfo(dir.user()).isDir());

    QVERIFY(QDir(dir.program()).mkdir(u"Settings"_s));
    DataFiles perId(dir.folders(u"/id=Kitchen"_s), nullptr);
    perId.LoadDataFiles();
    QVERIFY(QFileInfo(dir.program() + u"/Settings/Kitchen"_s).isDir());
}

void TestDataFiles::missingUserCopyReadsProgramCopy() {
    Folders dir;
    WriteText(dir.program() + u"/url.txt"_s, u"\"1\",\"http://a/\",\"A\"\r\n"_s);
    ScriptedPrompter prompter;
    DataFiles files(dir.folders(), &prompter);
    files.LoadDataFiles();
    QCOMPARE(files.tables().pages.value(PageField::Name, 1), u"A"_s);
    QVERIFY(prompter.asked.isEmpty());
    QVERIFY(!QFileInfo::exists(dir.user() + u"/url.txt"_s));
}

void TestDataFiles::newerProgramCopyAsked_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("question");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("expectedWord");
    QTest::newRow("url.txt, Yes reads the installed copy") << u"url.txt"_s << UrlQuestion << true << u"new"_s;
    QTest::newRow("url.txt, No reads the user's copy") << u"url.txt"_s << UrlQuestion << false << u"old"_s;
    QTest::newRow("filter.txt, Yes") << u"filter.txt"_s << FilterQuestion << true << u"new"_s;
    QTest::newRow("filter.txt, No") << u"filter.txt"_s << FilterQuestion << false << u"old"_s;
    QTest::newRow("keywords.txt, Yes") << u"keywords.txt"_s << KeywordsQuestion << true << u"new"_s;
    QTest::newRow("keywords.txt, No") << u"keywords.txt"_s << KeywordsQuestion << false << u"old"_s;
}

void TestDataFiles::newerProgramCopyAsked() {
    QFETCH(QString, fileName);
    QFETCH(QString, question);
    QFETCH(bool, yes);
    QFETCH(QString, expectedWord);
    Folders dir;
    QVERIFY(QDir().mkpath(dir.user()));
    const QString userCopy = dir.user() + u'/' + fileName;
    WriteText(userCopy, u"old"_s);
    WriteText(dir.program() + u'/' + fileName, u"new"_s);
    SetModified(userCopy, QDateTime(QDate(2020, 1, 1), QTime(0, 0)));

    ScriptedPrompter prompter;
    prompter.yesNoAnswers = {yes, yes};
    DataFiles files(dir.folders(), &prompter);
    files.LoadDataFiles();
    const DataSet& tables = files.tables();
    const QString loaded = fileName == u"url.txt"_s      ? tables.pages.value(PageField::Enabled, 1)
                           : fileName == u"filter.txt"_s ? tables.rules.value(RuleField::Enabled, 1)
                                                         : tables.keywords.value(0);
    QCOMPARE(loaded, expectedWord);
    QCOMPARE(prompter.asked, QStringList{question});
    // Nothing is copied, so the question comes back at the next load.
    QCOMPARE(ReadFileBytes(userCopy), QByteArray("old"));
    files.LoadDataFiles();
    QCOMPARE(prompter.asked, (QStringList{question, question}));
}

void TestDataFiles::noQuestionWithoutPrompter() {
    Folders dir;
    QVERIFY(QDir().mkpath(dir.user()));
    WriteText(dir.user() + u"/url.txt"_s, u"mine"_s);
    WriteText(dir.program() + u"/url.txt"_s, u"shipped"_s);
    SetModified(dir.user() + u"/url.txt"_s, QDateTime(QDate(2020, 1, 1), QTime(0, 0)));
    DataFiles files(dir.folders(), nullptr);
    files.LoadDataFiles();
    QCOMPARE(files.tables().pages.value(PageField::Enabled, 1), u"mine"_s);
}

void TestDataFiles::singleUserReadsProgramFolderOnly() {
    Folders dir;
    WriteText(dir.program() + u"/keywords.txt"_s, u"shipped"_s);
    ScriptedPrompter prompter;
    DataFiles files(dir.folders(u"/SingleUser"_s), &prompter);
    files.LoadDataFiles();
    QCOMPARE(files.tables().keywords, QStringList{u"shipped"_s});
    QVERIFY(!QFileInfo::exists(dir.user()));

    // A per-user copy, even an older one, is not looked at.
    QVERIFY(QDir().mkpath(dir.user()));
    WriteText(dir.user() + u"/keywords.txt"_s, u"mine"_s);
    SetModified(dir.user() + u"/keywords.txt"_s, QDateTime(QDate(2020, 1, 1), QTime(0, 0)));
    files.LoadDataFiles();
    QCOMPARE(files.tables().keywords, QStringList{u"shipped"_s});
    QVERIFY(prompter.asked.isEmpty());
}

void TestDataFiles::tablesReplacedAfterEachLoad() {
    Folders dir;
    DataFiles files(dir.folders(), nullptr);
    QSignalSpy replaced(&files, &DataFiles::tablesReplaced);
    files.LoadDataFiles();
    QCOMPARE(replaced.count(), 1);
    WriteText(dir.user() + u"/url.txt"_s, u"a\r\nb\r\n"_s);
    files.LoadDataFiles();
    QCOMPARE(replaced.count(), 2);
    QCOMPARE(files.tables().pages.recordCount(), 2);
}

void TestDataFiles::writeReplacesContent() {
    Folders dir;
    QVERIFY(QDir().mkpath(dir.user()));
    WriteText(dir.user() + u"/url.txt"_s, u"\"1\",\"old content that is longer than the new\"\r\n"_s);
    ScriptedPrompter prompter;
    DataFiles files(dir.folders(), &prompter);
    const QString text = u"\"1\",\"http://例.jp/\",\"運行\"\r\n\"0\",\"b\""_s;
    QVERIFY(files.WriteSettingsFile(u"URL.txt"_s, text));
    QCOMPARE(ReadFileBytes(dir.user() + u"/url.txt"_s), text.toUtf8());
    QCOMPARE(Entries(dir.user()), QStringList{u"url.txt"_s});
    QVERIFY(prompter.asked.isEmpty());
}

void TestDataFiles::writeMapsNameOntoExistingFile_data() {
    QTest::addColumn<QString>("existing");
    QTest::addColumn<QString>("passed");
    QTest::newRow("URL.txt onto url.txt") << u"url.txt"_s << u"URL.txt"_s;
    QTest::newRow("Filter.txt onto filter.txt") << u"filter.txt"_s << u"Filter.txt"_s;
    QTest::newRow("Keywords.txt onto a copy named in capitals") << u"KEYWORDS.TXT"_s << u"Keywords.txt"_s;
}

void TestDataFiles::writeMapsNameOntoExistingFile() {
    QFETCH(QString, existing);
    QFETCH(QString, passed);
    Folders dir;
    QVERIFY(QDir().mkpath(dir.user()));
    WriteText(dir.user() + u'/' + existing, u"old"_s);
    DataFiles files(dir.folders(), nullptr);
    QVERIFY(files.WriteSettingsFile(passed, u"new"_s));
    QCOMPARE(Entries(dir.user()), QStringList{existing});
    QCOMPARE(ReadFileBytes(dir.user() + u'/' + existing), QByteArray("new"));
}

void TestDataFiles::writeCreatesSettingsFolder() {
    Folders dir;
    DataFiles files(dir.folders(), nullptr);
    QVERIFY(files.WriteSettingsFile(u"Keywords.txt"_s, QString()));
    QCOMPARE(Entries(dir.user()), QStringList{u"keywords.txt"_s});
    QCOMPARE(ReadFileBytes(dir.user() + u"/keywords.txt"_s), QByteArray());
}

void TestDataFiles::writeSingleUserGoesToProgramFolder() {
    Folders dir;
    DataFiles files(dir.folders(u"/singleuser"_s), nullptr);
    QVERIFY(files.WriteSettingsFile(u"Filter.txt"_s, u"x"_s));
    QCOMPARE(ReadFileBytes(dir.program() + u"/filter.txt"_s), QByteArray("x"));
    QVERIFY(!QFileInfo::exists(dir.user()));
}

void TestDataFiles::writeRetriesAfterRepair() {
    Folders dir;
    // A plain file where the settings folder belongs: the write fails, even for root.
    WriteText(dir.user(), u"in the way"_s);
    RepairingPrompter prompter;
    prompter.repair = [&dir] {
        QFile::remove(dir.user());
        QDir().mkdir(dir.user());
    };
    prompter.script.retryAnswers = {UserPrompter::RetryAnswer::Retry};
    DataFiles files(dir.folders(), &prompter);
    QVERIFY(files.WriteSettingsFile(u"URL.txt"_s, u"pages"_s));
    QCOMPARE(prompter.script.asked, QStringList{CannotWrite(dir.user() + u"/url.txt"_s)});
    QCOMPARE(ReadFileBytes(dir.user() + u"/url.txt"_s), QByteArray("pages"));
}

void TestDataFiles::writeCancelled() {
    Folders dir;
    WriteText(dir.user(), u"in the way"_s);
    ScriptedPrompter prompter;
    prompter.retryAnswers = {UserPrompter::RetryAnswer::Retry, UserPrompter::RetryAnswer::Cancel};
    DataFiles files(dir.folders(), &prompter);
    QVERIFY(!files.WriteSettingsFile(u"Filter.txt"_s, u"rules"_s));
    const QString question = CannotWrite(dir.user() + u"/filter.txt"_s);
    QCOMPARE(prompter.asked, (QStringList{question, question, ChangesLost}));
    QCOMPARE(ReadFileBytes(dir.user()), QByteArray("in the way"));
}

void TestDataFiles::failedWriteKeepsOldFile() {
    Folders dir;
    QVERIFY(QDir().mkpath(dir.user()));
    const QString path = dir.user() + u"/url.txt"_s;
    WriteText(path, u"\"1\",\"old\"\r\n"_s);
    ScriptedPrompter prompter;
    DataFiles files(dir.folders(), &prompter);
    {
        const FileSizeLimit limit(64);
        QVERIFY(!files.WriteSettingsFile(u"URL.txt"_s, u"\"1\",\"new\"\r\n"_s.repeated(1000)));
    }
    QCOMPARE(prompter.asked, (QStringList{CannotWrite(path), ChangesLost}));
    QCOMPARE(ReadFileBytes(path), QByteArray("\"1\",\"old\"\r\n"));
    QCOMPARE(Entries(dir.user()), QStringList{u"url.txt"_s});
}

void TestDataFiles::failedWriteWithoutPrompter() {
    Folders dir;
    WriteText(dir.user(), u"in the way"_s);
    DataFiles files(dir.folders(), nullptr);
    QVERIFY(!files.WriteSettingsFile(u"URL.txt"_s, u"pages"_s));
    QCOMPARE(ReadFileBytes(dir.user()), QByteArray("in the way"));
}

QTEST_GUILESS_MAIN(TestDataFiles)
#include "tst_datafiles.moc"
