// The message panel's own X window shows what the plain path paints: the panel's image, dot for dot,
// after every scroll step. Runs on an Xvfb server of its own and skips where Xvfb is not installed.
#include "display/ui/MainWindow.h"
#include "display/ui/MessagePanel.h"
#include "display/ui/MessageScroller.h"
#include "display/ui/X11PanelScreen.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QThread>
#include <csignal>
#include <memory>
#include <optional>
#include <xcb/xcb.h>

using namespace Qt::StringLiterals;

namespace {

constexpr QRgb Background = 0xff201627;

// Columns of lit, afterglow and dark dots in a pattern that never repeats within a tile, so a copy
// from the wrong place or the wrong tile shows.
LedLayers patternLayers(int width, int height = 16) {
    LedLayers layers{QImage(width, height, QImage::Format_RGB32), QImage(width, height, QImage::Format_RGB32),
                     QImage(width, height, QImage::Format_RGB32)};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool glyph = (x * 7 + y * 3 + x / 13) % 5 < 2 && x < width - 1;
            layers.text.setPixel(x, y, glyph ? qRgb(210, (x * 5) % 256, (x / 256) * 40) : 0xff000000);
            layers.afterglow.setPixel(x, y, glyph ? qRgb(128, 160, 16) : Background);
            layers.mask.setPixel(x, y, glyph ? 0xff000000 : 0xffffffff);
        }
    }
    return layers;
}

AppSettings options(bool shadow, bool stretch) {
    AppSettings settings;
    settings.Scroll_Shadow = shadow;
    settings.Scroll_Stretch = stretch;
    settings.Scroll_Blink = false;
    settings.Left = 20;
    settings.Top = 10;
    return settings;
}

xcb_connection_t* connection() {
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

// What the X server shows in the window, as Format_RGB32 (the screen accepts only 32-bit pixels).
QImage readBack(WId window, QSize size) {
    xcb_connection_t* connection = ::connection();
    const auto cookie = xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, xcb_window_t(window), 0, 0,
                                      std::uint16_t(size.width()), std::uint16_t(size.height()), ~0u);
    std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> reply(
        xcb_get_image_reply(connection, cookie, nullptr), &std::free);
    if (!reply)
        return {};
    QImage image(xcb_get_image_data(reply.get()), size.width(), size.height(), QImage::Format_RGB32);
    QImage opaque = image.copy();
    for (int y = 0; y < opaque.height(); ++y)
        for (int x = 0; x < opaque.width(); ++x)
            opaque.setPixel(x, y, opaque.pixel(x, y) | 0xff000000);
    return opaque;
}

struct Fixture {
    QWidget host;
    MessagePanel* panel = new MessagePanel(&host);
    MessageScroller scroller{panel};

    Fixture() {
        host.resize(400, 80);
        panel->hide();
        host.show();
    }
    X11PanelScreen* screen() const { return panel->findChild<X11PanelScreen*>(); }
    QImage onScreen() const {
        return readBack(screen()->winId(), screen()->size() * screen()->devicePixelRatio());
    }
    // Lets the screen's window appear and draw itself from the panel's image.
    bool exposed() const {
        return QTest::qWaitFor([this] {
            return screen()->windowHandle() && screen()->windowHandle()->isExposed() &&
                   onScreen() == panel->image();
        });
    }
};

} // namespace

class TestX11PanelScreen : public QObject {
    Q_OBJECT
private slots:
    void init();
    void screenShowsEveryStep_data();
    void screenShowsEveryStep();
    void exposedScreenIsRedrawn();
    void wholeDotsOnlyOnTheScreen();
    void signDraggedWithoutAWindowManager();
};

void TestX11PanelScreen::init() {
    if (QGuiApplication::platformName() != u"xcb"_s)
        QSKIP("no X server of our own: Xvfb is not installed");
}

void TestX11PanelScreen::screenShowsEveryStep_data() {
    QTest::addColumn<int>("messageWidth");
    QTest::addColumn<bool>("shadow");
    QTest::addColumn<bool>("stretch");
    QTest::newRow("frame A only, across three tiles") << 2300 << false << false;
    QTest::newRow("frames A and B, across three tiles") << 2300 << true << false;
    QTest::newRow("stretched, a tile edge on the panel") << 600 << true << true;
    QTest::newRow("narrower than the panel") << 40 << true << false;
}

void TestX11PanelScreen::screenShowsEveryStep() {
    QFETCH(int, messageWidth);
    QFETCH(bool, shadow);
    QFETCH(bool, stretch);
    Fixture f;
    QVERIFY(f.scroller.start(patternLayers(messageWidth), options(shadow, stretch), u"item"_s, u"before"_s));
    QVERIFY(f.screen());
    QVERIFY(f.screen()->isVisible());
    QVERIFY(f.exposed());
    int steps = 0;
    for (f.scroller.advance(); f.scroller.phase() == MessageScroller::Phase::Steps; f.scroller.advance()) {
        const QImage shown = f.onScreen();
        if (shown != f.panel->image())
            QFAIL(qPrintable(u"step %1 at x = %2 differs"_s.arg(steps).arg(f.scroller.x())));
        ++steps;
    }
    QCOMPARE(steps, (160 + f.scroller.frameWidth() + 1) * (shadow ? 2 : 1));
    QCOMPARE(f.onScreen(), f.panel->image());
}

