#include "startup/AppFolders.h"
#include "startup/StartupMode.h"

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
    void settingsFolderIsCreatedOneLevelDeep();
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
    const StartupOptions options = ParseStartupArguments(text);
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
    const AppFolders folders(ParseStartupArguments(text), u"/opt/sorvanta"_s, u"/home/u/.config"_s);
    QCOMPARE(folders.settingsFolder(), folder);
    QCOMPARE(folders.iniPath(), folder + u"/Sorvanta.ini"_s);
    QCOMPARE(folders.runLogPath(), u"/opt/sorvanta/~sorvanta.log"_s);
}

void TestStartupMode::argumentTextJoinsWords() {
    QCOMPARE(ArgumentText({u"sorvanta"_s, u"/id=a"_s, u"b"_s}), u"/id=a b"_s);
    QCOMPARE(ArgumentText({u"sorvanta"_s}), QString());
}

void TestStartupMode::settingsFolderIsCreatedOneLevelDeep() {
    QTemporaryDir dir;
    const QString program = dir.filePath(u"program"_s);
    const QString appData = dir.filePath(u"config"_s);
    QVERIFY(QDir().mkpath(program));
    QVERIFY(QDir().mkpath(appData));

    AppFolders(ParseStartupArguments(QString()), program, appData).ensureSettingsFolder();
    QVERIFY(QFileInfo(appData + u"/kwSorvanta"_s).isDir());

    // Without the program folder's Settings folder an id folder cannot be made; nothing else is created.
    const AppFolders kitchen(ParseStartupArguments(u"/id=Kitchen"_s), program, appData);
    kitchen.ensureSettingsFolder();
    QVERIFY(!QFileInfo::exists(program + u"/Settings"_s));
    QVERIFY(QDir().mkdir(program + u"/Settings"_s));
    kitchen.ensureSettingsFolder();
    QVERIFY(QFileInfo(kitchen.settingsFolder()).isDir());
}

QTEST_GUILESS_MAIN(TestStartupMode)
#include "tst_startupmode.moc"
