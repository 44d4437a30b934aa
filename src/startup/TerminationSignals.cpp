#include "startup/TerminationSignals.h"

#include <array>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array WatchedSignals{SIGTERM, SIGINT, SIGHUP};
int SignalPipe[2] = {-1, -1};

void onSignal(int signalNumber) {
    const int savedErrno = errno;
    const char number = static_cast<char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(SignalPipe[1], &number, 1);
    errno = savedErrno;
}

void setHandler(void (*handler)(int)) {
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : WatchedSignals)
        ::sigaction(signalNumber, &action, nullptr);
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent)
    : QObject(parent) {
    Q_ASSERT(SignalPipe[0] < 0);
    if (::pipe2(SignalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = std::make_unique<QSocketNotifier>(SignalPipe[0], QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &TerminationSignals::readPipe);
    setHandler(onSignal);
}

TerminationSignals::~TerminationSignals() {
    if (!m_notifier)
        return;
    setHandler(SIG_DFL);
    m_notifier.reset();
    ::close(SignalPipe[0]);
    ::close(SignalPipe[1]);
    SignalPipe[0] = SignalPipe[1] = -1;
}

void TerminationSignals::readPipe() {
    char number = 0;
    while (::read(SignalPipe[0], &number, 1) == 1)
        emit received(number);
}
