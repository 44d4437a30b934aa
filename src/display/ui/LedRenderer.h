#pragma once

#include "display/MessageSegments.h"
#include "settings/AppSettings.h"

#include <QFont>
#include <QImage>

// The three drawn layers of a message, all W0 x H, Format_RGB32.
struct LedLayers {
    QImage text;      // lit colours on black
    QImage afterglow; // darker colours on the LED background
    QImage mask;      // every glyph black on white

    bool isNull() const { return text.isNull(); }
};

// The two frames a scroll pass alternates, W x H (W = 2 x W0 when stretched).
struct LedFrames {
    QImage a; // lit text one pixel to the right, column 0 dark
    QImage b; // lit text at 0 with its afterglow one pixel to the right of every glyph edge

    int width() const { return a.width(); }
};

// Raster operations on Format_RGB32 pixels: src is placed with its left edge at x and its top at 0,
// clipped to dest, and combined with the 24-bit RGB values already there.
void blitCopy(QImage& dest, const QImage& src, int x);
void blitAnd(QImage& dest, const QImage& src, int x);
void blitOr(QImage& dest, const QImage& src, int x);

// Composes frames A and B from the layers. Where the mask has a glyph a frame shows the text layer,
// elsewhere the afterglow layer. With stretch every layer is widened to 2 x W0 by pixel doubling.
LedFrames composeFrames(const LedLayers& layers, bool stretch);

// Draws a coloured message into the three layers, glyph by glyph without smoothing, so that every
// pixel is either lit or dark and the mask lines up exactly with the lit text.
class LedRenderer {
public:
    // The installed face to use for family: the family itself when installed, else a Japanese
    // gothic face (the default "ＭＳ ゴシック" is seldom installed).
    static QString resolveFontFamily(const QString& family);
    // The message font from FontName, FontSize, FontBold and FontItalic, unsmoothed.
    static QFont messageFont(const AppSettings& settings);

    // Replaces the layers. mono is Scroll_MonoColor.
    void renderItem(const KeywordColouring& message, const QFont& font, bool mono);

    const LedLayers& layers() const { return m_layers; }
    bool keywordFound() const { return m_keywordFound; }

private:
    LedLayers m_layers;
    bool m_keywordFound = false;
};
