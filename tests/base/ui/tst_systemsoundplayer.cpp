#include "base/ui/SystemSoundPlayer.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestSystemSoundPlayer : public QObject {
    Q_OBJECT
private slots:
    // First: the sounds of the later tests load the machinery into this process.
    void machineryLoadsWithTheFirstSound();
    void unplayableFileBeepsEveryTime_data();
    void unplayableFileBeepsEveryTime();
    void noFileChosenStaysSilent();
    void withoutTheModuleEverySoundBeeps();
};

namespace {

bool multimediaLoaded() {
    return readFileBytes(u"/proc/self/maps"_s).contains("libQt6Multimedia");
}

} // namespace

void TestSystemSoundPlayer::unplayableFileBeepsEveryTime_data() {
    QTest::addColumn<QString>("fileName");
    QTest::newRow("missing file") << u"missing.wav"_s;
    QTest::newRow("not a wave file") << u"broken.wav"_s;
}

void TestSystemSoundPlayer::unplayableFileBeepsEveryTime() {
    QFETCH(QString, fileName);
    QTemporaryDir dir;
    writeFileBytes(dir.filePath(u"broken.wav"_s), "this is no RIFF wave data at all");
    int beeps = 0;
    SystemSoundPlayer player(nullptr, [&beeps] { ++beeps; });
    for (int played = 1; played <= 3; ++played) {
        player.playSoundFile(dir.filePath(fileName));
        QTRY_COMPARE(beeps, played);
    }
}

void TestSystemSoundPlayer::noFileChosenStaysSilent() {
    int beeps = 0;
    SystemSoundPlayer player(nullptr, [&beeps] { ++beeps; });
    player.playSoundFile(QString());
    QTest::qWait(50);
    QCOMPARE(beeps, 0);
}

void TestSystemSoundPlayer::machineryLoadsWithTheFirstSound() {
    QTemporaryDir dir;
    writeFileBytes(dir.filePath(u"broken.wav"_s), "this is no RIFF wave data at all");
    int beeps = 0;
    SystemSoundPlayer player(nullptr, [&beeps] { ++beeps; });
    player.playSoundFile(QString());
    player.playSoundFile(dir.filePath(u"missing.wav"_s));
    QVERIFY(!multimediaLoaded());
    player.playSoundFile(dir.filePath(u"broken.wav"_s));
    QVERIFY(multimediaLoaded());
    QTRY_COMPARE(beeps, 2);
}

void TestSystemSoundPlayer::withoutTheModuleEverySoundBeeps() {
    QTemporaryDir dir;
    writeFileBytes(dir.filePath(u"sound.wav"_s), "RIFF");
    int beeps = 0;
    SystemSoundPlayer player(
        nullptr, [&beeps] { ++beeps; }, dir.filePath(u"no-such-module.so"_s));
    player.playSoundFile(dir.filePath(u"sound.wav"_s));
    player.playSoundFile(dir.filePath(u"sound.wav"_s));
    QCOMPARE(beeps, 2);
}

QTEST_MAIN(TestSystemSoundPlayer)
#include "tst_systemsoundplayer.moc"
