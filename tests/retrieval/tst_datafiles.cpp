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

QString cannotWrite(const QString& path) {
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
        return AppFolders(parseStartupArguments(arguments), program(), config());
    }

    QTemporaryDir temp;
};

void writeText(const QString& path, const QString& text) {
    writeFileBytes(path, text.toUtf8());
}

void setModified(const QString& path, const QDateTime& when) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(when, QFileDevice::FileModificationTime));
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// Runs a repair the first time it is asked to retry, then answers from the script.
class RepairingPrompter final : public UserPrompter {
public:
    std::function<void()> repair;
    ScriptedPrompter script;

    bool askYesNo(const QString& title, const QString& text) override { return script.askYesNo(title, text); }
    RetryAnswer askRetryCancel(const QString& title, const QString& text) override {
        if (repair)
            std::exchange(repair, nullptr)();
        return script.askRetryCancel(title, text);
    }
    void showWarning(const QString& title, const QString& text) override { script.showWarning(title, text); }
    void showMessage(const QString& title, const QString& text) override { script.showMessage(title, text); }
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
    void savePagesReplacesContentAndReloads();
    void saveRulesAndKeywordsWritesBoth();
    void saveMapsNameOntoExistingFile_data();
    void saveMapsNameOntoExistingFile();
    void saveCreatesSettingsFolder();
    void saveSingleUserGoesToProgramFolder();
    void saveRetriesAfterRepair();
    void saveCancelledAsksForEachFile();
    void rulesSavedWhenKeywordsCannotBe();
    void failedSaveKeepsOldFileAndTables();
    void failedSaveWithoutPrompter();
};

void TestDataFiles::cp932PageListLoads() {
    Folders dir;
    QVERIFY(QDir().mkpath(dir.user()));
    const QString pages =
        u"\"1\",\"http://example.jp/info\",\"運行情報\",\"ＪＲ\",\"\",\"\"\r\n"
        u"\"0\",\"https://example.jp/w\",\"天気予報\",\"天気\",\"user\",\"OW{cccccccccccccc\"\r\n"_s;
    bool lossless = false;
    const QByteArray cp932 = encodeCp932(pages, &lossless);
    QVERIFY(lossless);
    QVERIFY(cp932 != pages.toUtf8());
    writeFileBytes(dir.user() + u"/url.txt"_s, cp932);
    writeFileBytes(dir.user() + u"/keywords.txt"_s, encodeCp932(u"遅延\r\n運休"_s));

    DataFiles files(dir.folders(), nullptr);
    files.loadDataFiles();
    QCOMPARE(files.tables().pages,
             (QList<PageRecord>{{true, u"http://example.jp/info"_s, u"運行情報"_s, u"ＪＲ"_s, {}, {}},
                                {false, u"https://example.jp/w"_s, u"天気予報"_s, u"天気"_s, u"user"_s,
                                 u"OW{cccccccccccccc"_s}}));
    QCOMPARE(files.tables().keywords, (QStringList{u"遅延"_s, u"運休"_s}));
}

void TestDataFiles::lineFeedOnlyFilesLoad() {
    Folders dir;
    QVERIFY(QDir().mkpath(dir.user()));
    // The quoted value keeps its CR LF; the lone LF ends become CR LF.
    writeFileBytes(dir.user() + u"/filter.txt"_s,
                   "\xEF\xBB\xBF\"1\",\"A\",\"<b>\",\"\",\"x\"\n\"0\",\"B\",\"h\r\nh\",\"</b>\",\"\"\n");
    writeText(dir.user() + u"/keywords.txt"_s, u"one\ntwo"_s);
    DataFiles files(dir.folders(), nullptr);
    files.loadDataFiles();
    QCOMPARE(files.tables().rules, (QList<RuleRecord>{{true, u"A"_s, u"<b>"_s, {}, {u"x"_s}},
                                                      {false, u"B"_s, u"h\r\nh"_s, u"</b>"_s, {}}}));
    QCOMPARE(files.tables().keywords, (QStringList{u"one"_s, u"two"_s}));
}

void TestDataFiles::missingFilesLoadEmpty() {
    Folders dir;
    DataFiles files(dir.folders(), nullptr);
    files.loadDataFiles();
    QCOMPARE(files.tables(), DataSet());
    QVERIFY(files.tables().pages.isEmpty());
    QVERIFY(files.tables().rules.isEmpty());
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
    writeText(dir.program() + u"/keywords.txt"_s, text);
    DataFiles files(dir.folders(), nullptr);
    files.loadDataFiles();
    QCOMPARE(files.tables().keywords, keywords);
}

