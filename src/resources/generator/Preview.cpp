#include "Pictures.h"
#include "PixelArt.h"

#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

constexpr QSize windowSize(222, 65);
constexpr int iconRowTop = windowSize.height() + 4;

// The clock and caption as the main window lays them out, showing 12:34, with the lamp lit in
// the message panel's default place.
void drawWindow(QPainter& painter, const QDir& images) {
    const auto picture = [&images](const QString& name) { return QImage(images.filePath(name)); };
    painter.drawImage(0, 0, picture(u"skin.png"_s));
    painter.drawImage(0, 0, picture(u"caption.png"_s));
    const QPoint clock(96, 0);
    painter.fillRect(QRect(clock, QSize(64, 16)), QColor(Led::background));
    const int digitLefts[] = {0, 11, 26, 37};
    const int digits[] = {1, 2, 3, 4};
    for (int i = 0; i < 4; ++i)
        painter.drawImage(clock + QPoint(digitLefts[i], 0), picture(u"digit%1.png"_s.arg(digits[i])));
    painter.drawImage(clock + QPoint(22, 0), picture(u"colon.png"_s));
    painter.drawImage(31, 39, picture(u"lamp.png"_s));
}

void drawIcons(QPainter& painter, const QDir& images) {
    int left = 2;
    for (const QString& state : {u"idle"_s, u"updating"_s, u"info"_s}) {
        painter.drawImage(left, iconRowTop, QImage(images.filePath(u"tray-%1.png"_s.arg(state))));
        painter.drawImage(left + 34, iconRowTop + 8, QImage(images.filePath(u"tray-%1-16.png"_s.arg(state))));
        left += 56;
    }
}

} // namespace

QImage composePreview(const QDir& images, int factor) {
    QImage sheet = solidImage(QSize(windowSize.width(), iconRowTop + 36), qRgb(150, 150, 150));
    QPainter painter(&sheet);
    drawWindow(painter, images);
    drawIcons(painter, images);
    painter.end();
    return scaledUp(sheet, factor);
}
