#include "display/ui/CrispIcon.h"

#include <QPainter>
#include <QPixmap>
#include <array>

namespace {

constexpr std::array<int, 8> IconSizes{16, 22, 24, 32, 48, 64, 96, 128};

} // namespace

// The picture that fills most of the square, the more detailed one when both fill it alike.
QImage crispSquare(const QImage& small, const QImage& large, int size) {
    const bool largeFills = size / large.width() * large.width() >= size / small.width() * small.width();
    const QImage& source = largeFills ? large : small;
    const int factor = size / source.width();
    const QImage scaled =
        source.scaled(source.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QImage square(size, size, QImage::Format_ARGB32_Premultiplied);
    square.fill(Qt::transparent);
    QPainter painter(&square);
    painter.drawImage((size - scaled.width()) / 2, (size - scaled.height()) / 2, scaled);
    return square;
}

QIcon crispIcon(const QImage& small, const QImage& large) {
    QIcon icon;
    for (const int size : IconSizes)
        icon.addPixmap(QPixmap::fromImage(crispSquare(small, large, size)));
    return icon;
}