void TestDataFiles::userCopyPreferred() {
    Folders dir;
    QVERIFY(QDir().mkpath(dir.user()));
    writeText(dir.program() + u"/filter.txt"_s, u"\"1\",\"shipped\"\r\n"_s);
    writeText(dir.user() + u"/filter.txt"_s, u"\"1\",\"mine\"\r\n"_s);
    setModified(dir.program() + u"/filter.txt"_s, QDateTime(QDate(2020, 1, 1), QTime(0, 0)));
    ScriptedPrompter prompter;
    DataFiles files(dir.folders(), &prompter);
    files.loadDataFiles();
    QCOMPARE(files.tables().rules.value(0).Name, u"mine"_s);
    QVERIFY(prompter.asked.isEmpty());
}

void TestDataFiles::userFolderCreatedOnLoad() {
    Folders dir;
    DataFiles perUser(dir.folders(), nullptr);
    perUser.loadDataFiles();
    QVERIFY(QFileInfo(dir.user()).isDir());

    QVERIFY(QDir(dir.program()).mkdir(u"Settings"_s));
    DataFiles perId(dir.folders(u"/id=Kitchen"_s), nullptr);
    perId.loadDataFiles();
    QVERIFY(QFileInfo(dir.program() + u"/Settings/Kitchen"_s).isDir());
}

void TestDataFiles::missingUserCopyReadsProgramCopy() {
    Folders dir;
    writeText(dir.program() + u"/url.txt"_s, u"\"1\",\"http://a/\",\"A\"\r\n"_s);
    ScriptedPrompter prompter;
    DataFiles files(dir.folders(), &prompter);
    files.loadDataFiles();
    QCOMPARE(files.tables().pages.value(0).Name, u"A"_s);
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
    // The word stands in the second field of a page or rule, or is the first keyword.
    const QString lineStart = fileName == u"keywords.txt"_s ? QString() : u"1,"_s;
    writeText(userCopy, lineStart + u"old"_s);
    writeText(dir.program() + u'/' + fileName, lineStart + u"new"_s);
    setModified(userCopy, QDateTime(QDate(2020, 1, 1), QTime(0, 0)));

    ScriptedPrompter prompter;
    prompter.yesNoAnswers = {yes, yes};
    DataFiles files(dir.folders(), &prompter);
    files.loadDataFiles();
    const DataSet& tables = files.tables();
    const QString loaded = fileName == u"url.txt"_s      ? tables.pages.value(0).URL
                           : fileName == u"filter.txt"_s ? tables.rules.value(0).Name
                                                         : tables.keywords.value(0);
    QCOMPARE(loaded, expectedWord);
    QCOMPARE(prompter.asked, QStringList{u"Sorvanta|"_s + question});
    // Nothing is copied, so the question comes back at the next load.
    QCOMPARE(readFileBytes(userCopy), (lineStart + u"old"_s).toUtf8());
    files.loadDataFiles();
    QCOMPARE(prompter.asked, (QStringList{u"Sorvanta|"_s + question, u"Sorvanta|"_s + question}));
}

void TestDataFiles::noQuestionWithoutPrompter() {
    Folders dir;
    QVERIFY(QDir().mkpath(dir.user()));
    writeText(dir.user() + u"/url.txt"_s, u"1,mine"_s);
    writeText(dir.program() + u"/url.txt"_s, u"1,shipped"_s);
    setModified(dir.user() + u"/url.txt"_s, QDateTime(QDate(2020, 1, 1), QTime(0, 0)));
    DataFiles files(dir.folders(), nullptr);
    files.loadDataFiles();
    QCOMPARE(files.tables().pages.value(0).URL, u"mine"_s);
}

void TestDataFiles::singleUserReadsProgramFolderOnly() {
    Folders dir;
    writeText(dir.program() + u"/keywords.txt"_s, u"shipped"_s);
    ScriptedPrompter prompter;
    DataFiles files(dir.folders(u"/SingleUser"_s), &prompter);
    files.loadDataFiles();
    QCOMPARE(files.tables().keywords, QStringList{u"shipped"_s});
    QVERIFY(!QFileInfo::exists(dir.user()));

    // A per-user copy, even an older one, is not looked at.
    QVERIFY(QDir().mkpath(dir.user()));
    writeText(dir.user() + u"/keywords.txt"_s, u"mine"_s);
    setModified(dir.user() + u"/keywords.txt"_s, QDateTime(QDate(2020, 1, 1), QTime(0, 0)));
    files.loadDataFiles();
    QCOMPARE(files.tables().keywords, QStringList{u"shipped"_s});
    QVERIFY(prompter.asked.isEmpty());
}

void TestDataFiles::tablesReplacedAfterEachLoad() {
    Folders dir;
    DataFiles files(dir.folders(), nullptr);
    QSignalSpy replaced(&files, &DataFiles::tablesReplaced);
    files.loadDataFiles();
    QCOMPARE(replaced.count(), 1);
    writeText(dir.user() + u"/url.txt"_s, u"a\r\nb\r\n"_s);
    files.loadDataFiles();
    QCOMPARE(replaced.count(), 2);
    QCOMPARE(files.tables().pages.size(), 2);
}

