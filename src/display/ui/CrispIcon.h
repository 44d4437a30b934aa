#pragma once

#include <QIcon>
#include <QImage>

// An icon in every size a tray or a desktop asks for (16 to 128 pixels), drawn from a 16 and a 32
// pixel picture by whole factors with nearest neighbour, so no size has to be scaled and blurred. A
// size that no whole factor fills gets the largest picture that fits, centred on a transparent square.
QIcon crispIcon(const QImage& small, const QImage& large);
// One size of it: size x size pixels.
QImage crispSquare(const QImage& small, const QImage& large, int size);
