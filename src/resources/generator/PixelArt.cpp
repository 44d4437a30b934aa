#include "PixelArt.h"

#include <QPainter>

int glyphWidth(const GlyphRows& rows) {
    return rows.empty() ? 0 : int(rows.front().size());
}

QImage solidImage(QSize size, QRgb colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

void stampGlyph(QImage& image, const GlyphRows& rows, QPoint origin, QRgb colour, int pitch, int dot) {
    QPainter painter(&image);
    for (int row = 0; row < int(rows.size()); ++row) {
        const std::string_view line = rows[row];
        for (int column = 0; column < int(line.size()); ++column) {
            if (line[column] == '#')
                painter.fillRect(origin.x() + column * pitch, origin.y() + row * pitch, dot, dot,
                                 QColor(colour));
        }
    }
}

QImage scaledUp(const QImage& image, int factor) {
    return image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}
