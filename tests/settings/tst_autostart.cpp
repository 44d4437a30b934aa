#include "settings/Autostart.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

class TestAutostart : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void registerReadUnregister();
    void entryPathFollowsConfigHome();
    void readState_data();
    void readState();
    void execValueQuoted_data();
    void execValueQuoted();
    void registerIntoUnusableFolderIsSilent();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QByteArray m_savedConfigHome;
    QByteArray m_savedHome;
};

void TestAutostart::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_savedConfigHome = qgetenv("XDG_CONFIG_HOME");
    m_savedHome = qgetenv("HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir->path()));
}

void TestAutostart::cleanup() {
    qputenv("XDG_CONFIG_HOME", m_savedConfigHome);
    qputenv("HOME", m_savedHome);
    m_dir.reset();
}

void TestAutostart::registerReadUnregister() {
    AppSettings settings;
    registerAutorun(u"/usr/lib/sorvanta/sorvanta"_s);
    const QString path = m_dir->filePath(u"autostart/kwSorvanta.desktop"_s);
    QCOMPARE(
        readFileBytes(path),
        QByteArray("[Desktop Entry]\nType=Application\nName=Sorvanta\nExec=/usr/lib/sorvanta/sorvanta\n"));
    readAutorunState(settings);
    QVERIFY(settings.AutoRun);
    unregisterAutorun();
    QVERIFY(!QFileInfo::exists(path));
    readAutorunState(settings);
    QVERIFY(!settings.AutoRun);
}

void TestAutostart::entryPathFollowsConfigHome() {
    QCOMPARE(autorunEntryPath(), m_dir->path() + u"/autostart/kwSorvanta.desktop"_s);
    qunsetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(m_dir->path()));
    QCOMPARE(autorunEntryPath(), m_dir->path() + u"/.config/autostart/kwSorvanta.desktop"_s);
}

void TestAutostart::readState_data() {
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<bool>("autoRun");
    QTest::newRow("entry with Exec") << QByteArray("[Desktop Entry]\nType=Application\nExec=/bin/sorvanta\n")
                                     << true;
    QTest::newRow("Hidden=true") << QByteArray("[Desktop Entry]\nExec=/bin/sorvanta\nHidden=true\n") << false;
    QTest::newRow("Hidden=false") << QByteArray("[Desktop Entry]\nExec=/bin/sorvanta\nHidden=false\n")
                                  << true;
    QTest::newRow("empty Exec") << QByteArray("[Desktop Entry]\nType=Application\nExec=\n") << false;
    QTest::newRow("no Exec") << QByteArray("[Desktop Entry]\nType=Application\n") << false;
    QTest::newRow("Exec of another group") << QByteArray("[Desktop Action x]\nExec=/bin/sorvanta\n") << false;
    QTest::newRow("quoted Exec") << QByteArray("[Desktop Entry]\nExec=\"/opt/my apps/sorvanta\"\n") << true;
}

void TestAutostart::readState() {
    QFETCH(QByteArray, entry);
    QFETCH(bool, autoRun);
    QVERIFY(QDir(m_dir->path()).mkdir(u"autostart"_s));
    writeFileBytes(autorunEntryPath(), entry);
    AppSettings settings;
    settings.AutoRun = !autoRun;
    readAutorunState(settings);
    QCOMPARE(settings.AutoRun, autoRun);
}

void TestAutostart::execValueQuoted_data() {
    QTest::addColumn<QString>("programPath");
    QTest::addColumn<QString>("exec");
    QTest::newRow("plain path as is") << u"/usr/bin/sorvanta"_s << u"/usr/bin/sorvanta"_s;
    QTest::newRow("space quoted") << u"/opt/my apps/sorvanta"_s << u"\"/opt/my apps/sorvanta\""_s;
    QTest::newRow("dollar escaped inside quotes") << u"/opt/$x/sorvanta"_s << u"\"/opt/\\\\$x/sorvanta\""_s;
    QTest::newRow("double quote escaped") << u"/opt/a\"b/s"_s << u"\"/opt/a\\\\\"b/s\""_s;
    QTest::newRow("percent doubled") << u"/opt/100%/sorvanta"_s << u"/opt/100%%/sorvanta"_s;
    QTest::newRow("Japanese kept") << u"/home/太郎/sorvanta"_s << u"/home/太郎/sorvanta"_s;
}

void TestAutostart::execValueQuoted() {
    QFETCH(QString, programPath);
    QFETCH(QString, exec);
    QCOMPARE(autorunExecValue(programPath), exec);
    registerAutorun(programPath);
    AppSettings settings;
    readAutorunState(settings);
    QVERIFY(settings.AutoRun);
    QVERIFY(readFileBytes(autorunEntryPath()).contains((u"\nExec="_s + exec + u'\n').toUtf8()));
}

void TestAutostart::registerIntoUnusableFolderIsSilent() {
    // The config home is a file, so the autostart folder cannot be made.
    const QString blocker = m_dir->filePath(u"blocker"_s);
    writeFileBytes(blocker, "x");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(blocker));
    registerAutorun(u"/usr/bin/sorvanta"_s);
    AppSettings settings;
    settings.AutoRun = true;
    readAutorunState(settings);
    QVERIFY(!settings.AutoRun);
    unregisterAutorun();
    QCOMPARE(readFileBytes(blocker), QByteArray("x"));
}

QTEST_GUILESS_MAIN(TestAutostart)
#include "tst_autostart.moc"
