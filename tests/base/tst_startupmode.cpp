#include "base/AppFolders.h"
#include "base/StartupMode.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestStartupMode : public QObject {
    Q_OBJECT
private slots:
    void modeFromArgumentText_data();
    void modeFromArgumentText();
    void settingsFolderPerMode_data();
    void settingsFolderPerMode();
    void argumentTextJoinsWords();
    void settingsFolderIsCreatedWithItsParents();
    void relativeConfigHomeIsIgnored_data();
    void relativeConfigHomeIsIgnored();
};

void TestStartupMode::modeFromArgumentText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("id");
    const int single = int(StartupMode::SingleUser);
    const int perId = int(StartupMode::PerId);
    const int perUser = int(StartupMode::PerUser);
    QTest::newRow("empty is per-user") << "" << perUser << "";
    QTest::newRow("singleuser lower") << "/singleuser" << single << "";
    QTest::newRow("singleuser mixed case") << "/SingleUser" << single << "";
    QTest::newRow("singleuser trailing space") << "/singleuser " << perUser << "";
    QTest::newRow("singleuser second argument") << "/singleuser /id=x" << perUser << "";
    QTest::newRow("id keeps case") << "/ID=Office" << perId << "Office";
    QTest::newRow("id keeps spaces") << "/id=a b" << perId << "a b";
    QTest::newRow("empty id") << "/id=" << perId << "";
    QTest::newRow("id prefix too short") << "/id" << perUser << "";
    QTest::newRow("unknown switch") << "/debug" << perUser << "";
}

void TestStartupMode::modeFromArgumentText() {
    QFETCH(QString, text);
    QFETCH(int, mode);
    QFETCH(QString, id);
    const StartupOptions options = parseStartupArguments(text);
    QCOMPARE(int(options.mode), mode);
    QCOMPARE(options.settingsId, id);
}

void TestStartupMode::settingsFolderPerMode_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("folder");
    QTest::newRow("per-user") << ""
                              << "/home/u/.config/kwSorvanta";
    QTest::newRow("single-user") << "/singleuser"
                                 << "/opt/sorvanta";
    QTest::newRow("per-id") << "/id=Kitchen"
                            << "/opt/sorvanta/Settings/Kitchen";
    QTest::newRow("empty id is the Settings folder") << "/id="
                                                     << "/opt/sorvanta/Settings";
}

void TestStartupMode::settingsFolderPerMode() {
    QFETCH(QString, text);
    QFETCH(QString, folder);
    const AppFolders folders(parseStartupArguments(text), u"/opt/sorvanta"_s, u"/home/u/.config"_s);
    QCOMPARE(folders.settingsFolder(), folder);
    QCOMPARE(folders.iniPath(), folder + u"/Sorvanta.ini"_s);
    QCOMPARE(folders.runLogPath(), u"/opt/sorvanta/~sorvanta.log"_s);
}

void TestStartupMode::argumentTextJoinsWords() {
    QCOMPARE(argumentText({u"sorvanta"_s, u"/id=a"_s, u"b"_s}), u"/id=a b"_s);
    QCOMPARE(argumentText({u"sorvanta"_s}), QString());
}

void TestStartupMode::settingsFolderIsCreatedWithItsParents() {
    QTemporaryDir dir;
    const QString program = dir.filePath(u"program"_s);
    QVERIFY(QDir().mkpath(program));

    // A new account may have no ~/.config yet.
    const QString appData = dir.filePath(u"home/.config"_s);
    AppFolders(parseStartupArguments(QString()), program, appData).ensureSettingsFolder();
    QVERIFY(QFileInfo(appData + u"/kwSorvanta"_s).isDir());

    const AppFolders kitchen(parseStartupArguments(u"/id=Kitchen"_s), program, appData);
    kitchen.ensureSettingsFolder();
    QVERIFY(QFileInfo(program + u"/Settings/Kitchen"_s).isDir());
}

void TestStartupMode::relativeConfigHomeIsIgnored_data() {
    QTest::addColumn<QString>("configHome");
    QTest::addColumn<QString>("expected");
    QTest::newRow("absolute") << u"/srv/cfg"_s << u"/srv/cfg"_s;
    QTest::newRow("relative") << u"cfg"_s << QDir::homePath() + u"/.config"_s;
    QTest::newRow("unset") << QString() << QDir::homePath() + u"/.config"_s;
}

void TestStartupMode::relativeConfigHomeIsIgnored() {
    QFETCH(QString, configHome);
    QFETCH(QString, expected);
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", configHome.toUtf8());
    const QString folder = AppFolders::defaultAppDataFolder();
    qputenv("XDG_CONFIG_HOME", saved);
    QCOMPARE(folder, expected);
}

QTEST_GUILESS_MAIN(TestStartupMode)
#include "tst_startupmode.moc"
