#include "HicolorIcon.h"

#include <QPainter>

QImage hicolorIcon(const QImage& small, const QImage& large, int size) {
    for (const QImage* art : {&large, &small}) {
        if (!art->isNull() && size % art->width() == 0)
            return art->scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage((size - small.width()) / 2, (size - small.height()) / 2, small);
    return icon;
}
