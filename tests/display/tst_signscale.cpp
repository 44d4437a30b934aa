#include "display/SignScale.h"

#include <QTest>

class TestSignScale : public QObject {
    Q_OBJECT
private slots:
    void panelAtScale_data();
    void panelAtScale();
};

void TestSignScale::panelAtScale_data() {
    QTest::addColumn<double>("ratio");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<int>("factor");
    QTest::addColumn<QRect>("logical");
    QTest::addColumn<bool>("exact");
    const QRect asLed(31, 39, 160, 16);
    QTest::newRow("ratio 1") << 1.0 << 1 << 1 << asLed << true;
    QTest::newRow("ratio 2") << 2.0 << 1 << 2 << asLed << true;
    QTest::newRow("ratio 3") << 3.0 << 1 << 3 << asLed << true;
    QTest::newRow("zoom 2") << 1.0 << 2 << 2 << QRect(62, 78, 320, 32) << true;
    QTest::newRow("1.5 rounds up to 2, widened") << 1.5 << 1 << 2 << QRect(41, 52, 214, 22) << false;
    QTest::newRow("1.25 rounds down to 1, widened") << 1.25 << 1 << 1 << QRect(24, 31, 129, 13) << false;
    QTest::newRow("2.5 rounds up to 3, widened") << 2.5 << 1 << 3 << QRect(37, 46, 193, 20) << false;
    QTest::newRow("below 1 draws at 1") << 0.75 << 1 << 1 << QRect(41, 52, 214, 22) << false;
    QTest::newRow("1.5 at zoom 3 is exact") << 1.5 << 3 << 6 << QRect(124, 156, 640, 64) << true;
}

// The message panel at (31, 39), 160 x 16 LED pixels.
void TestSignScale::panelAtScale() {
    QFETCH(double, ratio);
    QFETCH(int, zoom);
    QFETCH(int, factor);
    QFETCH(QRect, logical);
    QFETCH(bool, exact);
    const SignScale scale(zoom, ratio);
    QCOMPARE(scale.factor(), factor);
    QCOMPARE(scale.logicalRect(QRect(31, 39, 160, 16)), logical);
    QCOMPARE(scale.isExact(), exact);
}

QTEST_GUILESS_MAIN(TestSignScale)
#include "tst_signscale.moc"
