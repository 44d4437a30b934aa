#include "display/ui/X11PanelScreen.h"

#include "display/LedPalette.h"

#include <QEvent>
#include <QGuiApplication>
#include <QSysInfo>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace {

// Two frames with at most two tiles each on the panel at a time.
constexpr qsizetype MaxTiles = 4;
// Well inside the 256 KB that every X server accepts in one request.
constexpr int MaxRequestBytes = 64 * 1024;

template <typename Reply> using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> ReplyPointer<Reply> take(Reply* reply) {
    return ReplyPointer<Reply>(reply, &std::free);
}

const xcb_visualtype_t* findVisual(const xcb_setup_t* setup, xcb_window_t root, xcb_visualid_t visual) {
    for (auto screens = xcb_setup_roots_iterator(setup); screens.rem; xcb_screen_next(&screens)) {
        if (screens.data->root != root)
            continue;
        for (auto depths = xcb_screen_allowed_depths_iterator(screens.data); depths.rem;
             xcb_depth_next(&depths))
            for (auto visuals = xcb_depth_visuals_iterator(depths.data); visuals.rem;
                 xcb_visualtype_next(&visuals))
                if (visuals.data->visual_id == visual)
                    return visuals.data;
    }
    return nullptr;
}

int bitsPerPixel(const xcb_setup_t* setup, std::uint8_t depth) {
    for (auto formats = xcb_setup_pixmap_formats_iterator(setup); formats.rem; xcb_format_next(&formats))
        if (formats.data->depth == depth)
            return formats.data->bits_per_pixel;
    return 0;
}

// The window's pixels take Format_RGB32 as it is: 8 bits each of red, green and blue in a 32-bit word
// of the host's byte order.
bool takesRgb32(const xcb_setup_t* setup, xcb_window_t root, xcb_visualid_t visual, std::uint8_t depth) {
    const xcb_visualtype_t* type = findVisual(setup, root, visual);
    const bool hostLsbFirst = QSysInfo::ByteOrder == QSysInfo::LittleEndian;
    return type && type->_class == XCB_VISUAL_CLASS_TRUE_COLOR && type->red_mask == 0xff0000 &&
           type->green_mask == 0x00ff00 && type->blue_mask == 0x0000ff && (depth == 24 || depth == 32) &&
           bitsPerPixel(setup, depth) == 32 &&
           (setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST) == hostLsbFirst;
}

} // namespace

X11PanelScreen* X11PanelScreen::create(QWidget* panel, const QImage& image) {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return nullptr;
    return new X11PanelScreen(panel, image, x11->connection());
}

X11PanelScreen::X11PanelScreen(QWidget* panel, const QImage& image, xcb_connection_t* connection)
    : QWidget(panel)
    , m_image(image)
    , m_connection(connection) {
    setObjectName(QStringLiteral("picMsgScreen"));
    // Its own X window, drawn by us alone; the panel's siblings stay without one.
    setAttribute(Qt::WA_DontCreateNativeAncestors);
    setAttribute(Qt::WA_NativeWindow);
    setAttribute(Qt::WA_PaintOnScreen);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(panel->rect());
    panel->installEventFilter(this);
}

X11PanelScreen::~X11PanelScreen() {
    if (!qGuiApp)
        return; // the connection has gone, and with it everything we had on the server
    dropTiles();
    if (m_gc)
        xcb_free_gc(m_connection, m_gc);
    xcb_flush(m_connection);
}

bool X11PanelScreen::placeFrame(const QImage& frame, int x) {
    if (m_scale == 0)
        return false;
    const std::uint32_t window = target();
    if (!window)
        return true;                   // drawn from the image when the window is exposed
    const int first = std::max(0, -x); // the frame's columns that land on the panel
    const int last = std::min(frame.width(), m_image.width() - x);
    const int rows = std::min(frame.height(), m_image.height());
    for (int column = first; column < last;) {
        const int index = column / TileWidth;
        const int end = std::min(last, (index + 1) * TileWidth);
        xcb_copy_area(m_connection, tile(frame, index, rows), window, m_gc,
                      std::int16_t((column - index * TileWidth) * m_scale), 0,
                      std::int16_t((x + column) * m_scale), 0, std::uint16_t((end - column) * m_scale),
                      std::uint16_t(rows * m_scale));
        column = end;
    }
    xcb_flush(m_connection);
    return true;
}

bool X11PanelScreen::clearColumn(int x) {
    if (m_scale == 0)
        return false;
    if (const std::uint32_t window = target(); window && x >= 0 && x < m_image.width()) {
        fillColumn(window, x);
        xcb_flush(m_connection);
    }
    return true;
}

bool X11PanelScreen::showImage() {
    if (!fitDots())
        return false;
    if (const std::uint32_t window = target()) {
        putImage(window, toDevicePixels(m_image));
        xcb_flush(m_connection);
    }
    return true;
}

void X11PanelScreen::paintEvent(QPaintEvent*) {
    showImage();
}

// A zoom or a screen of another scale resizes the panel, also in the middle of a pass.
bool X11PanelScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Resize)
        showImage();
    return QWidget::eventFilter(watched, event);
}

