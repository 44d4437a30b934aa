#include "display/ui/MessagePanel.h"

#include "display/LedPalette.h"
#include "display/ui/LedRenderer.h"
#include "display/ui/X11PanelScreen.h"

#include <QMouseEvent>
#include <QPainter>

MessagePanel::MessagePanel(QWidget* parent)
    : LedPanel(PanelSize, parent)
    , m_image(PanelSize, QImage::Format_RGB32) {
    setObjectName(QStringLiteral("picMsg"));
    m_screen = X11PanelScreen::create(this, m_image);
    clear();
}

void MessagePanel::clear() {
    m_image.fill(LedPalette::Background.rgb());
    if (!m_screen || !m_screen->showImage())
        update();
}

void MessagePanel::clearColumn(int x) {
    if (x < 0 || x >= m_image.width())
        return;
    for (int y = 0; y < m_image.height(); ++y)
        m_image.setPixel(x, y, LedPalette::Background.rgb());
    if (!m_screen || !m_screen->clearColumn(x))
        update();
}

void MessagePanel::placeFrame(const QImage& frame, int x) {
    blitCopy(m_image, frame, x);
    if (!m_screen || !m_screen->placeFrame(frame, x))
        update();
}

void MessagePanel::setVisible(bool visible) {
    LedPanel::setVisible(visible);
    if (!visible)
        emit hidden();
}

void MessagePanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    mapToLedPixels(painter);
    painter.drawImage(0, 0, m_image);
}

void MessagePanel::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseReleased(event->button());
}

void MessagePanel::mouseDoubleClickEvent(QMouseEvent*) {
    emit doubleClicked();
}
