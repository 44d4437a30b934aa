#include "display/ui/MessagePanel.h"
#include "display/ui/MessageScroller.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

constexpr QRgb Background = 0xff201627;
constexpr QRgb Lit = 0xffd2ff10;
constexpr QRgb Glow = 0xff80a010;

// A message width columns wide whose glyphs fill every column but the last, the blank one the
// renderer leaves; so frame A's last column is lit, as with a "5" at the end of a message.
LedLayers solidLayers(int width, int height = 16) {
    LedLayers layers{QImage(width, height, QImage::Format_RGB32), QImage(width, height, QImage::Format_RGB32),
                     QImage(width, height, QImage::Format_RGB32)};
    layers.text.fill(Lit);
    layers.afterglow.fill(Glow);
    layers.mask.fill(Qt::black);
    for (int y = 0; y < height; ++y) {
        layers.text.setPixel(width - 1, y, 0xff000000);
        layers.afterglow.setPixel(width - 1, y, Background);
        layers.mask.setPixel(width - 1, y, 0xffffffff);
    }
    return layers;
}

// The panel as it should look with frame at x and nothing else lit.
QImage panelWith(const QImage& frame, int x) {
    QImage panel(MessagePanel::PanelSize, QImage::Format_RGB32);
    panel.fill(Background);
    QPainter painter(&panel);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(x, 0, frame);
    return panel;
}

QImage darkPanel() {
    QImage panel(MessagePanel::PanelSize, QImage::Format_RGB32);
    panel.fill(Background);
    return panel;
}

AppSettings options(bool shadow, bool stretch = false) {
    AppSettings settings;
    settings.Scroll_Shadow = shadow;
    settings.Scroll_Stretch = stretch;
    settings.Scroll_Blink = false;
    return settings;
}

struct Fixture {
    MessagePanel panel;
    MessageScroller scroller{&panel};
    QSignalSpy captions{&scroller, &MessageScroller::captionChanged};
    QSignalSpy finished{&scroller, &MessageScroller::finished};
};

} // namespace

class TestMessageScroller : public QObject {
    Q_OBJECT
private slots:
    void passLength_data();
    void passLength();
    void panelAtEachStep_data();
    void panelAtEachStep();
    void waitsBetweenActions_data();
    void waitsBetweenActions();
    void initialPause_data();
    void initialPause();
    void blinkDarkensThePanel();
    void captionSwappedAndRestored();
    void hidingStopsThePass_data();
    void hidingStopsThePass();
    void newPassEndsTheRunningOne();
    void nothingRenderedNothingStarts();
    void timerRunsAWholePass();
};

void TestMessageScroller::passLength_data() {
    QTest::addColumn<int>("messageWidth");
    QTest::addColumn<bool>("shadow");
    QTest::addColumn<bool>("stretch");
    QTest::addColumn<int>("frameWidth");
    QTest::addColumn<int>("steps");
    QTest::newRow("stretched 101-pixel message") << 101 << false << true << 202 << 363;
    QTest::newRow("stretched with flicker reduction") << 101 << true << true << 202 << 363;
    QTest::newRow("plain 101-pixel message") << 101 << false << false << 101 << 262;
    QTest::newRow("message narrower than the panel") << 10 << true << false << 10 << 171;
}

void TestMessageScroller::passLength() {
    QFETCH(int, messageWidth);
    QFETCH(bool, shadow);
    QFETCH(bool, stretch);
    QFETCH(int, frameWidth);
    QFETCH(int, steps);
    Fixture f;
    QVERIFY(f.scroller.start(solidLayers(messageWidth), options(shadow, stretch), u"item"_s, u"before"_s));
    QCOMPARE(f.scroller.phase(), MessageScroller::Phase::Pause);
    QCOMPARE(f.scroller.frameWidth(), frameWidth);
    int advances = 0; // one per frame shown: A, or A and B with flicker reduction
    for (f.scroller.advance(); f.scroller.phase() == MessageScroller::Phase::Steps; f.scroller.advance())
        ++advances;
    QCOMPARE(advances, steps * (shadow ? 2 : 1));
    QCOMPARE(f.scroller.x(), -frameWidth - 1); // the last step was at -W
    QCOMPARE(f.scroller.phase(), MessageScroller::Phase::Tail);
    QVERIFY(!f.panel.isHidden());
    QCOMPARE(f.finished.count(), 0);
    f.scroller.advance();
    QVERIFY(f.panel.isHidden());
    QCOMPARE(f.finished.count(), 1);
    QVERIFY(!f.scroller.isRunning());
}