void TestDataFiles::savePagesReplacesContentAndReloads() {
    Folders dir;
    QVERIFY(QDir().mkpath(dir.user()));
    writeText(dir.user() + u"/url.txt"_s, u"\"1\",\"old content that is longer than the new\"\r\n"_s);
    ScriptedPrompter prompter;
    DataFiles files(dir.folders(), &prompter);
    files.loadDataFiles();
    QSignalSpy replaced(&files, &DataFiles::tablesReplaced);
    const QList<PageRecord> pages{
        {true, u"http://例.jp/"_s, u"運行"_s, {}, {}, {}}, PageRecord(), {false, u"b"_s, {}, {}, {}, {}}};
    QVERIFY(files.savePages(pages));
    QCOMPARE(readFileBytes(dir.user() + u"/url.txt"_s),
             u"\"1\",\"http://例.jp/\",\"運行\",\"\",\"\",\"\"\r\n\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
             u"\"0\",\"b\",\"\",\"\",\"\",\"\"\r\n"_s.toUtf8());
    QCOMPARE(entries(dir.user()), QStringList{u"url.txt"_s});
    QVERIFY(prompter.asked.isEmpty());
    QCOMPARE(replaced.count(), 1);
    QCOMPARE(files.tables().pages, pages);
}

void TestDataFiles::saveRulesAndKeywordsWritesBoth() {
    Folders dir;
    ScriptedPrompter prompter;
    DataFiles files(dir.folders(), &prompter);
    QSignalSpy replaced(&files, &DataFiles::tablesReplaced);
    const QList<RuleRecord> rules{{true, u"太字"_s, u"<b>"_s, {}, {u"a"_s, {}, u"b"_s}}};
    const QStringList keywords{u"遅延"_s, u"運休"_s};
    QVERIFY(files.saveRulesAndKeywords(rules, keywords));
    QCOMPARE(readFileBytes(dir.user() + u"/filter.txt"_s),
             u"\"1\",\"太字\",\"<b>\",\"\",\"a  b\"\r\n"_s.toUtf8());
    QCOMPARE(readFileBytes(dir.user() + u"/keywords.txt"_s), u"遅延\r\n運休"_s.toUtf8());
    QCOMPARE(replaced.count(), 1);
    QCOMPARE(files.tables().rules, rules);
    QCOMPARE(files.tables().keywords, keywords);
    QVERIFY(prompter.asked.isEmpty());
}

void TestDataFiles::saveMapsNameOntoExistingFile_data() {
    QTest::addColumn<QString>("existing");
    QTest::addColumn<bool>("pageList");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("page list onto url.txt") << u"url.txt"_s << true << QStringList{u"url.txt"_s};
    QTest::newRow("page list onto URL.TXT") << u"URL.TXT"_s << true << QStringList{u"URL.TXT"_s};
    QTest::newRow("rules onto Filter.txt")
        << u"Filter.txt"_s << false << QStringList{u"Filter.txt"_s, u"keywords.txt"_s};
    QTest::newRow("keywords onto a copy named in capitals")
        << u"KEYWORDS.TXT"_s << false << QStringList{u"KEYWORDS.TXT"_s, u"filter.txt"_s};
}

void TestDataFiles::saveMapsNameOntoExistingFile() {
    QFETCH(QString, existing);
    QFETCH(bool, pageList);
    QFETCH(QStringList, entries);
    Folders dir;
    QVERIFY(QDir().mkpath(dir.user()));
    writeText(dir.user() + u'/' + existing, u"old"_s);
    DataFiles files(dir.folders(), nullptr);
    QVERIFY(pageList ? files.savePages({}) : files.saveRulesAndKeywords({}, {}));
    QCOMPARE(::entries(dir.user()), entries);
    QCOMPARE(readFileBytes(dir.user() + u'/' + existing), QByteArray());
}

void TestDataFiles::saveCreatesSettingsFolder() {
    Folders dir;
    DataFiles files(dir.folders(), nullptr);
    QVERIFY(files.saveRulesAndKeywords({}, {}));
    QCOMPARE(entries(dir.user()), (QStringList{u"filter.txt"_s, u"keywords.txt"_s}));
    QCOMPARE(readFileBytes(dir.user() + u"/keywords.txt"_s), QByteArray());
}