// Measured when the whole image is shown (a pass starts, the panel is resized, the window is exposed),
// not at every step.
// The screen stands aside while a dot would not cover whole device pixels, and comes back when it does.
bool X11PanelScreen::fitDots() {
    if (size() != parentWidget()->size())
        setGeometry(parentWidget()->rect()); // the panel was resized
    const int scale = m_server == Server::Unsuitable ? 0 : dotScale();
    if (scale == 0) {
        m_scale = 0;
        if (!isHidden())
            hide();
        return false;
    }
    if (isHidden())
        show();
    if (scale != m_scale) {
        dropTiles();
        m_scale = scale;
    }
    return true;
}

int X11PanelScreen::dotScale() const {
    const double across = devicePixelRatioF() * width() / m_image.width();
    const double down = devicePixelRatioF() * height() / m_image.height();
    const double scale = std::round(across);
    return scale >= 1 && std::abs(across - scale) < 1e-6 && std::abs(down - scale) < 1e-6 ? int(scale) : 0;
}

// The window to draw on, or 0 while it is not on the screen (unmapped windows keep no drawing).
std::uint32_t X11PanelScreen::target() {
    const auto window = std::uint32_t(internalWinId());
    if (!isVisible() || !window)
        return 0;
    if (m_server == Server::Unknown && !checkServer(window))
        return 0;
    return m_server == Server::Suitable ? window : 0;
}

bool X11PanelScreen::checkServer(std::uint32_t window) {
    const auto geometry =
        take(xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), nullptr));
    const auto attributes = take(xcb_get_window_attributes_reply(
        m_connection, xcb_get_window_attributes(m_connection, window), nullptr));
    if (!geometry || !attributes)
        return false; // the window went away meanwhile: asked again next time
    if (!takesRgb32(xcb_get_setup(m_connection), geometry->root, attributes->visual, geometry->depth)) {
        m_server = Server::Unsuitable;
        fitDots(); // the panel paints itself from now on
        parentWidget()->update();
        return false;
    }
    m_root = geometry->root;
    m_depth = geometry->depth;
    m_gc = xcb_generate_id(m_connection);
    const std::uint32_t values[] = {LedPalette::Background.rgb(), 0}; // no exposure events from copies
    xcb_create_gc(m_connection, m_gc, window, XCB_GC_FOREGROUND | XCB_GC_GRAPHICS_EXPOSURES, values);
    m_server = Server::Suitable;
    return true;
}

// The pixmap of the frame's tile, uploaded when it is not on the server yet.
std::uint32_t X11PanelScreen::tile(const QImage& frame, int index, int rows) {
    const auto found = std::find_if(m_tiles.begin(), m_tiles.end(), [&](const Tile& tile) {
        return tile.frame == frame.cacheKey() && tile.index == index;
    });
    if (found != m_tiles.end()) {
        const Tile used = *found;
        m_tiles.erase(found);
        m_tiles.append(used);
        return used.pixmap;
    }
    if (m_tiles.size() == MaxTiles)
        xcb_free_pixmap(m_connection, m_tiles.takeFirst().pixmap);
    const int left = index * TileWidth;
    const QImage part = toDevicePixels(frame.copy(left, 0, std::min(TileWidth, frame.width() - left), rows)
                                           .convertToFormat(QImage::Format_RGB32));
    const std::uint32_t pixmap = xcb_generate_id(m_connection);
    xcb_create_pixmap(m_connection, m_depth, pixmap, m_root, std::uint16_t(part.width()),
                      std::uint16_t(part.height()));
    putImage(pixmap, part);
    m_tiles.append({frame.cacheKey(), index, pixmap});
    return pixmap;
}

QImage X11PanelScreen::toDevicePixels(const QImage& dots) const {
    if (m_scale == 1)
        return dots;
    return dots.scaled(dots.size() * m_scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// One band of rows per request.
void X11PanelScreen::putImage(std::uint32_t drawable, const QImage& pixels) {
    const int bandRows = std::max(1, MaxRequestBytes / int(pixels.bytesPerLine()));
    for (int row = 0; row < pixels.height(); row += bandRows) {
        const int rows = std::min(bandRows, pixels.height() - row);
        xcb_put_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, drawable, m_gc, std::uint16_t(pixels.width()),
                      std::uint16_t(rows), 0, std::int16_t(row), 0, m_depth,
                      std::uint32_t(rows * pixels.bytesPerLine()), pixels.constScanLine(row));
    }
}

void X11PanelScreen::fillColumn(std::uint32_t window, int x) {
    const xcb_rectangle_t rectangle{std::int16_t(x * m_scale), 0, std::uint16_t(m_scale),
                                    std::uint16_t(m_image.height() * m_scale)};
    xcb_poly_fill_rectangle(m_connection, window, m_gc, 1, &rectangle);
}

void X11PanelScreen::dropTiles() {
    for (const Tile& tile : std::as_const(m_tiles))
        xcb_free_pixmap(m_connection, tile.pixmap);
    m_tiles.clear();
}