void TestMessageScroller::panelAtEachStep_data() {
    QTest::addColumn<bool>("shadow");
    QTest::newRow("frame A only") << false;
    QTest::newRow("frame A then frame B") << true;
}

void TestMessageScroller::panelAtEachStep() {
    QFETCH(bool, shadow);
    Fixture f;
    const LedLayers layers = solidLayers(6);
    const LedFrames frames = composeFrames(layers, false);
    f.scroller.start(layers, options(shadow), u"item"_s, u"before"_s);
    QCOMPARE(f.panel.image(), darkPanel());
    for (int x = 160; x >= -frames.width(); --x) {
        f.scroller.advance();
        // No streak is left right of the message however often it has moved.
        QCOMPARE(f.panel.image(), panelWith(frames.a, x));
        if (shadow) {
            f.scroller.advance();
            QCOMPARE(f.panel.image(), panelWith(frames.b, x));
        }
    }
    QCOMPARE(f.panel.image(), darkPanel()); // the message has left on the left
}

void TestMessageScroller::waitsBetweenActions_data() {
    QTest::addColumn<bool>("shadow");
    QTest::addColumn<QList<int>>("waits");
    QTest::newRow("plain: one frame every 25 ms") << false << QList<int>{500, 25, 25, 25};
    QTest::newRow("flicker reduction: A for 20 ms, B for 5 ms") << true << QList<int>{500, 20, 5, 20, 5};
}

void TestMessageScroller::waitsBetweenActions() {
    QFETCH(bool, shadow);
    QFETCH(QList<int>, waits);
    Fixture f;
    f.scroller.start(solidLayers(4), options(shadow), u"item"_s, u"before"_s);
    QList<int> seen{int(f.scroller.pendingWait().count())};
    while (seen.size() < waits.size()) {
        f.scroller.advance();
        seen << int(f.scroller.pendingWait().count());
    }
    QCOMPARE(seen, waits);
    while (f.scroller.phase() != MessageScroller::Phase::Tail)
        f.scroller.advance();
    QCOMPARE(f.scroller.pendingWait(), 500ms);
}

void TestMessageScroller::initialPause_data() {
    QTest::addColumn<int>("scrollDelay");
    QTest::addColumn<int>("pause");
    QTest::newRow("0 gives 500") << 0 << 500;
    QTest::newRow("negative gives 500") << -3 << 500;
    QTest::newRow("6000 gives 500") << 6000 << 500;
    QTest::newRow("1 is kept") << 1 << 1;
    QTest::newRow("5000 is kept") << 5000 << 5000;
}

void TestMessageScroller::initialPause() {
    QFETCH(int, scrollDelay);
    QFETCH(int, pause);
    Fixture f;
    AppSettings settings = options(false);
    settings.ScrollDelay = scrollDelay;
    f.scroller.start(solidLayers(4), settings, u"item"_s, u"before"_s);
    QCOMPARE(f.scroller.pendingWait(), std::chrono::milliseconds(pause));
    QCOMPARE(f.scroller.phase(), MessageScroller::Phase::Pause);
}

void TestMessageScroller::blinkDarkensThePanel() {
    Fixture f;
    qint64 now = 4000;
    f.scroller.setMonotonicClock([&now] { return now; });
    AppSettings settings = options(false);
    settings.Scroll_Blink = true;
    const LedLayers layers = solidLayers(6);
    const QImage frameA = composeFrames(layers, false).a;
    f.scroller.start(layers, settings, u"item"_s, u"before"_s);
    f.scroller.advance(); // 4000 % 2000 = 0: lit
    QCOMPARE(f.panel.image(), panelWith(frameA, 160));
    now = 5500; // 1500 is still lit
    f.scroller.advance();
    QCOMPARE(f.panel.image(), panelWith(frameA, 159));
    now = 5501; // the last 500 ms of the cycle are dark, and x moves on meanwhile
    f.scroller.advance();
    QCOMPARE(f.panel.image(), darkPanel());
    now = 7999;
    f.scroller.advance();
    QCOMPARE(f.panel.image(), darkPanel());
    now = 8000;
    f.scroller.advance();
    QCOMPARE(f.panel.image(), panelWith(frameA, 156));
}

