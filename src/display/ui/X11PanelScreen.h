#pragma once

#include <QImage>
#include <QList>
#include <QWidget>
#include <cstdint>

struct xcb_connection_t;

// The message panel's own X window, laid over the panel when the program runs on an X server. The
// frames of a scroll pass stay on the server as pixmaps, cut into tiles, so a scroll step is a copy
// inside the server: no repaint through Qt's backing store and no pixels sent over the socket. The
// window shows the panel's image dot for dot, each dot a square of whole device pixels.
class X11PanelScreen : public QWidget {
    Q_OBJECT
public:
    // A screen over panel showing image (which lives as long as the panel); nullptr when the program
    // does not run on an X server.
    static X11PanelScreen* create(QWidget* panel, const QImage& image);
    ~X11PanelScreen() override;
    Q_DISABLE_COPY_MOVE(X11PanelScreen)

    // Each shows on the server what the panel has just done to its image. False when the screen stands
    // aside (a dot would not cover whole device pixels, or the server's pixels are not 32-bit true
    // colour): the panel then paints itself as on any other platform. showImage(), with which a pass
    // starts and a resized panel or an exposed window is drawn, is where the size of a dot is measured.
    bool placeFrame(const QImage& frame, int x);
    bool clearColumn(int x);
    bool showImage();

protected:
    QPaintEngine* paintEngine() const override { return nullptr; }
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Frame columns per tile: a tile is uploaded once and serves 1024 steps.
    static constexpr int TileWidth = 1024;

    struct Tile {
        qint64 frame; // the frame's QImage::cacheKey
        int index;
        std::uint32_t pixmap;
    };

    X11PanelScreen(QWidget* panel, const QImage& image, xcb_connection_t* connection);
    bool fitDots();
    int dotScale() const;
    std::uint32_t target();
    bool checkServer(std::uint32_t window);
    std::uint32_t tile(const QImage& frame, int index, int rows);
    QImage toDevicePixels(const QImage& dots) const;
    void putImage(std::uint32_t drawable, const QImage& pixels);
    void fillColumn(std::uint32_t window, int x);
    void dropTiles();

    const QImage& m_image;
    xcb_connection_t* m_connection;
    enum class Server { Unknown, Suitable, Unsuitable } m_server = Server::Unknown;
    std::uint32_t m_root = 0;
    std::uint8_t m_depth = 0;
    std::uint32_t m_gc = 0;
    int m_scale = 0;     // device pixels across a dot; 0 while the screen stands aside
    QList<Tile> m_tiles; // least recently used first
};
