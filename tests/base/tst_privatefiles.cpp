#include "base/RunLog.h"
#include "settings/Autostart.h"
#include "settings/SettingsStore.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

// What Sorvanta writes, under a umask, over a file of an older mode (0: none), read back with stat. The
// INI stands for every atomic write (the lists too), the run log for every appended file (the page
// dump too).
class TestPrivateFiles : public QObject {
    Q_OBJECT
private slots:
    void nothingWrittenIsReadableByOthers_data();
    void nothingWrittenIsReadableByOthers();
};

void TestPrivateFiles::nothingWrittenIsReadableByOthers_data() {
    QTest::addColumn<QString>("what");
    QTest::addColumn<int>("umask");
    QTest::addColumn<int>("older");
    QTest::addColumn<int>("mode");
    for (const QString& what : {u"Sorvanta.ini"_s, u"~sorvanta.log"_s})
        for (const auto& [umask, older] : {std::pair{022, 0}, {022, 0644}, {0, 0}})
            QTest::addRow("%s, umask %o, over %o", qPrintable(what), umask, older)
                << what << umask << older << 0600;
    QTest::newRow("settings folder, umask 0") << u"kwSorvanta"_s << 0 << 0 << 0700;
    QTest::newRow("a folder the user made is left as made") << u"kwSorvanta"_s << 0 << 0755 << 0755;
    QTest::newRow("autostart entry, umask 0") << u"autostart"_s << 0 << 0 << 0644;
}

void TestPrivateFiles::nothingWrittenIsReadableByOthers() {
    QFETCH(QString, what);
    QFETCH(int, umask);
    QFETCH(int, older);
    QFETCH(int, mode);
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
    const bool perId = what.startsWith(u"Settings"_s);
    const AppFolders folders(parseStartupArguments(perId ? u"/id=office"_s : QString()), dir.path(),
                             dir.path());
    FakeClock clock;
    const QString path = what == u"autostart"_s       ? autorunEntryPath()
                         : what == u"~sorvanta.log"_s ? dir.filePath(what)
                         : what == u"Sorvanta.ini"_s  ? folders.iniPath()
                                                      : folders.settingsFolder();
    const auto write = [&] {
        if (what == u"Sorvanta.ini"_s)
            SettingsStore(folders, clock, 96).saveSettings(AppSettings{});
        else if (what == u"~sorvanta.log"_s)
            writeRunLogLine(path, clock.now(), RunLogTag::Run);
        else if (what == u"autostart"_s)
            registerAutorun(u"/usr/bin/sorvanta"_s);
        else
            folders.ensureSettingsFolder();
    };
    if (older != 0) {
        write(); // as an older version, or the user, left it
        QVERIFY(::chmod(QFile::encodeName(path).constData(), mode_t(older)) == 0);
    }
    const mode_t saved = ::umask(mode_t(umask));
    write();
    ::umask(saved);
    struct stat status {};
    QVERIFY(::stat(QFile::encodeName(path).constData(), &status) == 0);
    QCOMPARE(QString::number(status.st_mode & 0777, 8), QString::number(mode, 8));
}

QTEST_GUILESS_MAIN(TestPrivateFiles)
#include "tst_privatefiles.moc"
