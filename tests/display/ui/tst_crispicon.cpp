#include "display/ui/CrispIcon.h"

#include <QTest>

namespace {

// A colour of its own in every pixel, and see-through ones among them.
QImage picture(int size, QRgb base) {
    QImage image(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            image.setPixel(x, y, (x + y) % 5 == 0 ? 0u : base + uint(y * size + x));
    return image;
}

} // namespace

class TestCrispIcon : public QObject {
    Q_OBJECT
private slots:
    void sizeDrawnInWholeBlocks_data();
    void sizeDrawnInWholeBlocks();
};

void TestCrispIcon::sizeDrawnInWholeBlocks_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("source"); // the picture used: 16 or 32
    QTest::addColumn<int>("factor");
    QTest::newRow("16: the small picture") << 16 << 16 << 1;
    QTest::newRow("24: the small picture centred") << 24 << 16 << 1;
    QTest::newRow("48: the small picture tripled") << 48 << 16 << 3;
    QTest::newRow("64: the large picture doubled") << 64 << 32 << 2;
}

// Every pixel is one of the picture's, repeated factor x factor times, or see-through around it.
void TestCrispIcon::sizeDrawnInWholeBlocks() {
    QFETCH(int, size);
    QFETCH(int, source);
    QFETCH(int, factor);
    const QImage small = picture(16, 0xff100000);
    const QImage large = picture(32, 0xff800000);
    const QImage& picture = source == 16 ? small : large;
    const QImage drawn = crispIcon(small, large).pixmap(QSize(size, size), 1.0).toImage();
    QCOMPARE(drawn.size(), QSize(size, size));
    const int margin = (size - source * factor) / 2;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QPoint dot((x - margin) / factor, (y - margin) / factor);
            const bool inside = x >= margin && y >= margin && picture.rect().contains(dot);
            QCOMPARE(drawn.pixel(x, y), inside ? picture.pixel(dot) : 0u);
        }
    }
}

QTEST_MAIN(TestCrispIcon)
#include "tst_crispicon.moc"
