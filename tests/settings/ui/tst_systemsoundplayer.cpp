#include "settings/ui/SystemSoundPlayer.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestSystemSoundPlayer : public QObject {
    Q_OBJECT
private slots:
    void unplayableFileBeepsEveryTime_data();
    void unplayableFileBeepsEveryTime();
    void noFileChosenStaysSilent();
};

void TestSystemSoundPlayer::unplayableFileBeepsEveryTime_data() {
    QTest::addColumn<QString>("fileName");
    QTest::newRow("missing file") << u"missing.wav"_s;
    QTest::newRow("not a wave file") << u"broken.wav"_s;
}

void TestSystemSoundPlayer::unplayableFileBeepsEveryTime() {
    QFETCH(QString, fileName);
    QTemporaryDir dir;
    WriteFileBytes(dir.filePath(u"broken.wav"_s), "this is no RIFF wave data at all");
    int beeps = 0;
    SystemSoundPlayer player(nullptr, [&beeps] { ++beeps; });
    for (int played = 1; played <= 3; ++played) {
        player.PlaySoundFile(dir.filePath(fileName));
        QTRY_COMPARE(beeps, played);
    }
}

void TestSystemSoundPlayer::noFileChosenStaysSilent() {
    int beeps = 0;
    SystemSoundPlayer player(nullptr, [&beeps] { ++beeps; });
    player.PlaySoundFile(QString());
    QTest::qWait(50);
    QCOMPARE(beeps, 0);
}

QTEST_MAIN(TestSystemSoundPlayer)
#include "tst_systemsoundplayer.moc"
