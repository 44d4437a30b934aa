#include "display/SignScale.h"
#include "display/ui/SkinPreview.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QTest>

class TestSkinPreview : public QObject {
    Q_OBJECT
private slots:
    void pictureCrispAndCentred_data();
    void pictureCrispAndCentred();
};

void TestSkinPreview::pictureCrispAndCentred_data() {
    QTest::addColumn<double>("ratio");
    QTest::newRow("ratio 1") << 1.0;
    QTest::newRow("ratio 2") << 2.0;
    QTest::newRow("ratio 1.5 drawn at 2") << 1.5;
}

// Each pixel of the picture is a square of whole device pixels in its own colour, with as much frame
// on the left as on the right.
void TestSkinPreview::pictureCrispAndCentred() {
    QFETCH(double, ratio);
    if (!qFuzzyCompare(qApp->devicePixelRatio(), ratio)) {
        const std::optional<QString> failure = runRowAtScaleFactor(ratio);
        QVERIFY2(!failure, qPrintable(failure.value_or(QString())));
        return;
    }
    QImage picture(40, 20, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 4 + 1, y * 8, 200)); // none the frame's colour
    SkinPreview preview;
    preview.setPicture(picture);
    preview.resize(preview.sizeHint() + QSize(31, 17));
    const QImage shot = preview.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int factor = SignScale::wholeRatio(ratio);
    QPoint corner; // where the picture's first pixel, of a colour no other pixel has, begins
    for (int at = shot.width() * shot.height() - 1; at >= 0; --at)
        if (shot.pixel(at % shot.width(), at / shot.width()) == picture.pixel(0, 0))
            corner = QPoint(at % shot.width(), at / shot.width());
    for (int y = 0; y < picture.height() * factor; ++y)
        for (int x = 0; x < picture.width() * factor; ++x)
            QCOMPARE(shot.pixel(corner + QPoint(x, y)), picture.pixel(x / factor, y / factor));
    const int right = shot.width() - corner.x() - picture.width() * factor;
    QVERIFY2(std::abs(corner.x() - right) <= 2 * ratio,
             qPrintable(QStringLiteral("%1 | %2").arg(corner.x()).arg(right)));
}

QTEST_MAIN(TestSkinPreview)
#include "tst_skinpreview.moc"
