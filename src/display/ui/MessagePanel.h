#pragma once

#include "display/ui/LedPanel.h"

#include <QImage>

class X11PanelScreen;

// The 160 x 16 message panel of the main window. It shows an image that the scroller writes into;
// at any scale it stays crisp, one LED dot per block of device pixels. On an X server its own window
// shows the image, drawn on the server (X11PanelScreen).
class MessagePanel : public LedPanel {
    Q_OBJECT
public:
    static constexpr QSize PanelSize{160, 16};

    explicit MessagePanel(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(MessagePanel)

    const QImage& image() const { return m_image; }
    // Fills the panel with the unlit LED colour.
    void clear();
    // Copies frame over the panel with its left edge at x; what it does not cover stays as it was.
    void placeFrame(const QImage& frame, int x);
    // Darkens one column (nothing when it lies outside the panel).
    void clearColumn(int x);

    // Hiding the panel is how every part of the program ends a running scroll pass.
    void setVisible(bool visible) override;

signals:
    void hidden();
    void mouseReleased(Qt::MouseButton button);
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QImage m_image;
    X11PanelScreen* m_screen = nullptr;
};
