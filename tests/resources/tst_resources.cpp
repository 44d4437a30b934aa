#include "resources/builtin/BuiltinImages.h"

#include <QCoreApplication>
#include <QImage>
#include <QSet>
#include <QTest>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr QRgb ledBackground = qRgb(32, 22, 39);
constexpr QRgb ledYellowGreen = qRgb(210, 255, 16);
constexpr QRgb ledOrange = qRgb(255, 160, 16);
constexpr QRgb ledAfterglowOrange = qRgb(180, 110, 16);
constexpr QRgb ledRed = qRgb(255, 1, 1);

QImage opaque(const QString& path) {
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

bool isLit(const QImage& image, int x, int y) {
    return x >= 0 && y >= 0 && x < image.width() && y < image.height() && image.pixel(x, y) != ledBackground;
}

QSet<QRgb> coloursOf(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    }
    return colours;
}

int differingPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    }
    return count;
}

QList<QRgb> rgbList(std::initializer_list<QRgb> colours) {
    return QList<QRgb>(colours);
}

const QStringList shippedSkins = {u"その他/無地1.bmp"_s, u"ブルー/ブルー1.bmp"_s, u"メタル/メタル1.bmp"_s,
                                  u"ワイン/ワイン1.bmp"_s};

QString shippedSkinPath(const QString& relative) {
    return QCoreApplication::applicationDirPath() + u"/Images/"_s + relative;
}

} // namespace

class TestResources : public QObject {
    Q_OBJECT
private slots:
    void picturesLoadWithTheirSizes_data();
    void picturesLoadWithTheirSizes();
    void digitsLoadWithTheirSizes();
    void ledPicturesUseOnlyTheirColours_data();
    void ledPicturesUseOnlyTheirColours();
    void digitsKeepTheirDarkMargin_data();
    void digitsKeepTheirDarkMargin();
    void digitStrokesAreTwoPixelsThick_data();
    void digitStrokesAreTwoPixelsThick();
    void digitsAreAllDifferent();
    void colonDotsSitOnTheirRows();
    void lampLetteringSpansThePanel();
    void skinBandsAreLighterInTheMiddle_data();
    void skinBandsAreLighterInTheMiddle();
    void skinBandsAreSplitByARidge();
    void shippedSkinsAre256ColourBitmaps_data();
    void shippedSkinsAre256ColourBitmaps();
    void plainShippedSkinMatchesTheBuiltInSkin();
    void trayIconsDifferPairwise_data();
    void trayIconsDifferPairwise();
    void trayIconsShowTheirState_data();
    void trayIconsShowTheirState();
};

void TestResources::picturesLoadWithTheirSizes_data() {
    QTest::addColumn<BuiltinImage>("image");
    QTest::addColumn<QString>("alias");
    QTest::addColumn<QSize>("size");
    QTest::newRow("colon") << BuiltinImage::Colon << u":/pictures/colon.png"_s << QSize(4, 16);
    QTest::newRow("caption") << BuiltinImage::Caption << u":/pictures/caption.png"_s << QSize(96, 16);
    QTest::newRow("lamp") << BuiltinImage::Lamp << u":/pictures/lamp.png"_s << QSize(160, 16);
    QTest::newRow("skin") << BuiltinImage::Skin << u":/pictures/skin.png"_s << QSize(222, 65);
    QTest::newRow("tray idle") << BuiltinImage::TrayIdle << u":/pictures/tray-idle.png"_s << QSize(32, 32);
    QTest::newRow("tray idle small") << BuiltinImage::TrayIdleSmall << u":/pictures/tray-idle-16.png"_s
                                     << QSize(16, 16);
    QTest::newRow("tray updating") << BuiltinImage::TrayUpdating << u":/pictures/tray-updating.png"_s
                                   << QSize(32, 32);
    QTest::newRow("tray updating small")
        << BuiltinImage::TrayUpdatingSmall << u":/pictures/tray-updating-16.png"_s << QSize(16, 16);
    QTest::newRow("tray info") << BuiltinImage::TrayInfo << u":/pictures/tray-info.png"_s << QSize(32, 32);
    QTest::newRow("tray info small") << BuiltinImage::TrayInfoSmall << u":/pictures/tray-info-16.png"_s
                                     << QSize(16, 16);
    QTest::newRow("app") << BuiltinImage::App << u":/pictures/app.png"_s << QSize(64, 64);
    QTest::newRow("app small") << BuiltinImage::AppSmall << u":/pictures/app-48.png"_s << QSize(48, 48);
    QTest::newRow("app large") << BuiltinImage::AppLarge << u":/pictures/app-128.png"_s << QSize(128, 128);
}

