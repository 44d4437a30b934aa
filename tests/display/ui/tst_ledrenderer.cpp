#include "display/LedPalette.h"
#include "display/ui/LedRenderer.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr QRgb Background = 0xff201627;
constexpr QRgb Orange = 0xffffa010;
constexpr QRgb Red = 0xffff0101;
constexpr QRgb Green = 0xffd2ff10;

QFont testFont(bool bold = false) {
    AppSettings settings;
    settings.FontBold = bold;
    return LedRenderer::messageFont(settings);
}

// The pen advance of text alone, i.e. the rendered width minus the blank column.
int penAdvance(const QString& text) {
    LedRenderer renderer;
    renderer.renderItem(colourKeywords({}, text, {}), testFont(), false);
    return renderer.layers().text.width() - 1;
}

// The colours lit in the text layer within columns [from, to).
QSet<QRgb> litColours(const QImage& text, int from, int to) {
    QSet<QRgb> colours;
    for (int y = 0; y < text.height(); ++y)
        for (int x = from; x < to; ++x)
            if (text.pixel(x, y) != 0xff000000u)
                colours.insert(text.pixel(x, y));
    return colours;
}

// An image from rows of pixel values, for exact comparisons on small synthetic layers.
QImage pixels(const QList<QList<QRgb>>& rows) {
    QImage image(int(rows.first().size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, rows[y][x]);
    return image;
}

QImage doubled(const QImage& image) {
    QImage doubled(image.width() * 2, image.height(), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < doubled.width(); ++x)
            doubled.setPixel(x, y, image.pixel(x / 2, y));
    return doubled;
}

const QString Label = u"天気"_s;
const QString Plain = u"列車に"_s;
const QString Keyword = u"遅れ"_s;

} // namespace

class TestLedRenderer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void fontFamily_data();
    void fontFamily();
    void messageFont();
    void runsTakeTheirColours();
    void monoLightsEverythingOrange();
    void layersAreTwoLevelAndAligned_data();
    void layersAreTwoLevelAndAligned();
    void widthIsPenPlusOne();
    void rasterOps_data();
    void rasterOps();
    void framesFromSyntheticLayers();
    void frameAColumnZeroIsDark();
    void frameBAfterglowRightOfGlyphEdges();
    void stretchDoublesEveryLayer();
};

void TestLedRenderer::initTestCase() {
    if (!QFontDatabase::families().contains(u"IPAGothic"_s))
        QSKIP("the IPAGothic face (fonts-ipafont-gothic) is not installed");
}

void TestLedRenderer::fontFamily_data() {
    QTest::addColumn<QString>("requested");
    QTest::addColumn<QString>("resolved");
    QTest::newRow("default MS Gothic face becomes IPAGothic") << u"ＭＳ ゴシック"_s << u"IPAGothic"_s;
    QTest::newRow("missing face becomes IPAGothic") << u"No Such Face 42"_s << u"IPAGothic"_s;
    QTest::newRow("empty face becomes IPAGothic") << u""_s << u"IPAGothic"_s;
    QTest::newRow("installed face is kept") << u"IPAMincho"_s << u"IPAMincho"_s;
}

void TestLedRenderer::fontFamily() {
    QFETCH(QString, requested);
    QFETCH(QString, resolved);
    if (!QFontDatabase::families().contains(resolved))
        QSKIP("face not installed");
    QCOMPARE(LedRenderer::resolveFontFamily(requested), resolved);
}

void TestLedRenderer::messageFont() {
    AppSettings settings;
    settings.FontSize = 10;
    settings.FontBold = true;
    settings.FontItalic = true;
    const QFont font = LedRenderer::messageFont(settings);
    QCOMPARE(font.family(), u"IPAGothic"_s);
    QCOMPARE(font.pointSizeF(), 10.0);
    QVERIFY(font.bold());
    QVERIFY(font.italic());
    QCOMPARE(font.styleStrategy() & QFont::NoAntialias, QFont::NoAntialias);
}

void TestLedRenderer::runsTakeTheirColours() {
    LedRenderer renderer;
    renderer.renderItem(colourKeywords(Label, Plain + Keyword, {Keyword}), testFont(), false);
    QVERIFY(renderer.keywordFound());
    const QImage& text = renderer.layers().text;
    const int labelEnd = penAdvance(Label);
    const int plainEnd = labelEnd + penAdvance(Plain);
    QCOMPARE(litColours(text, 0, labelEnd), QSet<QRgb>{Orange});
    QCOMPARE(litColours(text, labelEnd, plainEnd), QSet<QRgb>{Green});
    QCOMPARE(litColours(text, plainEnd, text.width()), QSet<QRgb>{Red});
}

