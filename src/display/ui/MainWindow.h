#pragma once

#include "display/ClockFace.h"

#include <QWidget>

class ClockPanel;
class LedPicture;
class MessagePanel;

// The main window: the LED sign drawn from bitmaps. It lays out its panels and turns the user's keys,
// clicks, drags and wheel turns into signals; the ticker decides what they do.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    // The message, blank and lamp panels start at messagePosition.
    explicit MainWindow(QPoint messagePosition, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(MainWindow)

    // The skin is the window's background; the window takes its size.
    void setSkin(const QImage& skin);
    // The message, blank and lamp panels at (left, top), 160 x 16; the clock at (96, 0). In LED pixels.
    void layOutPanels(int left, int top);
    // The whole sign drawn zoom times larger; the top-left corner stays where it is.
    void setZoom(int zoom);
    // Sets or clears a window flag; a visible window, which the change hides, is shown again.
    void changeWindowFlag(Qt::WindowType flag, bool on);
    void showClock(const ClockFace::Cells& cells);
    void setLampVisible(bool visible);
    void setLampLit(bool lit);
    bool isLampLit() const { return m_lampLit; }
    // A status in place of the items: the tooltip and the taskbar caption.
    void setStatusCaption(const QString& text);

    MessagePanel* messagePanel() const { return m_message; }
    ClockPanel* clockPanel() const { return m_clock; }

signals:
    void updateKey();             // F5
    void escapeKey();             // Esc
    void spaceKey();              // Space
    void stepRequested(int step); // arrow keys and the wheel, by the user
    void leftClicked();           // left button released on the sign (not after a drag)
    void captionClicked();        // left click on the caption panel
    void openItemRequested();     // middle click on the sign, Enter
    void menuRequested(QPoint globalPosition);
    void doubleClicked();
    void closeRequested(); // the desktop asks the window to close
    void firstPainted();   // the window has drawn itself for the first time

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool handleMouse(QObject* watched, QEvent* event);
    // The window and every panel sized for the zoom and the screen's device pixel ratio.
    void applyScale();

    QImage m_skin;
    LedPicture* m_caption;
    ClockPanel* m_clock;
    LedPicture* m_line;
    LedPicture* m_lamp;
    MessagePanel* m_message;
    QImage m_lampPicture;
    int m_zoom = 1;
    bool m_lampLit = false;
    bool m_dragging = false;
    bool m_movingOurselves = false; // the window system refused to move the window
    QPoint m_grabOffset;            // where the left button went down, from the window's corner
    bool m_handlingWheel = false;
    bool m_painted = false;
};
