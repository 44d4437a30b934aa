#pragma once

#include <QImage>
#include <QList>

// The sizes in which the application icon is installed into the hicolor icon theme.
inline const QList<int> HicolorSizes = {16, 22, 24, 32, 48, 64, 128, 256};

// The application icon, size x size, from its pixel art drawn at 16 and at 32 pixels. A size
// that a side of the art divides gets that art enlarged by the whole factor, the 32-pixel art
// where both divide; any other size gets the 16-pixel art at its own size, centred on a
// transparent square. Pixels are only ever repeated, never blended, so the dots stay sharp.
QImage hicolorIcon(const QImage& small, const QImage& large, int size);