void TestLedRenderer::monoLightsEverythingOrange() {
    LedRenderer renderer;
    renderer.renderItem(colourKeywords(Label, Plain + Keyword, {Keyword}), testFont(), true);
    QVERIFY(renderer.keywordFound()); // the keyword sound still plays
    QCOMPARE(litColours(renderer.layers().text, 0, renderer.layers().text.width()), QSet<QRgb>{Orange});
    const QImage& afterglow = renderer.layers().afterglow;
    QSet<QRgb> glow;
    for (int y = 0; y < afterglow.height(); ++y)
        for (int x = 0; x < afterglow.width(); ++x)
            glow.insert(afterglow.pixel(x, y));
    QCOMPARE(glow, (QSet<QRgb>{Background, 0xffb46e10}));
}

void TestLedRenderer::layersAreTwoLevelAndAligned_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("bold");
    QTest::newRow("Japanese text") << u"東京で列車に遅れがあります。"_s << false;
    QTest::newRow("Latin text with curves") << u"Sorvanta @ 12:45, ogre&"_s << false;
    QTest::newRow("bold face") << u"運転見合わせ Qy"_s << true;
}

void TestLedRenderer::layersAreTwoLevelAndAligned() {
    QFETCH(QString, text);
    QFETCH(bool, bold);
    LedRenderer renderer;
    renderer.renderItem(colourKeywords(Label, text, {u"遅れ"_s, u"ogre"_s}), testFont(bold), false);
    const LedLayers& layers = renderer.layers();
    const QSet<QRgb> litText{Orange, Red, Green};
    const QSet<QRgb> litGlow{0xffb46e10, 0xffa00101, 0xff80a010};
    int lit = 0;
    for (int y = 0; y < layers.mask.height(); ++y) {
        for (int x = 0; x < layers.mask.width(); ++x) {
            const QRgb mask = layers.mask.pixel(x, y);
            QVERIFY2(mask == 0xff000000u || mask == 0xffffffffu, "mask pixel neither black nor white");
            const bool glyph = mask == 0xff000000u;
            QCOMPARE(litText.contains(layers.text.pixel(x, y)), glyph);
            QCOMPARE(litGlow.contains(layers.afterglow.pixel(x, y)), glyph);
            if (!glyph) {
                QCOMPARE(layers.text.pixel(x, y), 0xff000000u);
                QCOMPARE(layers.afterglow.pixel(x, y), Background);
            }
            lit += glyph;
        }
    }
    QVERIFY(lit > 0);
}

void TestLedRenderer::widthIsPenPlusOne() {
    const QFont font = testFont();
    const QImage probe(1, 1, QImage::Format_RGB32);
    const QFontMetrics metrics(font, &probe);
    int pen = 0;
    for (const QChar c : Label + u"AiW遅れ"_s)
        pen += metrics.horizontalAdvance(c);
    LedRenderer renderer;
    renderer.renderItem(colourKeywords(Label, u"AiW遅れ"_s, {u"遅れ"_s}), font, false);
    const LedLayers& layers = renderer.layers();
    QCOMPARE(layers.text.size(), QSize(pen + 1, metrics.height()));
    QCOMPARE(layers.afterglow.size(), layers.text.size());
    QCOMPARE(layers.mask.size(), layers.text.size());
    for (int y = 0; y < layers.mask.height(); ++y)
        QCOMPARE(layers.mask.pixel(pen, y), 0xffffffffu); // the extra column stays blank
}

void TestLedRenderer::rasterOps_data() {
    QTest::addColumn<int>("op"); // 0 copy, 1 AND, 2 OR
    QTest::addColumn<int>("x");
    QTest::addColumn<QImage>("expected");
    constexpr QRgb d = 0xff0f0f0f, s = 0xff3355ff;
    QTest::newRow("copy clipped on the left") << 0 << -1 << pixels({{s, d, d, d}, {s, d, d, d}});
    QTest::newRow("copy clipped on the right") << 0 << 3 << pixels({{d, d, d, s}, {d, d, d, s}});
    QTest::newRow("AND keeps common bits") << 1 << 1 << pixels({{d, d & s, d & s, d}, {d, d & s, d & s, d}});
    QTest::newRow("OR adds bits") << 2 << 2 << pixels({{d, d, d | s, d | s}, {d, d, d | s, d | s}});
    QTest::newRow("placed wholly outside changes nothing") << 2 << 4 << pixels({{d, d, d, d}, {d, d, d, d}});
}