void TestResources::picturesLoadWithTheirSizes() {
    QFETCH(BuiltinImage, image);
    QFETCH(QString, alias);
    QFETCH(QSize, size);
    QCOMPARE(builtinImagePath(image), alias);
    const QImage loaded(alias);
    QVERIFY2(!loaded.isNull(), qPrintable(alias));
    QCOMPARE(loaded.size(), size);
}

void TestResources::digitsLoadWithTheirSizes() {
    for (int digit = 0; digit <= 9; ++digit) {
        QCOMPARE(builtinDigitPath(digit), u":/pictures/digit%1.png"_s.arg(digit));
        QCOMPARE(QImage(builtinDigitPath(digit)).size(), QSize(11, 16));
    }
}

void TestResources::ledPicturesUseOnlyTheirColours_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QList<QRgb>>("colours");
    for (int digit = 0; digit <= 9; ++digit) {
        QTest::addRow("digit %d is two-level", digit)
            << builtinDigitPath(digit) << rgbList({ledBackground, ledYellowGreen});
    }
    QTest::newRow("colon is two-level")
        << builtinImagePath(BuiltinImage::Colon) << rgbList({ledBackground, ledYellowGreen});
    QTest::newRow("lamp is two-level")
        << builtinImagePath(BuiltinImage::Lamp) << rgbList({ledBackground, ledRed});
    QTest::newRow("caption dots are orange with an afterglow edge")
        << builtinImagePath(BuiltinImage::Caption) << rgbList({ledBackground, ledOrange, ledAfterglowOrange});
}

// Smoothing would bring in blended colours; a wrong colour scheme would drop the expected ones.
void TestResources::ledPicturesUseOnlyTheirColours() {
    QFETCH(QString, path);
    QFETCH(QList<QRgb>, colours);
    const QImage image = opaque(path);
    QCOMPARE(coloursOf(image), QSet<QRgb>(colours.cbegin(), colours.cend()));
    QCOMPARE(image.pixel(0, 0), ledBackground);
    QCOMPARE(image.pixel(image.width() - 1, image.height() - 1), ledBackground);
}

void TestResources::digitsKeepTheirDarkMargin_data() {
    QTest::addColumn<int>("digit");
    for (int digit = 0; digit <= 9; ++digit)
        QTest::addRow("digit %d", digit) << digit;
}

void TestResources::digitsKeepTheirDarkMargin() {
    QFETCH(int, digit);
    const QImage image = opaque(builtinDigitPath(digit));
    for (int x = 0; x < image.width(); ++x) {
        QVERIFY2(!isLit(image, x, 0), "top margin");
        QVERIFY2(!isLit(image, x, image.height() - 1), "bottom margin");
    }
    for (int y = 0; y < image.height(); ++y) {
        QVERIFY2(!isLit(image, 0, y), "left margin");
        QVERIFY2(!isLit(image, image.width() - 1, y), "right margin");
    }
    // The glyph fills the cell inside the margin from top to bottom, like its neighbours.
    bool topLit = false;
    bool bottomLit = false;
    for (int x = 1; x < image.width() - 1; ++x) {
        topLit = topLit || isLit(image, x, 1);
        bottomLit = bottomLit || isLit(image, x, image.height() - 2);
    }
    QVERIFY(topLit);
    QVERIFY(bottomLit);
}

void TestResources::digitStrokesAreTwoPixelsThick_data() {
    digitsKeepTheirDarkMargin_data();
}

