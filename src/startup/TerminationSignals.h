#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>

// Turns SIGTERM, SIGINT and SIGHUP (logoff, kill, Ctrl+C, a closed terminal) into a Qt signal on
// the thread that created the watcher. The handler only writes the signal number into a pipe; all
// the work runs from the event loop. One watcher per process.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;
    Q_DISABLE_COPY_MOVE(TerminationSignals)

    // False when the pipe or the handlers could not be set up; the signals then end the process as
    // the system does by default.
    bool isWatching() const { return m_notifier != nullptr; }

signals:
    void received(int signalNumber);

private:
    void readPipe();

    std::unique_ptr<QSocketNotifier> m_notifier;
};