void TestLedRenderer::rasterOps() {
    QFETCH(int, op);
    QFETCH(int, x);
    QFETCH(QImage, expected);
    QImage dest = pixels(
        {{0xff0f0f0f, 0xff0f0f0f, 0xff0f0f0f, 0xff0f0f0f}, {0xff0f0f0f, 0xff0f0f0f, 0xff0f0f0f, 0xff0f0f0f}});
    // The source is taller than the destination: the extra row is clipped.
    const QImage src = pixels({{0xff3355ff, 0xff3355ff}, {0xff3355ff, 0xff3355ff}, {0xffffffff, 0xffffffff}});
    if (op == 0)
        blitCopy(dest, src, x);
    else if (op == 1)
        blitAnd(dest, src, x);
    else
        blitOr(dest, src, x);
    QCOMPARE(dest, expected);
}

void TestLedRenderer::framesFromSyntheticLayers() {
    // One lit red dot at (1, 0) of a 3 x 1 message.
    constexpr QRgb K = 0xff000000, W = 0xffffffff, B = Background, R = Red, G = 0xffa00101;
    LedLayers layers{pixels({{K, R, K}}), pixels({{B, G, B}}), pixels({{W, K, W}})};
    const LedFrames frames = composeFrames(layers, false);
    QCOMPARE(frames.a, pixels({{B, B, R}}));
    QCOMPARE(frames.b, pixels({{B, R, G}}));
}

void TestLedRenderer::frameAColumnZeroIsDark() {
    LedRenderer renderer;
    // A glyph reaching column 0 must still leave frame A's first column dark.
    renderer.renderItem(colourKeywords({}, u"█遅れ"_s, {u"遅れ"_s}), testFont(), false);
    QVERIFY(litColours(renderer.layers().text, 0, 1).size() > 0);
    for (bool stretch : {false, true}) {
        const QImage a = composeFrames(renderer.layers(), stretch).a;
        for (int y = 0; y < a.height(); ++y)
            QCOMPARE(a.pixel(0, y), Background);
    }
}

void TestLedRenderer::frameBAfterglowRightOfGlyphEdges() {
    LedRenderer renderer;
    renderer.renderItem(colourKeywords(Label, Plain + Keyword, {Keyword}), testFont(), false);
    const LedLayers& layers = renderer.layers();
    const QImage b = composeFrames(layers, false).b;
    const QHash<QRgb, QRgb> glowOf{{Orange, 0xffb46e10}, {Red, 0xffa00101}, {Green, 0xff80a010}};
    const QList<QRgb> darkOrGlow{Background, 0xffb46e10, 0xffa00101, 0xff80a010};
    int edges = 0;
    for (int y = 0; y < b.height(); ++y) {
        for (int x = 0; x < b.width(); ++x) {
            const QRgb lit = layers.text.pixel(x, y);
            if (lit == 0xff000000u) {
                QVERIFY(darkOrGlow.contains(b.pixel(x, y)));
                continue;
            }
            QCOMPARE(b.pixel(x, y), lit);
            if (x + 1 < b.width() && layers.text.pixel(x + 1, y) == 0xff000000u) {
                QCOMPARE(b.pixel(x + 1, y), glowOf.value(lit));
                ++edges;
            }
        }
    }
    QVERIFY(edges > 0);
}

void TestLedRenderer::stretchDoublesEveryLayer() {
    LedRenderer renderer;
    renderer.renderItem(colourKeywords(Label, Plain + Keyword, {Keyword}), testFont(), false);
    const LedLayers& layers = renderer.layers();
    const LedFrames stretched = composeFrames(layers, true);
    QCOMPARE(stretched.width(), 2 * layers.text.width());
    const LedFrames byHand =
        composeFrames({doubled(layers.text), doubled(layers.afterglow), doubled(layers.mask)}, false);
    QCOMPARE(stretched.a, byHand.a);
    QCOMPARE(stretched.b, byHand.b);
}

QTEST_MAIN(TestLedRenderer)
#include "tst_ledrenderer.moc"