// Every lit dot has a lit neighbour across and one above or below: no hairline strokes.
void TestResources::digitStrokesAreTwoPixelsThick() {
    QFETCH(int, digit);
    const QImage image = opaque(builtinDigitPath(digit));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!isLit(image, x, y))
                continue;
            const QByteArray where = QByteArray::number(x) + ',' + QByteArray::number(y);
            QVERIFY2(isLit(image, x - 1, y) || isLit(image, x + 1, y), where.constData());
            QVERIFY2(isLit(image, x, y - 1) || isLit(image, x, y + 1), where.constData());
        }
    }
}

void TestResources::digitsAreAllDifferent() {
    for (int a = 0; a <= 9; ++a) {
        for (int b = a + 1; b <= 9; ++b)
            QVERIFY2(opaque(builtinDigitPath(a)) != opaque(builtinDigitPath(b)),
                     qPrintable(u"%1 %2"_s.arg(a).arg(b)));
    }
}

void TestResources::colonDotsSitOnTheirRows() {
    const QImage image = opaque(builtinImagePath(BuiltinImage::Colon));
    QList<int> litRows;
    QSet<int> litColumns;
    for (int y = 0; y < image.height(); ++y) {
        int litInRow = 0;
        for (int x = 0; x < image.width(); ++x) {
            if (isLit(image, x, y)) {
                ++litInRow;
                litColumns.insert(x);
            }
        }
        if (litInRow > 0) {
            QCOMPARE(litInRow, 2);
            litRows.append(y);
        }
    }
    QCOMPARE(litRows, QList<int>({4, 5, 10, 11}));
    // Both dots share the same two neighbouring columns, so each is a 2 x 2 square.
    QCOMPARE(litColumns.size(), 2);
    QCOMPARE(std::abs(*litColumns.cbegin() - *std::next(litColumns.cbegin())), 1);
}

// A font that failed to load would leave the panel dark or draw a box or two.
void TestResources::lampLetteringSpansThePanel() {
    const QImage image = opaque(builtinImagePath(BuiltinImage::Lamp));
    int left = image.width();
    int right = -1;
    int lit = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isLit(image, x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
                ++lit;
            }
        }
    }
    QVERIFY2(right - left >= 80, "seven letters of at least 12 pixels each");
    QVERIFY2(lit > 150 && lit < image.width() * image.height() / 3, qPrintable(QString::number(lit)));
    QVERIFY2(std::abs(left - (image.width() - 1 - right)) <= 1, "centred");
}

void TestResources::skinBandsAreLighterInTheMiddle_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("row");
    const QString builtIn = builtinImagePath(BuiltinImage::Skin);
    QTest::newRow("built-in upper band") << builtIn << 16;
    QTest::newRow("built-in lower band") << builtIn << 50;
    for (const QString& skin : shippedSkins) {
        QTest::addRow("%s upper band", qPrintable(skin)) << shippedSkinPath(skin) << 16;
        QTest::addRow("%s lower band", qPrintable(skin)) << shippedSkinPath(skin) << 50;
    }
}

// Moving out from the middle column the band never gets lighter, and the sides end darker.
void TestResources::skinBandsAreLighterInTheMiddle() {
    QFETCH(QString, path);
    QFETCH(int, row);
    const QImage image = opaque(path);
    QCOMPARE(image.size(), QSize(222, 65));
    const auto lightness = [&](int x) { return QColor(image.pixel(x, row)).lightness(); };
    const int middle = image.width() / 2;
    for (int step : {-1, 1}) {
        for (int x = middle; x + step > 0 && x + step < image.width() - 1; x += step)
            QVERIFY2(lightness(x + step) <= lightness(x), qPrintable(QString::number(x + step)));
    }
    QVERIFY(lightness(1) + 20 < lightness(middle));
    QVERIFY(lightness(image.width() - 2) + 20 < lightness(middle));
}