void TestMessageScroller::captionSwappedAndRestored() {
    Fixture f;
    AppSettings settings = options(false);
    settings.Left = 12;
    settings.Top = 7;
    f.panel.hide();
    f.panel.resize(3, 3);
    f.scroller.start(solidLayers(2), settings, u"天気晴れ"_s, u"3件の情報があります"_s);
    QCOMPARE(f.panel.geometry(), QRect(12, 7, 160, 16));
    QVERIFY(!f.panel.isHidden());
    QCOMPARE(f.captions.count(), 1);
    QCOMPARE(f.captions.last().first().toString(), u"天気晴れ"_s);
    while (f.scroller.isRunning())
        f.scroller.advance();
    QCOMPARE(f.captions.count(), 2);
    QCOMPARE(f.captions.last().first().toString(), u"3件の情報があります"_s);
    QCOMPARE(f.finished.count(), 1);
}

void TestMessageScroller::hidingStopsThePass_data() {
    QTest::addColumn<int>("advancesBeforeHide");
    QTest::newRow("during the pause") << 0;
    QTest::newRow("mid-pass") << 40;
}

void TestMessageScroller::hidingStopsThePass() {
    QFETCH(int, advancesBeforeHide);
    Fixture f;
    f.scroller.start(solidLayers(30), options(true), u"item"_s, u"before"_s);
    for (int i = 0; i < advancesBeforeHide; ++i)
        f.scroller.advance();
    const QImage shown = f.panel.image();
    f.panel.hide();
    QVERIFY(!f.scroller.isRunning());
    QCOMPARE(f.scroller.phase(), MessageScroller::Phase::Idle);
    QCOMPARE(f.finished.count(), 1);
    QCOMPARE(f.captions.last().first().toString(), u"before"_s);
    for (int i = 0; i < 5; ++i)
        f.scroller.advance();
    QCOMPARE(f.panel.image(), shown);
    QCOMPARE(f.finished.count(), 1);
    QCOMPARE(f.captions.count(), 2);
}

void TestMessageScroller::newPassEndsTheRunningOne() {
    Fixture f;
    f.scroller.start(solidLayers(30), options(false), u"first"_s, u"idle"_s);
    for (int i = 0; i < 10; ++i)
        f.scroller.advance();
    f.scroller.start(solidLayers(8), options(false), u"second"_s, u"idle"_s);
    QCOMPARE(f.finished.count(), 1);
    QCOMPARE(f.scroller.phase(), MessageScroller::Phase::Pause);
    QCOMPARE(f.scroller.x(), 160);
    QCOMPARE(f.panel.image(), darkPanel());
    QStringList captions;
    for (const QList<QVariant>& signal : f.captions)
        captions << signal.first().toString();
    QCOMPARE(captions, (QStringList{u"first"_s, u"idle"_s, u"second"_s}));
}

void TestMessageScroller::nothingRenderedNothingStarts() {
    Fixture f;
    f.panel.hide();
    QVERIFY(!f.scroller.start(LedLayers{}, options(false), u"item"_s, u"before"_s));
    QVERIFY(f.panel.isHidden());
    QCOMPARE(f.captions.count(), 0);
    QCOMPARE(f.finished.count(), 0);
}

void TestMessageScroller::timerRunsAWholePass() {
    Fixture f;
    AppSettings settings = options(true);
    settings.ScrollDelay = 1;
    f.scroller.start(solidLayers(3), settings, u"item"_s, u"before"_s);
    QTRY_COMPARE_WITH_TIMEOUT(f.finished.count(), 1, 30000);
    QVERIFY(f.panel.isHidden());
    QCOMPARE(f.captions.last().first().toString(), u"before"_s);
}

QTEST_MAIN(TestMessageScroller)
#include "tst_messagescroller.moc"
