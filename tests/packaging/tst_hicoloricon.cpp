// The application icon in the hicolor sizes: the pixel art enlarged, never blended.
#include "display/ui/CrispIcon.h"
#include "resources/builtin/BuiltinImages.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Pixel art in which every pixel differs from every other and the top-left one is transparent,
// so a smoothed, shifted or clipped enlargement cannot pass for the right one.
QImage distinctArt(int side) {
    QImage art(side, side, QImage::Format_ARGB32);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x)
            art.setPixel(x, y, qRgba(x * 7, y * 7, 255 - x - y, 255));
    }
    art.setPixel(0, 0, qRgba(0, 0, 0, 0));
    return art;
}

// The pixels of icon that are not the art enlarged by factor at offset, or not transparent
// around it.
int strayPixels(const QImage& icon, const QImage& art, int factor, int offset) {
    const QImage actual = icon.convertToFormat(QImage::Format_ARGB32);
    const int extent = art.width() * factor;
    int stray = 0;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const bool inside = x >= offset && y >= offset && x < offset + extent && y < offset + extent;
            const QRgb expected = inside ? art.pixel((x - offset) / factor, (y - offset) / factor) : 0;
            const QRgb pixel = actual.pixel(x, y);
            stray += (inside ? pixel != expected : qAlpha(pixel) != 0) ? 1 : 0;
        }
    }
    return stray;
}

QImage argb(const QString& path) {
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestHicolorIcon : public QObject {
    Q_OBJECT
private slots:
    void enlargesTheArtByWholeFactors_data();
    void enlargesTheArtByWholeFactors();
    void matchesTheWindowIcon_data();
    void matchesTheWindowIcon();
};

void TestHicolorIcon::enlargesTheArtByWholeFactors_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("artSide");
    QTest::addColumn<int>("factor");
    QTest::addColumn<int>("offset");
    QTest::newRow("16 is the small art as drawn") << 16 << 16 << 1 << 0;
    QTest::newRow("22 centres the small art") << 22 << 16 << 1 << 3;
    QTest::newRow("24 centres the small art") << 24 << 16 << 1 << 4;
    QTest::newRow("32 is the large art as drawn") << 32 << 32 << 1 << 0;
    QTest::newRow("48 triples the small art") << 48 << 16 << 3 << 0;
    QTest::newRow("64 doubles the large art") << 64 << 32 << 2 << 0;
    QTest::newRow("128 enlarges the large art fourfold") << 128 << 32 << 4 << 0;
    QTest::newRow("256 enlarges the large art eightfold") << 256 << 32 << 8 << 0;
}

void TestHicolorIcon::enlargesTheArtByWholeFactors() {
    QFETCH(int, size);
    QFETCH(int, artSide);
    QFETCH(int, factor);
    QFETCH(int, offset);
    const QImage small = distinctArt(16);
    const QImage large = distinctArt(32).mirrored(true, false);
    const QImage icon = crispSquare(small, large, size);
    QCOMPARE(icon.size(), QSize(size, size));
    QCOMPARE(strayPixels(icon, artSide == 16 ? small : large, factor, offset), 0);
}

void TestHicolorIcon::matchesTheWindowIcon_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<BuiltinImage>("windowIcon");
    QTest::newRow("48") << 48 << BuiltinImage::AppSmall;
    QTest::newRow("64") << 64 << BuiltinImage::App;
    QTest::newRow("128") << 128 << BuiltinImage::AppLarge;
}

// The installed icon is the one the window and the about box show.
void TestHicolorIcon::matchesTheWindowIcon() {
    QFETCH(int, size);
    QFETCH(BuiltinImage, windowIcon);
    const QImage icon = crispSquare(argb(builtinImagePath(BuiltinImage::TrayInfoSmall)),
                                    argb(builtinImagePath(BuiltinImage::TrayInfo)), size);
    QCOMPARE(icon.convertToFormat(QImage::Format_ARGB32), argb(builtinImagePath(windowIcon)));
}

QTEST_MAIN(TestHicolorIcon)
#include "tst_hicoloricon.moc"
