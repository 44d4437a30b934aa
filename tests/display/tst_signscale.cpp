#include "display/SignScale.h"

#include <QTest>

class TestSignScale : public QObject {
    Q_OBJECT
private slots:
    void wholeRatio_data();
    void wholeRatio();
    void logicalRectCoversTheDevicePixels_data();
    void logicalRectCoversTheDevicePixels();
};

void TestSignScale::wholeRatio_data() {
    QTest::addColumn<double>("ratio");
    QTest::addColumn<int>("whole");
    QTest::newRow("1 stays") << 1.0 << 1;
    QTest::newRow("2 stays") << 2.0 << 2;
    QTest::newRow("3 stays") << 3.0 << 3;
    QTest::newRow("1.25 rounds down to 1") << 1.25 << 1;
    QTest::newRow("1.5 rounds up to 2") << 1.5 << 2;
    QTest::newRow("1.75 rounds up to 2") << 1.75 << 2;
    QTest::newRow("2.5 rounds up to 3") << 2.5 << 3;
    QTest::newRow("below 1 draws at 1") << 0.75 << 1;
    QTest::newRow("no ratio draws at 1") << 0.0 << 1;
}

void TestSignScale::wholeRatio() {
    QFETCH(double, ratio);
    QFETCH(int, whole);
    QCOMPARE(SignScale::WholeRatio(ratio), whole);
    QCOMPARE(SignScale(3, ratio).factor(), 3 * whole);
}

void TestSignScale::logicalRectCoversTheDevicePixels_data() {
    QTest::addColumn<double>("ratio");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<QRect>("device");
    QTest::addColumn<QRect>("logical");
    QTest::addColumn<bool>("exact");
    // The message panel at (31, 39), 160 x 16 LED pixels.
    QTest::newRow("ratio 1") << 1.0 << 1 << QRect(31, 39, 160, 16) << QRect(31, 39, 160, 16) << true;
    QTest::newRow("ratio 2") << 2.0 << 1 << QRect(62, 78, 320, 32) << QRect(31, 39, 160, 16) << true;
    QTest::newRow("ratio 3") << 3.0 << 1 << QRect(93, 117, 480, 48) << QRect(31, 39, 160, 16) << true;
    QTest::newRow("zoom 2") << 1.0 << 2 << QRect(62, 78, 320, 32) << QRect(62, 78, 320, 32) << true;
    QTest::newRow("zoom 4 at ratio 2")
        << 2.0 << 4 << QRect(248, 312, 1280, 128) << QRect(124, 156, 640, 64) << true;
    QTest::newRow("ratio 1.5 widened")
        << 1.5 << 1 << QRect(62, 78, 320, 32) << QRect(41, 52, 214, 22) << false;
    QTest::newRow("ratio 1.25 widened")
        << 1.25 << 1 << QRect(31, 39, 160, 16) << QRect(24, 31, 129, 13) << false;
    QTest::newRow("ratio 1.5 at zoom 3 is exact")
        << 1.5 << 3 << QRect(186, 234, 960, 96) << QRect(124, 156, 640, 64) << true;
}

void TestSignScale::logicalRectCoversTheDevicePixels() {
    QFETCH(double, ratio);
    QFETCH(int, zoom);
    QFETCH(QRect, device);
    QFETCH(QRect, logical);
    QFETCH(bool, exact);
    const SignScale scale(zoom, ratio);
    const QRect led(31, 39, 160, 16);
    QCOMPARE(scale.deviceRect(led), device);
    QCOMPARE(scale.logicalRect(led), logical);
    QCOMPARE(scale.isExact(), exact);
}

QTEST_GUILESS_MAIN(TestSignScale)
#include "tst_signscale.moc"
