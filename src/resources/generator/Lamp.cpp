#include "Pictures.h"
#include "PixelArt.h"

#include <QFontDatabase>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

constexpr QSize lampSize(160, 16);
constexpr int glyphPixels = 14;
constexpr int letterGap = 2; // the wider spacing of a sign's dot matrix

// The notice drawn white on black with smoothing off, so every pixel is either lit or dark.
QImage renderMask(const QFont& font, const QString& text) {
    QImage mask(lampSize * 2, QImage::Format_RGB32);
    mask.fill(Qt::black);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QPoint(glyphPixels, glyphPixels * 2), text);
    return mask;
}

bool isLit(QRgb pixel) {
    return qGray(pixel) >= 128;
}

QRect litBounds(const QImage& mask) {
    QRect bounds;
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            if (isLit(mask.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

} // namespace

std::optional<QImage> drawLamp(const QString& fontFile) {
    const int fontId = QFontDatabase::addApplicationFont(fontFile);
    if (fontId < 0)
        return std::nullopt;
    QFont font(QFontDatabase::applicationFontFamilies(fontId).value(0));
    font.setPixelSize(glyphPixels);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setLetterSpacing(QFont::AbsoluteSpacing, letterGap);

    const QImage mask = renderMask(font, u"更新しています"_s);
    const QRect bounds = litBounds(mask);
    if (bounds.isEmpty() || bounds.width() > lampSize.width() || bounds.height() > lampSize.height())
        return std::nullopt;

    // Centre the lettering on the lit pixels themselves rather than on the font's metrics.
    QImage lamp = solidImage(lampSize, Led::background);
    const QPoint offset((lampSize.width() - bounds.width()) / 2 - bounds.left(),
                        (lampSize.height() - bounds.height()) / 2 - bounds.top());
    for (int y = bounds.top(); y <= bounds.bottom(); ++y) {
        for (int x = bounds.left(); x <= bounds.right(); ++x) {
            if (isLit(mask.pixel(x, y)))
                lamp.setPixel(x + offset.x(), y + offset.y(), Led::red);
        }
    }
    return lamp;
}
