#include "display/ui/MessageScroller.h"

#include "display/ui/MessagePanel.h"

namespace {

qint64 steadyMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

MessageScroller::MessageScroller(MessagePanel* panel, QObject* parent)
    : QObject(parent)
    , m_panel(panel)
    , m_clock(steadyMilliseconds) {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &MessageScroller::advance);
    connect(panel, &MessagePanel::hidden, this, &MessageScroller::stop);
}

MessageScroller::~MessageScroller() {
    m_timer.stop();
}

std::chrono::milliseconds MessageScroller::initialPause(int scrollDelay) {
    if (scrollDelay >= 1 && scrollDelay <= 5000)
        return std::chrono::milliseconds(scrollDelay);
    return std::chrono::milliseconds(defaultSettings().ScrollDelay);
}

bool MessageScroller::start(const LedLayers& layers, const AppSettings& settings, const QString& itemCaption,
                            const QString& captionNow) {
    stop();
    if (!m_panel || layers.isNull())
        return false;
    m_frames = composeFrames(layers, settings.Scroll_Stretch);
    m_shadow = settings.Scroll_Shadow;
    m_blink = settings.Scroll_Blink;
    m_captionToRestore = captionNow;
    m_x = StartX;

    m_panel->setLedPosition(QPoint(settings.Left, settings.Top));
    m_panel->clear();
    m_phase = Phase::Pause;
    m_panel->show();
    emit captionChanged(itemCaption);
    // Someone reacting to the caption may have hidden the panel already.
    if (isRunning())
        schedule(initialPause(settings.ScrollDelay), Action::FrameA);
    return isRunning();
}

void MessageScroller::stop() {
    if (!isRunning())
        return;
    m_timer.stop();
    m_pausedWait.reset();
    m_phase = Phase::Idle;
    emit captionChanged(m_captionToRestore);
    emit finished();
}

void MessageScroller::pause() {
    if (!isRunning() || m_pausedWait)
        return;
    m_pausedWait = std::chrono::milliseconds(std::max(0, m_timer.remainingTime()));
    m_timer.stop();
}

void MessageScroller::resume() {
    if (const auto wait = std::exchange(m_pausedWait, std::nullopt); wait && isRunning())
        m_timer.start(*wait);
}

void MessageScroller::advance() {
    if (!isRunning())
        return;
    m_timer.stop();
    if (!m_panel || m_panel->isHidden()) {
        stop();
        return;
    }
    switch (m_next) {
    case Action::FrameA:
        takeStep();
        break;
    case Action::FrameB:
        showFrame(m_frames.b);
        --m_x;
        schedule(StepPeriod - FirstFramePeriod, Action::FrameA);
        break;
    case Action::Hide:
        m_panel->hide(); // ends the pass through the panel's hidden signal
        stop();
        break;
    }
}

void MessageScroller::takeStep() {
    if (m_x < -m_frames.width()) {
        m_phase = Phase::Tail;
        schedule(TailPeriod, Action::Hide);
        return;
    }
    m_phase = Phase::Steps;
    if (isBlinkDark()) {
        m_panel->clear();
        --m_x;
        schedule(StepPeriod, Action::FrameA);
    } else if (m_shadow) {
        showFrame(m_frames.a);
        schedule(FirstFramePeriod, Action::FrameB);
    } else {
        showFrame(m_frames.a);
        --m_x;
        schedule(StepPeriod, Action::FrameA);
    }
}

void MessageScroller::showFrame(const QImage& frame) {
    m_panel->placeFrame(frame, m_x);
    // The column just right of the frame still holds the previous step's last column; a glyph that
    // fills its cell to the edge (a "5", a "W") would otherwise leave a streak across the panel.
    m_panel->clearColumn(m_x + frame.width());
}

void MessageScroller::schedule(std::chrono::milliseconds wait, Action next) {
    m_next = next;
    m_wait = wait;
    m_timer.start(wait);
}

bool MessageScroller::isBlinkDark() const {
    // Dark for the last 500 ms of every two seconds.
    return m_blink && m_clock() % 2000 > 1500;
}
