// A writer process killed at random moments while it saves the INI and the data files again and
// again: after each kill every file holds one complete version, never a torn or missing one.
#include "retrieval/DataFiles.h"
#include "settings/SettingsStore.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

using namespace Qt::StringLiterals;

namespace {

const char WriterFolderVariable[] = "SORVANTA_TEST_WRITER_FOLDER";

AppFolders foldersIn(const QString& folder) {
    return AppFolders(parseStartupArguments(u"/singleuser"_s), folder, folder);
}

// Two versions of everything; the data files are large enough that a write takes a while.
AppSettings settingsVersion(int version) {
    AppSettings settings;
    settings.DefaultMSG = u"版 %1 "_s.arg(version).repeated(40);
    settings.AutoReloadDelay = 5 + version;
    return settings;
}

QList<PageRecord> pageListVersion(int version) {
    QList<PageRecord> pages;
    for (int page = 1; page <= 3000; ++page) {
        PageRecord record;
        record.Enabled = true;
        record.URL = u"https://example.com/%1/%2"_s.arg(version).arg(page);
        record.Name = u"ページ%1"_s.arg(page);
        pages.append(record);
    }
    return pages;
}

void saveVersion(const AppFolders& folders, DataFiles& files, int version) {
    saveSettings(folders, settingsVersion(version));
    files.savePages(pageListVersion(version));
}

// The child: writes both versions in turn until it is killed.
[[noreturn]] void runWriter(const QString& folder) {
    const AppFolders folders = foldersIn(folder);
    DataFiles files(folders, nullptr);
    for (int version = 1;; version = 3 - version)
        saveVersion(folders, files, version);
}

} // namespace

class TestCrashSafeWrites : public QObject {
    Q_OBJECT
private slots:
    void killedWriterLeavesWholeFiles();
};

void TestCrashSafeWrites::killedWriterLeavesWholeFiles() {
    QTemporaryDir dir;
    const QStringList names{u"Sorvanta.ini"_s, u"url.txt"_s};
    // The two expected versions of each file, written by this process in a folder of its own.
    QMap<QString, QList<QByteArray>> versions;
    {
        QTemporaryDir reference;
        const AppFolders folders = foldersIn(reference.path());
        DataFiles files(folders, nullptr);
        for (int version : {1, 2}) {
            saveVersion(folders, files, version);
            for (const QString& name : names)
                versions[name].append(readFileBytes(reference.filePath(name)));
        }
    }
    {
        const AppFolders folders = foldersIn(dir.path());
        DataFiles files(folders, nullptr);
        saveVersion(folders, files, 2);
    }

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(WriterFolderVariable), dir.path());
    for (int round = 0; round < 25; ++round) {
        QProcess writer;
        writer.setProcessEnvironment(environment);
        writer.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(writer.waitForStarted());
        QTest::qWait(20 + QRandomGenerator::global()->bounded(80));
        ::kill(writer.processId(), SIGKILL);
        QVERIFY(writer.waitForFinished());
        for (const QString& name : names) {
            const QByteArray bytes = readFileBytes(dir.filePath(name));
            QVERIFY2(versions[name].contains(bytes),
                     qPrintable(u"round %1: %2 is torn or missing (%3 bytes)"_s.arg(round).arg(name).arg(
                         bytes.size())));
        }
    }
}

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsSet(WriterFolderVariable)) {
        QCoreApplication app(argc, argv);
        runWriter(qEnvironmentVariable(WriterFolderVariable));
    }
    QCoreApplication app(argc, argv);
    TestCrashSafeWrites test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_crashsafewrites.moc"
