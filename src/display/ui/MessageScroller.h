#pragma once

#include "display/ui/LedRenderer.h"
#include "settings/AppSettings.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <chrono>
#include <functional>
#include <optional>

class MessagePanel;

// Runs one scroll pass of a rendered message over the message panel, driven by a timer so the
// window stays responsive: a pause, then the frames move from x = 160 to x = -W one pixel per
// 25 ms, then a short tail and the panel is hidden. Hiding the panel from anywhere ends the pass.
class MessageScroller : public QObject {
    Q_OBJECT
public:
    enum class Phase { Idle, Pause, Steps, Tail };
    // Milliseconds since some fixed moment, never going back; decides the blink.
    using MonotonicClock = std::function<qint64()>;

    static constexpr int StartX = 160;
    static constexpr std::chrono::milliseconds StepPeriod{25};
    static constexpr std::chrono::milliseconds FirstFramePeriod{20}; // with Scroll_Shadow, then B for 5
    static constexpr std::chrono::milliseconds TailPeriod{500};

    explicit MessageScroller(MessagePanel* panel, QObject* parent = nullptr);
    ~MessageScroller() override;
    Q_DISABLE_COPY_MOVE(MessageScroller)

    void setMonotonicClock(MonotonicClock clock) { m_clock = std::move(clock); }

    // Starts a pass of layers (ending a running one first). itemCaption is announced through
    // captionChanged for the pass; captionNow is announced again when it ends. Returns false, and
    // does nothing, when nothing has been rendered.
    bool start(const LedLayers& layers, const AppSettings& settings, const QString& itemCaption,
               const QString& captionNow);
    // Ends a running pass at once: the caption goes back and finished() is emitted.
    void stop();
    // The message stands still (while the popup menu is open) and goes on from where it stood.
    void pause();
    void resume();
    // Does at once what the timer is waiting for. The timer calls it; tests drive a pass with it.
    void advance();

    bool isRunning() const { return m_phase != Phase::Idle; }
    Phase phase() const { return m_phase; }
    int x() const { return m_x; }                       // where the next frame goes
    int frameWidth() const { return m_frames.width(); } // W
    std::chrono::milliseconds pendingWait() const { return m_wait; }

    // ScrollDelay when it lies in 1..5000 ms, else its default.
    static std::chrono::milliseconds initialPause(int scrollDelay);

signals:
    void captionChanged(const QString& caption);
    void finished();

private:
    enum class Action { FrameA, FrameB, Hide };

    void takeStep();
    void showFrame(const QImage& frame);
    void schedule(std::chrono::milliseconds wait, Action next);
    bool isBlinkDark() const;

    QPointer<MessagePanel> m_panel;
    MonotonicClock m_clock;
    QTimer m_timer;
    LedFrames m_frames;
    bool m_shadow = false;
    bool m_blink = false;
    QString m_captionToRestore;
    Phase m_phase = Phase::Idle;
    Action m_next = Action::FrameA;
    std::chrono::milliseconds m_wait{0};
    int m_x = StartX;
    std::optional<std::chrono::milliseconds> m_pausedWait; // what was left of the wait, while paused
};