void TestX11PanelScreen::exposedScreenIsRedrawn() {
    Fixture f;
    QVERIFY(f.scroller.start(patternLayers(500), options(true, false), u"item"_s, u"before"_s));
    QVERIFY(f.exposed());
    for (int step = 0; step < 250; ++step)
        f.scroller.advance();
    // Something else draws over the window; the server then asks for it to be drawn again.
    xcb_connection_t* connection = ::connection();
    const auto window = xcb_window_t(f.screen()->winId());
    const xcb_gcontext_t gc = xcb_generate_id(connection);
    const std::uint32_t red = 0xff0000;
    xcb_create_gc(connection, gc, window, XCB_GC_FOREGROUND, &red);
    const xcb_rectangle_t all{0, 0, 160, 16};
    xcb_poly_fill_rectangle(connection, window, gc, 1, &all);
    xcb_free_gc(connection, gc);
    QVERIFY(f.onScreen() != f.panel->image());
    xcb_clear_area(connection, 1, window, 0, 0, 0, 0);
    xcb_flush(connection);
    QTRY_COMPARE(f.onScreen(), f.panel->image());
}

void TestX11PanelScreen::wholeDotsOnlyOnTheScreen() {
    Fixture f;
    QVERIFY(f.scroller.start(patternLayers(500), options(true, false), u"item"_s, u"before"_s));
    QVERIFY(f.exposed());
    f.scroller.stop();
    // Twice the size (a zoom): every dot is 2 x 2 pixels, still drawn on the server, at once.
    f.panel->resize(320, 32);
    QTRY_COMPARE(f.onScreen(), f.panel->image().scaled(320, 32));
    f.panel->clear();
    f.panel->placeFrame(composeFrames(patternLayers(500), false).a, 30);
    QVERIFY(f.screen()->isVisible());
    QTRY_COMPARE(f.onScreen(), f.panel->image().scaled(320, 32));
    // One and a half: the dots would not fall on whole pixels, so the panel paints itself.
    f.panel->resize(240, 24);
    f.panel->clear();
    QVERIFY(f.screen()->isHidden());
    f.panel->placeFrame(composeFrames(patternLayers(500), false).a, 30);
    QVERIFY(f.screen()->isHidden());
    // Back to one dot per pixel: the screen takes over again.
    f.panel->resize(160, 16);
    f.panel->clear();
    QVERIFY(!f.screen()->isHidden());
}

namespace {

// True once the server pid owns display: its lock names it and its socket is there.
bool serverUp(int display, qint64 pid) {
    QFile lock(u"/tmp/.X%1-lock"_s.arg(display));
    return lock.open(QIODevice::ReadOnly) && lock.readAll().trimmed().toLongLong() == pid &&
           QFileInfo::exists(u"/tmp/.X11-unix/X%1"_s.arg(display));
}

// Starts Xvfb on the first display from :300 that no server has locked and points Qt at it. It ends
// itself when our connection closes (-terminate), a crashed test included.
std::optional<qint64> startOwnXServer() {
    const QString xvfb = QStandardPaths::findExecutable(u"Xvfb"_s);
    if (xvfb.isEmpty())
        return std::nullopt;
    for (int display = 300; display < 400; ++display) {
        if (QFileInfo::exists(u"/tmp/.X%1-lock"_s.arg(display)))
            continue;
        qint64 pid = 0;
        const QStringList arguments{u":%1"_s.arg(display), u"-screen"_s, u"0"_s,         u"640x480x24"_s,
                                    u"-nolisten"_s,        u"tcp"_s,     u"-terminate"_s};
        if (!QProcess::startDetached(xvfb, arguments, QDir::tempPath(), &pid))
            return std::nullopt;
        // A server started meanwhile by someone else keeps the display; ours then gives up and ends.
        for (int waited = 0; waited < 500 && !serverUp(display, pid) && ::kill(pid_t(pid), 0) == 0; ++waited)
            QThread::msleep(20);
        if (serverUp(display, pid)) {
            qputenv("DISPLAY", u":%1"_s.arg(display).toLatin1());
            qputenv("QT_QPA_PLATFORM", "xcb");
            return pid;
        }
        ::kill(pid_t(pid), SIGTERM);
    }
    return std::nullopt;
}

} // namespace

// Our X server has no window manager to move the window: the sign follows the mouse itself.
void TestX11PanelScreen::signDraggedWithoutAWindowManager() {
    MainWindow window(QPoint(0, 16));
    window.move(100, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint before = window.pos();
    QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(&window, QPoint(60, 40));
    QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(60, 40));
    QTRY_COMPARE(window.pos(), before + QPoint(50, 30));
}

int main(int argc, char* argv[]) {
    const std::optional<qint64> server = startOwnXServer();
    int status = 0;
    {
        QApplication application(argc, argv);
        TestX11PanelScreen test;
        status = QTest::qExec(&test, argc, argv);
    }
    if (server)
        ::kill(pid_t(*server), SIGTERM);
    return status;
}

#include "tst_x11panelscreen.moc"
