#include "display/ui/MessagePanel.h"

#include <QSet>
#include <QSignalSpy>
#include <QTest>

namespace {

constexpr QRgb Background = 0xff201627;

// Alternating lit columns in two colours, so any blending between neighbours would show.
QImage stripes(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, (x + y) % 3 == 0 ? 0xffff0101 : (x % 2 ? 0xffd2ff10 : 0xff000000));
    return image;
}

} // namespace

class TestMessagePanel : public QObject {
    Q_OBJECT
private slots:
    void startsDark();
    void placeFrameOverwritesOnlyWhatItCovers_data();
    void placeFrameOverwritesOnlyWhatItCovers();
    void clearColumnDarkensOneColumn();
    void crispAtDoubleDensity();
    void hidingIsAnnounced();
    void mouseButtonsAreReported();
};

void TestMessagePanel::startsDark() {
    MessagePanel panel;
    QCOMPARE(panel.objectName(), QStringLiteral("picMsg"));
    QCOMPARE(panel.size(), QSize(160, 16));
    QCOMPARE(panel.image().size(), QSize(160, 16));
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 160; ++x)
            QCOMPARE(panel.image().pixel(x, y), Background);
}

void TestMessagePanel::placeFrameOverwritesOnlyWhatItCovers_data() {
    QTest::addColumn<int>("x");
    QTest::newRow("inside") << 20;
    QTest::newRow("cut by the right edge") << 150;
    QTest::newRow("cut by the left edge") << -7;
}

void TestMessagePanel::placeFrameOverwritesOnlyWhatItCovers() {
    QFETCH(int, x);
    MessagePanel panel;
    const QImage frame = stripes(24, 18); // taller than the panel: the extra rows are cut
    panel.placeFrame(frame, x);
    for (int y = 0; y < 16; ++y) {
        for (int column = 0; column < 160; ++column) {
            const bool covered = column >= x && column < x + frame.width();
            QCOMPARE(panel.image().pixel(column, y), covered ? frame.pixel(column - x, y) : Background);
        }
    }
}

void TestMessagePanel::clearColumnDarkensOneColumn() {
    MessagePanel panel;
    panel.placeFrame(stripes(160, 16), 0);
    panel.clearColumn(5);
    panel.clearColumn(160); // outside: ignored
    panel.clearColumn(-1);
    for (int y = 0; y < 16; ++y) {
        QCOMPARE(panel.image().pixel(5, y), Background);
        QCOMPARE(panel.image().pixel(4, y), stripes(160, 16).pixel(4, y));
        QCOMPARE(panel.image().pixel(159, y), stripes(160, 16).pixel(159, y));
    }
}

void TestMessagePanel::crispAtDoubleDensity() {
    MessagePanel panel;
    panel.placeFrame(stripes(160, 16), 0);
    QImage screen(320, 32, QImage::Format_RGB32);
    screen.setDevicePixelRatio(2);
    screen.fill(Qt::white);
    panel.render(&screen);
    // Every LED dot becomes a 2 x 2 block of its own colour; nothing is blended.
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 320; ++x)
            QCOMPARE(screen.pixel(x, y), panel.image().pixel(x / 2, y / 2));
}

void TestMessagePanel::hidingIsAnnounced() {
    MessagePanel panel;
    QSignalSpy hidden(&panel, &MessagePanel::hidden);
    panel.show();
    QCOMPARE(hidden.count(), 0);
    panel.hide();
    QCOMPARE(hidden.count(), 1);
    panel.show();
    panel.setVisible(false);
    QCOMPARE(hidden.count(), 2);
}

void TestMessagePanel::mouseButtonsAreReported() {
    MessagePanel panel;
    panel.show();
    QSignalSpy released(&panel, &MessagePanel::mouseReleased);
    QSignalSpy doubleClicked(&panel, &MessagePanel::doubleClicked);
    QTest::mouseClick(&panel, Qt::RightButton, {}, QPoint(10, 5));
    QTest::mouseDClick(&panel, Qt::LeftButton, {}, QPoint(10, 5));
    QCOMPARE(released.first().first().value<Qt::MouseButton>(), Qt::RightButton);
    QCOMPARE(doubleClicked.count(), 1);
}

QTEST_MAIN(TestMessagePanel)
#include "tst_messagepanel.moc"
