#include "display/ItemSound.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestItemSound : public QObject {
    Q_OBJECT
private slots:
    void choice_data();
    void choice();
};

void TestItemSound::choice_data() {
    QTest::addColumn<bool>("playSound2");
    QTest::addColumn<int>("rule");
    QTest::addColumn<bool>("keywordFound");
    QTest::addColumn<QString>("file");
    QTest::newRow("off: silent even with a keyword") << false << 2 << true << QString();
    QTest::newRow("extracted item with a keyword") << true << 2 << true << u"keyword.wav"_s;
    QTest::newRow("extracted item without keyword") << true << 2 << false << u"plain.wav"_s;
    QTest::newRow("whole page with a keyword still sounds as whole page")
        << true << -1 << true << u"page.wav"_s;
    QTest::newRow("whole page without keyword") << true << -1 << false << u"page.wav"_s;
    QTest::newRow("default message with a keyword") << true << 0 << true << u"keyword.wav"_s;
    QTest::newRow("default message without keyword") << true << 0 << false << u"plain.wav"_s;
}

void TestItemSound::choice() {
    QFETCH(bool, playSound2);
    QFETCH(int, rule);
    QFETCH(bool, keywordFound);
    QFETCH(QString, file);
    AppSettings settings;
    settings.PlaySound2 = playSound2;
    settings.SoundFile2 = u"keyword.wav"_s;
    settings.SoundFile3 = u"plain.wav"_s;
    settings.SoundFile4 = u"page.wav"_s;
    const ItemSound sound = soundForItem({u"text"_s, 1, rule}, keywordFound, settings);
    QCOMPARE(sound == ItemSound::None, file.isEmpty());
    QCOMPARE(soundFile(sound, settings), file);
}

QTEST_GUILESS_MAIN(TestItemSound)
#include "tst_itemsound.moc"