void TestDataFiles::saveSingleUserGoesToProgramFolder() {
    Folders dir;
    DataFiles files(dir.folders(u"/singleuser"_s), nullptr);
    QVERIFY(files.saveRulesAndKeywords({{false, u"x"_s, {}, {}, {}}}, {u"k"_s}));
    QCOMPARE(readFileBytes(dir.program() + u"/filter.txt"_s), QByteArray("\"0\",\"x\",\"\",\"\",\"\"\r\n"));
    QCOMPARE(readFileBytes(dir.program() + u"/keywords.txt"_s), QByteArray("k"));
    QVERIFY(!QFileInfo::exists(dir.user()));
}

void TestDataFiles::saveRetriesAfterRepair() {
    Folders dir;
    // A plain file where the settings folder belongs: the write fails, even for root.
    writeText(dir.user(), u"in the way"_s);
    RepairingPrompter prompter;
    prompter.repair = [&dir] {
        QFile::remove(dir.user());
        QDir().mkdir(dir.user());
    };
    prompter.script.retryAnswers = {UserPrompter::RetryAnswer::Retry};
    DataFiles files(dir.folders(), &prompter);
    QVERIFY(files.savePages({{true, u"u"_s, {}, {}, {}, {}}}));
    QCOMPARE(prompter.script.asked, QStringList{cannotWrite(dir.user() + u"/url.txt"_s)});
    QCOMPARE(readFileBytes(dir.user() + u"/url.txt"_s), QByteArray("\"1\",\"u\",\"\",\"\",\"\",\"\"\r\n"));
}

void TestDataFiles::saveCancelledAsksForEachFile() {
    Folders dir;
    writeText(dir.user(), u"in the way"_s);
    ScriptedPrompter prompter;
    prompter.retryAnswers = {UserPrompter::RetryAnswer::Retry, UserPrompter::RetryAnswer::Cancel};
    DataFiles files(dir.folders(), &prompter);
    QSignalSpy replaced(&files, &DataFiles::tablesReplaced);
    QVERIFY(!files.saveRulesAndKeywords({{true, u"r"_s, {}, {}, {}}}, {u"k"_s}));
    const QString rulesQuestion = cannotWrite(dir.user() + u"/filter.txt"_s);
    const QString keywordsQuestion = cannotWrite(dir.user() + u"/keywords.txt"_s);
    QCOMPARE(prompter.asked,
             (QStringList{rulesQuestion, rulesQuestion, ChangesLost, keywordsQuestion, ChangesLost}));
    QCOMPARE(readFileBytes(dir.user()), QByteArray("in the way"));
    QCOMPARE(replaced.count(), 0);
}

void TestDataFiles::rulesSavedWhenKeywordsCannotBe() {
    Folders dir;
    // A folder where keywords.txt belongs cannot be replaced by a file.
    QVERIFY(QDir().mkpath(dir.user() + u"/keywords.txt"_s));
    ScriptedPrompter prompter;
    DataFiles files(dir.folders(), &prompter);
    QSignalSpy replaced(&files, &DataFiles::tablesReplaced);
    const QList<RuleRecord> rules{{true, u"r"_s, u"<b>"_s, {}, {}}};
    QVERIFY(!files.saveRulesAndKeywords(rules, {u"k"_s}));
    QCOMPARE(prompter.asked, (QStringList{cannotWrite(dir.user() + u"/keywords.txt"_s), ChangesLost}));
    QCOMPARE(replaced.count(), 1);
    QCOMPARE(files.tables().rules, rules);
    QVERIFY(files.tables().keywords.isEmpty());
}

void TestDataFiles::failedSaveKeepsOldFileAndTables() {
    Folders dir;
    QVERIFY(QDir().mkpath(dir.user()));
    const QString path = dir.user() + u"/url.txt"_s;
    writeText(path, u"\"1\",\"old\"\r\n"_s);
    ScriptedPrompter prompter;
    DataFiles files(dir.folders(), &prompter);
    files.loadDataFiles();
    const DataSet loaded = files.tables();
    {
        const FileSizeLimit limit(64);
        QVERIFY(!files.savePages(QList<PageRecord>(1000, {true, u"new"_s, {}, {}, {}, {}})));
    }
    QCOMPARE(prompter.asked, (QStringList{cannotWrite(path), ChangesLost}));
    QCOMPARE(readFileBytes(path), QByteArray("\"1\",\"old\"\r\n"));
    QCOMPARE(entries(dir.user()), QStringList{u"url.txt"_s});
    QCOMPARE(files.tables(), loaded);
}

void TestDataFiles::failedSaveWithoutPrompter() {
    Folders dir;
    writeText(dir.user(), u"in the way"_s);
    DataFiles files(dir.folders(), nullptr);
    QVERIFY(!files.savePages({{true, u"u"_s, {}, {}, {}, {}}}));
    QCOMPARE(readFileBytes(dir.user()), QByteArray("in the way"));
}

QTEST_GUILESS_MAIN(TestDataFiles)
#include "tst_datafiles.moc"