void TestResources::skinBandsAreSplitByARidge() {
    const QImage image = opaque(builtinImagePath(BuiltinImage::Skin));
    const int x = image.width() / 2;
    // Inside each band a column keeps one shade; the ridge rows between them stand out.
    for (int y = 2; y < 30; ++y)
        QCOMPARE(image.pixel(x, y), image.pixel(x, 16));
    for (int y = 37; y < 63; ++y)
        QCOMPARE(image.pixel(x, y), image.pixel(x, 50));
    for (int y = 32; y <= 34; ++y)
        QVERIFY2(image.pixel(x, y) != image.pixel(x, 16), qPrintable(QString::number(y)));
}

void TestResources::shippedSkinsAre256ColourBitmaps_data() {
    QTest::addColumn<QString>("skin");
    for (const QString& skin : shippedSkins)
        QTest::newRow(qPrintable(skin)) << skin;
}

void TestResources::shippedSkinsAre256ColourBitmaps() {
    QFETCH(QString, skin);
    const QImage image(shippedSkinPath(skin));
    QVERIFY2(!image.isNull(), qPrintable(shippedSkinPath(skin)));
    QCOMPARE(image.size(), QSize(222, 65));
    QCOMPARE(image.format(), QImage::Format_Indexed8);
}

void TestResources::plainShippedSkinMatchesTheBuiltInSkin() {
    QCOMPARE(opaque(shippedSkinPath(u"その他/無地1.bmp"_s)), opaque(builtinImagePath(BuiltinImage::Skin)));
}

void TestResources::trayIconsDifferPairwise_data() {
    QTest::addColumn<BuiltinImage>("first");
    QTest::addColumn<BuiltinImage>("second");
    QTest::newRow("idle and updating") << BuiltinImage::TrayIdle << BuiltinImage::TrayUpdating;
    QTest::newRow("idle and info") << BuiltinImage::TrayIdle << BuiltinImage::TrayInfo;
    QTest::newRow("updating and info") << BuiltinImage::TrayUpdating << BuiltinImage::TrayInfo;
    QTest::newRow("idle and updating, small")
        << BuiltinImage::TrayIdleSmall << BuiltinImage::TrayUpdatingSmall;
    QTest::newRow("idle and info, small") << BuiltinImage::TrayIdleSmall << BuiltinImage::TrayInfoSmall;
    QTest::newRow("updating and info, small")
        << BuiltinImage::TrayUpdatingSmall << BuiltinImage::TrayInfoSmall;
}

// Told apart at a glance: far more than a stray pixel, one in twenty, changes between two states.
void TestResources::trayIconsDifferPairwise() {
    QFETCH(BuiltinImage, first);
    QFETCH(BuiltinImage, second);
    const QImage a(builtinImagePath(first));
    const QImage b(builtinImagePath(second));
    QCOMPARE(a.size(), b.size());
    const int changed = differingPixels(a, b);
    QVERIFY2(changed * 20 >= a.width() * a.height(), qPrintable(QString::number(changed)));
}

void TestResources::trayIconsShowTheirState_data() {
    QTest::addColumn<BuiltinImage>("icon");
    QTest::addColumn<bool>("red");
    QTest::addColumn<bool>("lit");
    QTest::newRow("idle is dim") << BuiltinImage::TrayIdle << false << false;
    QTest::newRow("updating has the red lamp") << BuiltinImage::TrayUpdating << true << false;
    QTest::newRow("info is lit") << BuiltinImage::TrayInfo << false << true;
    QTest::newRow("idle is dim, small") << BuiltinImage::TrayIdleSmall << false << false;
    QTest::newRow("updating has the red lamp, small") << BuiltinImage::TrayUpdatingSmall << true << false;
    QTest::newRow("info is lit, small") << BuiltinImage::TrayInfoSmall << false << true;
}

void TestResources::trayIconsShowTheirState() {
    QFETCH(BuiltinImage, icon);
    QFETCH(bool, red);
    QFETCH(bool, lit);
    const QSet<QRgb> colours =
        coloursOf(QImage(builtinImagePath(icon)).convertToFormat(QImage::Format_ARGB32));
    QCOMPARE(colours.contains(ledRed), red);
    QCOMPARE(colours.contains(ledYellowGreen), lit);
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
