#pragma once

#include <QColor>
#include <QDir>
#include <QImage>
#include <QString>
#include <optional>

// Clock digit 0..9, 11 x 16: a plain bitmap face inside a one-pixel dark margin.
QImage drawDigit(int value);

// Clock colon, 4 x 16: two 2 x 2 dots.
QImage drawColon();

// Caption, 96 x 16: the program's name in orange dot-matrix lettering.
QImage drawCaption();

// Update lamp, 160 x 16: the red notice rendered without smoothing from the given font file;
// nothing when the font cannot be loaded.
std::optional<QImage> drawLamp(const QString& fontFile);

// The colours of one skin: the sides and the middle of each band, and the ridge between them.
struct SkinScheme {
    QColor side;
    QColor middle;
    QColor ridgeLight;
    QColor ridgeDark;
};

// A skin, 222 x 65: two horizontally shaded bands split by a thin ridge.
QImage drawSkin(const SkinScheme& scheme);

// The skin as a 256-colour picture, the form the shipped .bmp skins take.
QImage toPaletteImage(const QImage& image);

enum class TrayState { Idle, Updating, Info };

// A tray icon of side 16 or 32: a small LED sign, dim, with the red lamp, or lit with text.
QImage drawTrayIcon(TrayState state, int side);

// A sheet for checking the pictures by eye: the window as laid out, the tray icons beneath,
// read back from the images folder and enlarged by factor.
QImage composePreview(const QDir& images, int factor);
