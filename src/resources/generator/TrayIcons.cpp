#include "Pictures.h"
#include "PixelArt.h"

#include <QPainter>
#include <vector>

namespace {

constexpr QRgb outline = qRgb(16, 16, 20);
constexpr QRgb frameLight = qRgb(98, 112, 128);
constexpr QRgb frameDark = qRgb(46, 52, 62);
constexpr QRgb unlit = qRgb(78, 94, 66);
constexpr QRgb lampRing = qRgb(90, 0, 0);
constexpr QRgb lampGlint = qRgb(255, 150, 150);

// A run of lit dots on one text line of the face: line number, first and last column.
struct Run {
    int line;
    int first;
    int last;
};

// Where the parts of the small sign lie for one icon size; the face's text lines start at
// lineTop and repeat every linePitch rows.
struct SignLayout {
    QRect body;
    int frame;
    int lineTop;
    int linePitch;
    int lineHeight;
    bool dotted; // big enough to show the single dots of the text
    std::vector<Run> runs;
    QRect lamp;
};

SignLayout layoutFor(int side) {
    if (side == 16) {
        return {.body = QRect(0, 2, 16, 12),
                .frame = 1,
                .lineTop = 5,
                .linePitch = 4,
                .lineHeight = 2,
                .dotted = false,
                .runs = {{0, 3, 5}, {0, 7, 12}, {1, 3, 9}},
                .lamp = QRect(9, 0, 7, 7)};
    }
    return {.body = QRect(0, 5, 32, 22),
            .frame = 2,
            .lineTop = 11,
            .linePitch = 4,
            .lineHeight = 2,
            .dotted = true,
            .runs = {{0, 5, 12}, {0, 15, 25}, {1, 5, 9}, {1, 12, 22}, {2, 5, 15}, {2, 18, 22}},
            .lamp = QRect(21, 0, 11, 11)};
}

// The sign's dark outline with its corners cut, a bevelled frame and the LED face.
void drawBody(QPainter& painter, const SignLayout& layout) {
    const QRect body = layout.body;
    painter.fillRect(body.adjusted(1, 0, -1, 0), QColor(outline));
    painter.fillRect(body.adjusted(0, 1, 0, -1), QColor(outline));
    const QRect frame = body.adjusted(1, 1, -1, -1);
    painter.fillRect(frame, QColor(frameDark));
    painter.fillRect(frame.adjusted(0, 0, -1, -1), QColor(frameLight));
    painter.fillRect(frame.adjusted(layout.frame, layout.frame, -layout.frame, -layout.frame),
                     QColor(Led::background));
}

QRgb runColour(TrayState state, const Run& run, bool firstOfLine) {
    if (state != TrayState::Info)
        return unlit;
    // The first run of the first line is the page label, orange as on the sign itself.
    return run.line == 0 && firstOfLine ? Led::orange : Led::yellowGreen;
}

void drawText(QPainter& painter, const SignLayout& layout, TrayState state) {
    int previousLine = -1;
    for (const Run& run : layout.runs) {
        const int top = layout.lineTop + run.line * layout.linePitch;
        const QColor colour(runColour(state, run, run.line != previousLine));
        for (int x = run.first; x <= run.last; ++x) {
            // Dots two pixels wide with a one-pixel gap, as on the sign's own matrix.
            if (!layout.dotted || (x - run.first) % 3 != 2)
                painter.fillRect(x, top, 1, layout.lineHeight, colour);
        }
        previousLine = run.line;
    }
}

// A disc stacked from rectangles, so its edge stays hard.
void fillDisc(QPainter& painter, const QRect& bounds, QRgb colour) {
    const int inset = bounds.width() / 4;
    painter.fillRect(bounds.adjusted(inset, 0, -inset, 0), QColor(colour));
    painter.fillRect(bounds.adjusted(0, inset, 0, -inset), QColor(colour));
    painter.fillRect(bounds.adjusted(1, 1, -1, -1), QColor(colour));
}

// The red update lamp with a dark ring and a glint.
void drawLampDot(QPainter& painter, const QRect& lamp) {
    fillDisc(painter, lamp, lampRing);
    const QRect inner = lamp.adjusted(1, 1, -1, -1);
    fillDisc(painter, inner, Led::red);
    const int glint = inner.width() / 4;
    painter.fillRect(inner.left() + glint, inner.top() + glint, 1, 1, QColor(lampGlint));
}

} // namespace

QImage drawTrayIcon(TrayState state, int side) {
    const SignLayout layout = layoutFor(side);
    QImage icon(side, side, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    drawBody(painter, layout);
    drawText(painter, layout, state);
    if (state == TrayState::Updating)
        drawLampDot(painter, layout.lamp);
    return icon;
}
