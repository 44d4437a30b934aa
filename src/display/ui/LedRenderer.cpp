#include "display/ui/LedRenderer.h"

#include "display/LedPalette.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace {

QRgb toRgb(LedColour colour) {
    return qRgb(colour.red, colour.green, colour.blue);
}

// Combines the overlapping part of src into dest, row by row, with op on the 24-bit RGB values.
template <typename Op> void blit(QImage& dest, const QImage& src, int x, Op op) {
    Q_ASSERT(dest.format() == QImage::Format_RGB32);
    const QImage source = src.convertToFormat(QImage::Format_RGB32);
    const int first = std::max(0, x);
    const int last = std::min(dest.width(), x + source.width()); // one past the last column
    const int rows = std::min(dest.height(), source.height());
    for (int y = 0; y < rows; ++y) {
        auto* to = reinterpret_cast<QRgb*>(dest.scanLine(y));
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int column = first; column < last; ++column)
            to[column] = 0xff000000u | (op(to[column], from[column - x]) & 0x00ffffffu);
    }
}

// Calls draw(pen x, glyph, role) for every character of the runs, a surrogate pair as one, and
// returns the final pen x. Measuring and drawing both walk through here, so they advance alike.
template <typename Draw>
int walkGlyphs(const QList<MessageRun>& runs, const QFontMetrics& metrics, Draw draw) {
    int pen = 0;
    for (const MessageRun& run : runs) {
        const QString& text = run.text;
        for (qsizetype i = 0; i < text.size();) {
            const bool pair =
                text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
            const QString glyph = text.mid(i, pair ? 2 : 1);
            draw(pen, glyph, run.role);
            pen += metrics.horizontalAdvance(glyph);
            i += glyph.size();
        }
    }
    return pen;
}

QImage clearedLayer(QSize size, LedLayer layer) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(toRgb(layerBackground(layer)));
    return image;
}

void drawLayer(QImage& image, LedLayer layer, const QList<MessageRun>& runs, const QFont& font, bool mono) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    const QFontMetrics metrics = painter.fontMetrics();
    walkGlyphs(runs, metrics, [&](int pen, const QString& glyph, RunRole role) {
        painter.setPen(QColor(toRgb(runColour(layer, role, mono))));
        painter.drawText(QPoint(pen, metrics.ascent()), glyph);
    });
}

QImage widened(const QImage& layer, int width) {
    if (layer.width() == width)
        return layer;
    return layer.scaled(width, layer.height(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QImage composeFrame(const LedLayers& layers, int width, int maskAndTextOffset) {
    QImage frame(width, layers.text.height(), QImage::Format_RGB32);
    frame.fill(toRgb(LedPalette::Background));
    blitCopy(frame, widened(layers.afterglow, width), 1);
    blitAnd(frame, widened(layers.mask, width), maskAndTextOffset);
    blitOr(frame, widened(layers.text, width), maskAndTextOffset);
    return frame;
}

} // namespace

void blitCopy(QImage& dest, const QImage& src, int x) {
    blit(dest, src, x, [](QRgb, QRgb from) { return from; });
}

void blitAnd(QImage& dest, const QImage& src, int x) {
    blit(dest, src, x, [](QRgb to, QRgb from) { return to & from; });
}

void blitOr(QImage& dest, const QImage& src, int x) {
    blit(dest, src, x, [](QRgb to, QRgb from) { return to | from; });
}

LedFrames composeFrames(const LedLayers& layers, bool stretch) {
    if (layers.isNull())
        return {};
    const int width = layers.text.width() * (stretch ? 2 : 1);
    return {composeFrame(layers, width, 1), composeFrame(layers, width, 0)};
}

QString LedRenderer::resolveFontFamily(const QString& family) {
    const QStringList installed = QFontDatabase::families();
    auto isInstalled = [&](const QString& name) { return installed.contains(name, Qt::CaseInsensitive); };
    if (!family.isEmpty() && isInstalled(family))
        return family;
    // fontconfig may list the IPA face under its Japanese name in a Japanese locale.
    const std::array fallbacks{u"IPAGothic"_s, u"IPAゴシック"_s, u"Noto Sans CJK JP"_s};
    const auto found = std::find_if(fallbacks.begin(), fallbacks.end(), isInstalled);
    return found != fallbacks.end() ? *found : family;
}

QFont LedRenderer::messageFont(const AppSettings& settings) {
    QFont font(resolveFontFamily(settings.FontName));
    if (settings.FontSize > 0)
        font.setPointSizeF(settings.FontSize);
    font.setBold(settings.FontBold);
    font.setItalic(settings.FontItalic);
    // LED dots are on or off: smoothed edges would break the two-level mask.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void LedRenderer::renderItem(const KeywordColouring& message, const QFont& font, bool mono) {
    const QImage probe(1, 1, QImage::Format_RGB32); // same resolution as the layers
    const QFontMetrics metrics(font, &probe);
    const int width = walkGlyphs(message.runs, metrics, [](int, const QString&, RunRole) {}) + 1;
    const QSize size(width, metrics.height());

    m_layers.mask = clearedLayer(size, LedLayer::Mask);
    m_layers.afterglow = clearedLayer(size, LedLayer::Afterglow);
    m_layers.text = clearedLayer(size, LedLayer::Text);
    drawLayer(m_layers.mask, LedLayer::Mask, message.runs, font, mono);
    drawLayer(m_layers.afterglow, LedLayer::Afterglow, message.runs, font, mono);
    drawLayer(m_layers.text, LedLayer::Text, message.runs, font, mono);
    m_keywordFound = message.keywordFound;
}
