#include "base/AppFolders.h"
#include "base/RunLog.h"
#include "retrieval/DataFiles.h"
#include "retrieval/PageDump.h"
#include "settings/Autostart.h"
#include "settings/SettingsStore.h"
#include "startup/PrivacyWarning.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

enum class Write { PerUserFolder, IdFolder, Ini, PageList, RuleAndKeywordLists, RunLog, PageDump, Autostart };

int modeOf(const QString& path) {
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 07777) : -1;
}

// Does what Sorvanta does in a fresh home below root and returns the path it wrote.
QString perform(Write write, const QString& root) {
    const AppFolders perUser(parseStartupArguments({}), root + u"/program"_s, root + u"/config"_s);
    const AppFolders perId(parseStartupArguments(u"/id=office"_s), root + u"/program"_s, root + u"/config"_s);
    FakeClock clock;
    DataFiles files(perUser, nullptr);
    switch (write) {
    case Write::PerUserFolder:
        perUser.ensureSettingsFolder();
        return perUser.settingsFolder();
    case Write::IdFolder:
        perId.ensureSettingsFolder();
        return perId.settingsFolder();
    case Write::Ini:
        SettingsStore(perUser, clock, 96).saveSettings(AppSettings{});
        return perUser.iniPath();
    case Write::PageList:
        files.savePages({{true, u"http://a.test/"_s, u"a"_s, {}, u"u"_s, u"PQRS"_s}});
        return perUser.settingsFolder() + u"/url.txt"_s;
    case Write::RuleAndKeywordLists:
        files.saveRulesAndKeywords({}, {u"遅れ"_s});
        return perUser.settingsFolder() + u"/keywords.txt"_s;
    case Write::RunLog:
        writeRunLogLine(perUser.runLogPath(), clock.now(), RunLogTag::Run);
        return perUser.runLogPath();
    case Write::PageDump:
        appendPageDump(perUser.pageDumpPath(), clock.now(), u"http://a.test/"_s, u"x"_s);
        return perUser.pageDumpPath();
    case Write::Autostart:
        registerAutorun(u"/usr/bin/sorvanta"_s);
        return autorunEntryPath();
    }
    return {};
}

} // namespace

Q_DECLARE_METATYPE(Write)

class TestPrivateFiles : public QObject {
    Q_OBJECT
private slots:
    void nothingWrittenIsReadableByOthers_data();
    void nothingWrittenIsReadableByOthers();
    void exposedPasswordsAreTold_data();
    void exposedPasswordsAreTold();
};

void TestPrivateFiles::nothingWrittenIsReadableByOthers_data() {
    QTest::addColumn<Write>("write");
    QTest::addColumn<int>("umask");
    QTest::addColumn<int>("older"); // the mode of a file already there; 0 for none
    QTest::addColumn<int>("mode");
    const QList<std::pair<const char*, Write>> files{{"Sorvanta.ini", Write::Ini},
                                                     {"url.txt", Write::PageList},
                                                     {"keywords.txt", Write::RuleAndKeywordLists},
                                                     {"run log", Write::RunLog},
                                                     {"page dump", Write::PageDump}};
    for (const auto& [name, write] : files) {
        QTest::addRow("%s, first written", name) << write << 022 << 0 << 0600;
        QTest::addRow("%s, replacing a 0644 file", name) << write << 022 << 0644 << 0600;
        QTest::addRow("%s, umask 0000", name) << write << 0 << 0 << 0600;
    }
    QTest::newRow("settings folder, umask 0000") << Write::PerUserFolder << 0 << 0 << 0700;
    QTest::newRow("settings folder, umask 022") << Write::PerUserFolder << 022 << 0 << 0700;
    QTest::newRow("id folder") << Write::IdFolder << 0 << 0 << 0700;
    QTest::newRow("a settings folder the user made is left alone")
        << Write::PerUserFolder << 0 << 0755 << 0755;
    QTest::newRow("autostart entry stays readable, umask 0000") << Write::Autostart << 0 << 0 << 0644;
}

void TestPrivateFiles::nothingWrittenIsReadableByOthers() {
    QFETCH(Write, write);
    QFETCH(int, umask);
    QFETCH(int, older);
    QFETCH(int, mode);
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(u"config"_s)));
    QDir().mkpath(dir.filePath(u"program"_s));
    if (older != 0) {
        // What the write is about to replace, made as an older version (or the user) left it.
        const QString path = perform(write, dir.path());
        QVERIFY(::chmod(QFile::encodeName(path).constData(), mode_t(older)) == 0);
    }
    const mode_t saved = ::umask(mode_t(umask));
    const QString path = perform(write, dir.path());
    ::umask(saved);
    QCOMPARE(QString::number(modeOf(path), 8), QString::number(mode, 8));
}

void TestPrivateFiles::exposedPasswordsAreTold_data() {
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<QString>("pagePassword");
    QTest::addColumn<QString>("proxyPassword");
    QTest::addColumn<bool>("told");
    QTest::newRow("readable folder, a page password") << 0755 << u"PQRS"_s << QString() << true;
    QTest::newRow("readable folder, the proxy password") << 0750 << QString() << u"PQRS"_s << true;
    QTest::newRow("readable folder, no password") << 0755 << QString() << QString() << false;
    QTest::newRow("private folder, a page password") << 0700 << u"PQRS"_s << QString() << false;
}

void TestPrivateFiles::exposedPasswordsAreTold() {
    QFETCH(int, folderMode);
    QFETCH(QString, pagePassword);
    QFETCH(QString, proxyPassword);
    QFETCH(bool, told);
    QTemporaryDir dir;
    const AppFolders folders(parseStartupArguments({}), dir.path(), dir.path());
    QVERIFY(QDir().mkpath(folders.settingsFolder()));
    QVERIFY(::chmod(QFile::encodeName(folders.settingsFolder()).constData(), mode_t(folderMode)) == 0);
    DataSet tables;
    tables.pages = {{true, u"http://a.test/"_s, u"a"_s, {}, u"u"_s, pagePassword}};
    AppSettings settings;
    settings.Password = proxyPassword;
    const std::optional<QString> warning = exposedPasswordsWarning(folders, tables, settings);
    QCOMPARE(warning.has_value(), told);
    if (warning)
        QVERIFY(warning->contains(folders.settingsFolder()));
}

QTEST_GUILESS_MAIN(TestPrivateFiles)
#include "tst_privatefiles.moc"
