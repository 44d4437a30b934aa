#include "display/SignScale.h"
#include "display/ui/SkinPreview.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QTest>

namespace {

// Every pixel its own colour, so the position of any one tells where the picture lies.
QImage Gradient(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x * 4, y * 8, 200));
    return image;
}

QPoint Find(const QImage& shot, QRgb colour) {
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixel(x, y) == colour)
                return {x, y};
    return {-1, -1};
}

} // namespace

class TestSkinPreview : public QObject {
    Q_OBJECT
private slots:
    void pictureIsCrispAndCentred_data();
    void pictureIsCrispAndCentred();
};

void TestSkinPreview::pictureIsCrispAndCentred_data() {
    QTest::addColumn<double>("ratio");
    QTest::newRow("ratio 1") << 1.0;
    QTest::newRow("ratio 2") << 2.0;
    QTest::newRow("ratio 1.5 drawn at 2") << 1.5;
}

// Each pixel of the picture is a square of whole device pixels in its own colour, with as much frame
// on one side as on the other.
void TestSkinPreview::pictureIsCrispAndCentred() {
    QFETCH(double, ratio);
    if (!qFuzzyCompare(qApp->devicePixelRatio(), ratio)) {
        const std::optional<QString> failure = RunRowAtScaleFactor(ratio);
        QVERIFY2(!failure, qPrintable(failure.value_or(QString())));
        return;
    }
    SkinPreview preview;
    const QImage picture = Gradient(QSize(40, 20));
    preview.setPicture(picture);
    preview.resize(preview.sizeHint() + QSize(31, 17));
    const QImage shot = preview.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int factor = SignScale::WholeRatio(ratio);
    const QPoint corner = Find(shot, picture.pixel(0, 0));
    for (int y = 0; y < picture.height() * factor; ++y)
        for (int x = 0; x < picture.width() * factor; ++x)
            QCOMPARE(shot.pixel(corner.x() + x, corner.y() + y), picture.pixel(x / factor, y / factor));
    const int left = corner.x();
    const int right = shot.width() - corner.x() - picture.width() * factor;
    QVERIFY2(std::abs(left - right) <= 2 * ratio, qPrintable(QStringLiteral("%1 | %2").arg(left).arg(right)));
}

QTEST_MAIN(TestSkinPreview)
#include "tst_skinpreview.moc"
