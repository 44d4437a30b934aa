// The yardstick of the window benchmark: a bare Qt widget of 160 x 16 pixels repainted on the
// scroller's rhythm with flicker reduction (frame A for 20 ms, frame B at the same place for 5 ms, then
// one pixel to the left), through Qt's ordinary update() and paintEvent(). With --idle it shows one
// frame and waits.
// bench_window.sh runs it beside the ticker and measures both the same way.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

constexpr int FrameWidth = 4000;

// Lit and dark columns in two colours, as a message frame has them.
QImage frame(QRgb lit) {
    QImage frame(FrameWidth, 16, QImage::Format_RGB32);
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x)
            frame.setPixel(x, y, (x * 7 + y * 3) % 5 < 2 ? lit : qRgb(32, 22, 39));
    return frame;
}

class BarePanel : public QWidget {
public:
    explicit BarePanel(bool idle)
        : m_frames{frame(qRgb(210, 255, 16)), frame(qRgb(128, 160, 16))} {
        setWindowTitle(idle ? QStringLiteral("bench-barepanel idle") : QStringLiteral("bench-barepanel"));
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFixedSize(m_panel.size());
        place();
        m_timer.setSingleShot(true);
        m_timer.setTimerType(Qt::PreciseTimer);
        connect(&m_timer, &QTimer::timeout, this, &BarePanel::step);
        if (!idle)
            m_timer.start(20);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, m_panel); }

private:
    void place() {
        QPainter painter(&m_panel);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(m_x, 0, m_frames[m_second ? 1 : 0]);
        update();
    }

    void step() {
        m_second = !m_second;
        if (!m_second && --m_x < -FrameWidth)
            m_x = m_panel.width();
        place();
        m_timer.start(m_second ? 5 : 20);
    }

    QImage m_panel{160, 16, QImage::Format_RGB32};
    QImage m_frames[2];
    QTimer m_timer;
    int m_x = 0;
    bool m_second = false;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    BarePanel panel(QApplication::arguments().contains(QStringLiteral("--idle")));
    panel.show();
    return QApplication::exec();
}
