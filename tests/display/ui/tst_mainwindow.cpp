#include "display/LedPalette.h"
#include "display/SignScale.h"
#include "display/ui/MainWindow.h"
#include "display/ui/MessagePanel.h"
#include "resources/builtin/BuiltinImages.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

using namespace Qt::StringLiterals;

namespace {

const QPoint MessageAt(31, 39);

// The sign at one device pixel per LED pixel, put together from the pictures themselves: the skin,
// the caption, the clock showing " 9:05" and the message panel's image or the lit lamp.
QImage expectedSign(const QImage& message, bool lampLit) {
    QImage sign = QImage(builtinImagePath(BuiltinImage::Skin)).convertToFormat(QImage::Format_RGB32);
    QPainter painter(&sign);
    painter.drawImage(0, 0, QImage(builtinImagePath(BuiltinImage::Caption)));
    painter.fillRect(96, 0, 64, 16, QColor::fromRgb(LedPalette::Background.rgb()));
    painter.drawImage(96 + 11, 0, QImage(builtinDigitPath(9)));
    painter.drawImage(96 + 22, 0, QImage(builtinImagePath(BuiltinImage::Colon)));
    painter.drawImage(96 + 26, 0, QImage(builtinDigitPath(0)));
    painter.drawImage(96 + 37, 0, QImage(builtinDigitPath(5)));
    painter.drawImage(MessageAt, lampLit ? QImage(builtinImagePath(BuiltinImage::Lamp)) : message);
    return sign;
}

// The first device pixel of shot whose colour is not that of its LED pixel in led, each LED pixel
// a factor x factor square; pixels beyond the squares (where a fractional ratio leaves a few) belong
// to the sign's edge. Empty when there is none.
QString findBlur(const QImage& shot, const QImage& led, int factor) {
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            const QPoint dot(std::min(x / factor, led.width() - 1), std::min(y / factor, led.height() - 1));
            if (shot.pixel(x, y) != led.pixel(dot))
                return u"device pixel (%1, %2) is %3, not %4"_s.arg(x)
                    .arg(y)
                    .arg(shot.pixel(x, y), 0, 16)
                    .arg(led.pixel(dot), 0, 16);
        }
    }
    return {};
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void firstPaintIsAnnouncedOnce();
    void signIsCrisp_data();
    void signIsCrisp();
    void toolTipShowsWhileAnotherWindowIsActive();
};

// The window benchmark times the first paint through this signal; later paints stay quiet.
void TestMainWindow::firstPaintIsAnnouncedOnce() {
    MainWindow window(MessageAt);
    QSignalSpy painted(&window, &MainWindow::firstPainted);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(painted.count(), 1);
    window.repaint();
    QCOMPARE(painted.count(), 1);
}

void TestMainWindow::signIsCrisp_data() {
    QTest::addColumn<double>("ratio");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<bool>("lampLit");
    QTest::newRow("ratio 1") << 1.0 << 1 << false;
    QTest::newRow("ratio 2") << 2.0 << 1 << false;
    QTest::newRow("ratio 3") << 3.0 << 1 << false;
    QTest::newRow("ratio 1.5 drawn at 2") << 1.5 << 1 << false;
    QTest::newRow("ratio 1.25 drawn at 1") << 1.25 << 1 << false;
    QTest::newRow("zoom 2") << 1.0 << 2 << false;
    QTest::newRow("zoom 2 at ratio 1.5") << 1.5 << 2 << false;
    QTest::newRow("lamp at ratio 1.5") << 1.5 << 1 << true;
}

// Every LED pixel of the grabbed sign is a solid square of device pixels in its own colour; where a
// fractional ratio leaves device pixels beyond those squares, they repeat the skin's edge.
void TestMainWindow::signIsCrisp() {
    QFETCH(double, ratio);
    QFETCH(int, zoom);
    QFETCH(bool, lampLit);
    if (!qFuzzyCompare(qApp->devicePixelRatio(), ratio)) {
        const std::optional<QString> failure = runRowAtScaleFactor(ratio);
        QVERIFY2(!failure, qPrintable(failure.value_or(QString())));
        return;
    }
    MainWindow window(MessageAt);
    window.setZoom(zoom);
    window.showClock({u"0905"_s, {ClockFace::Dark, 9, 0, 5}});
    window.messagePanel()->placeFrame(QImage(builtinImagePath(BuiltinImage::Caption)), 40);
    window.messagePanel()->setVisible(!lampLit);
    window.setLampVisible(lampLit);
    window.setLampLit(lampLit);

    const QImage shot = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage led = expectedSign(window.messagePanel()->image(), lampLit);
    const int factor = zoom * SignScale::wholeRatio(ratio);
    QCOMPARE(shot.devicePixelRatio(), ratio);
    QVERIFY(shot.width() >= led.width() * factor && shot.height() >= led.height() * factor);
    const QString blur = findBlur(shot, led, factor);
    QVERIFY2(blur.isEmpty(), qPrintable(blur));
}

// The sign is seldom the active window; hovering the message still shows the item's tooltip.
void TestMainWindow::toolTipShowsWhileAnotherWindowIsActive() {
    MainWindow window(MessageAt);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.messagePanel()->show();
    window.messagePanel()->setToolTip(u"天気 http://a.test/"_s);
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QVERIFY(!window.isActiveWindow());
    QTest::mouseMove(window.messagePanel(), QPoint(20, 8));
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), u"天気 http://a.test/"_s);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
