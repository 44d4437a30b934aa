#include "display/ui/MainWindow.h"

#include "display/SignScale.h"
#include "display/ui/ClockPanel.h"
#include "display/ui/LedPicture.h"
#include "display/ui/MessagePanel.h"
#include "resources/builtin/BuiltinImages.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <QWindow>

using namespace Qt::StringLiterals;

MainWindow::MainWindow(QPoint messagePosition, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_skin(builtinImagePath(BuiltinImage::Skin))
    , m_caption(new LedPicture(QSize(96, 16), this))
    , m_clock(new ClockPanel(this))
    , m_line(new LedPicture(MessagePanel::PanelSize, this))
    , m_lamp(new LedPicture(MessagePanel::PanelSize, this))
    , m_message(new MessagePanel(this))
    , m_lampPicture(builtinImagePath(BuiltinImage::Lamp)) {
    setObjectName(u"frmMain"_s);
    setWindowTitle(u"Sorvanta"_s);
    setWindowIcon(QIcon(builtinImagePath(BuiltinImage::App)));
    setFocusPolicy(Qt::StrongFocus);
    // The sign is seldom the active window; its tooltips (the status, an item's page and link) show
    // all the same.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    m_caption->setObjectName(u"picDest"_s);
    m_caption->setPicture(QImage(builtinImagePath(BuiltinImage::Caption)));
    m_line->setObjectName(u"picLine"_s);
    m_lamp->setObjectName(u"picWarn"_s);
    m_lamp->hide();
    m_message->hide();
    for (LedPanel* panel : std::initializer_list<LedPanel*>{m_caption, m_clock, m_line, m_lamp})
        panel->installEventFilter(this);
    installEventFilter(this);
    connect(m_message, &MessagePanel::doubleClicked, this, &MainWindow::doubleClicked);
    connect(m_message, &MessagePanel::mouseReleased, this, [this](Qt::MouseButton button) {
        if (button == Qt::RightButton) {
            emit menuRequested(QCursor::pos());
            return;
        }
        m_message->hide(); // a click on the moving message ends it
        if (button == Qt::MiddleButton)
            emit openItemRequested();
    });
    setSkin(m_skin);
    layOutPanels(messagePosition.x(), messagePosition.y());
}

void MainWindow::setSkin(const QImage& skin) {
    m_skin = skin;
    applyScale();
}

void MainWindow::layOutPanels(int left, int top) {
    for (LedPanel* panel : std::initializer_list<LedPanel*>{m_line, m_lamp, m_message})
        panel->setLedPosition(QPoint(left, top));
    m_clock->setLedPosition(QPoint(96, 0));
    m_message->raise();
}

void MainWindow::setZoom(int zoom) {
    m_zoom = zoom;
    applyScale();
}

void MainWindow::applyScale() {
    setFixedSize(SignScale(m_zoom, devicePixelRatio()).logicalRect(QRect(QPoint(), m_skin.size())).size());
    for (LedPanel* panel : findChildren<LedPanel*>(Qt::FindDirectChildrenOnly))
        panel->setZoom(m_zoom);
    update();
}

void MainWindow::changeWindowFlag(Qt::WindowType flag, bool on) {
    if (windowFlags().testFlag(flag) == on)
        return;
    const bool visible = isVisible();
    setWindowFlag(flag, on);
    if (visible)
        show();
}

void MainWindow::showClock(const ClockFace::Cells& cells) {
    m_clock->showCells(cells);
}

void MainWindow::setLampVisible(bool visible) {
    m_lamp->setVisible(visible);
    if (!visible)
        setLampLit(false);
}

void MainWindow::setLampLit(bool lit) {
    m_lampLit = lit;
    m_lamp->setPicture(lit ? m_lampPicture : QImage());
}

void MainWindow::setStatusCaption(const QString& text) {
    setToolTip(text);
    setWindowTitle(text);
}

// Where a fractional device pixel ratio makes the window a little larger than the skin, the skin's
// last column and row fill the rest.
void MainWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    mapToLedPixels(painter, QPointF(), QPoint(), m_zoom);
    if (!SignScale(m_zoom, devicePixelRatio()).isExact()) {
        for (const QPoint shift : {QPoint(1, 1), QPoint(1, 0), QPoint(0, 1)})
            painter.drawImage(shift, m_skin);
    }
    painter.drawImage(0, 0, m_skin);
    if (!m_painted) {
        m_painted = true;
        emit firstPainted();
    }
}

// On another screen the device pixel ratio may differ.
void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (QWindow* window = windowHandle())
        connect(window, &QWindow::screenChanged, this, &MainWindow::applyScale, Qt::UniqueConnection);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_F5:
        emit updateKey();
        break;
    case Qt::Key_Escape:
        emit escapeKey();
        break;
    case Qt::Key_Space:
        emit spaceKey();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit openItemRequested();
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        emit stepRequested(+1);
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        emit stepRequested(-1);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void MainWindow::wheelEvent(QWheelEvent* event) {
    // A turn that arrives while the last one is still being handled is dropped.
    if (m_handlingWheel)
        return;
    const int delta = event->angleDelta().y();
    if (delta == 0)
        return;
    m_handlingWheel = true;
    emit stepRequested(delta > 0 ? -1 : +1);
    m_handlingWheel = false;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    emit closeRequested();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (handleMouse(watched, event))
        return true;
    return QWidget::eventFilter(watched, event);
}

bool MainWindow::handleMouse(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_dragging = false;
        m_grabOffset = static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - pos();
        return false;
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (!(mouse->buttons() & Qt::LeftButton) || !windowHandle())
            return false;
        // The window manager moves the window; without one, the move is refused and we follow the
        // mouse ourselves.
        if (!m_dragging)
            m_movingOurselves = !windowHandle()->startSystemMove();
        m_dragging = true;
        if (m_movingOurselves)
            move(mouse->globalPosition().toPoint() - m_grabOffset);
        return true;
    }
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            emit menuRequested(mouse->globalPosition().toPoint());
        } else if (mouse->button() == Qt::MiddleButton) {
            emit openItemRequested();
        } else if (mouse->button() == Qt::LeftButton && !m_dragging) {
            if (watched == m_caption)
                emit captionClicked();
            else
                emit leftClicked();
        }
        m_dragging = false;
        return true;
    }
    case QEvent::MouseButtonDblClick:
        emit doubleClicked();
        return true;
    default:
        return false;
    }
}
