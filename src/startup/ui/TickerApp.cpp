#include "startup/ui/TickerApp.h"

#include "base/RunLog.h"
#include "display/ui/MainWindow.h"
#include "display/ui/Ticker.h"
#include "startup/PrivacyWarning.h"
#include "startup/ui/MenuDialogs.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QScreen>
#include <QThreadPool>
#include <QTimer>
#include <chrono>
#include <cstdio>

namespace {

double screenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

// The window benchmark asks for the moment of the first paint through this variable and sets it
// against the moment it launched the program: wall-clock microseconds on standard error.
void reportFirstPaintWhenAsked(const MainWindow& window) {
    if (!qEnvironmentVariableIsSet("SORVANTA_REPORT_FIRST_PAINT"))
        return;
    QObject::connect(&window, &MainWindow::firstPainted, &window, [] {
        using namespace std::chrono;
        const auto now = duration_cast<microseconds>(system_clock::now().time_since_epoch());
        std::fprintf(stderr, "first-paint-at-us %lld\n", static_cast<long long>(now.count()));
    });
}

} // namespace

TickerApp::TickerApp(const QString& argumentText)
    : m_folders(AppFolders::forThisProcess(argumentText))
    , m_lock(InstanceLock::lockPathFor(m_folders.settingsFolder()))
    , m_dataFiles(m_folders, &m_prompter)
    , m_store(m_folders, m_clock, screenDpi()) {}

TickerApp::~TickerApp() = default;

void TickerApp::main() {
    // A signal from here on ends the program in order: a question on screen counts as answered with
    // its default, and the sign, once there, runs its exit.
    QObject::connect(&m_terminationSignals, &TerminationSignals::received, qApp, [this] {
        m_terminationAsked = true;
        m_prompter.answerWithDefaults();
        if (m_ticker)
            m_ticker->endSession();
    });
    QDir::setCurrent(m_folders.programFolder());
    m_dataFiles.loadDataFiles();
    const AppSettings settings = m_store.loadSettings();
    if (settings.Debug)
        writeRunLogLine(m_folders.runLogPath(), m_clock.now(), RunLogTag::Run);
    warnOfExposedPasswords(m_folders, m_dataFiles.tables(), settings, m_clock);
    if (m_terminationAsked) {
        // Ended before the sign was up: nothing to save, nothing the user did not confirm is written.
        if (settings.Debug)
            writeRunLogLine(m_folders.runLogPath(), m_clock.now(), RunLogTag::End);
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return;
    }

    // A later instance leaves the window where the desktop puts it, unless it has its own id.
    const bool restorePosition =
        m_folders.options().mode == StartupMode::PerId || !m_lock.otherInstanceWasRunning();
    m_ticker = std::make_unique<Ticker>(
        Ticker::Services{m_folders, m_clock, m_store, m_dataFiles, m_sound, m_prompter,
                         menuDialogs({m_store, m_dataFiles, m_prompter, m_sound, m_choosers}),
                         m_lock.otherInstanceWasRunning()},
        settings);
    m_prompter.setParent(m_ticker->window());
    reportFirstPaintWhenAsked(*m_ticker->window());
    QObject::connect(m_ticker.get(), &Ticker::shutdownFinished, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    m_ticker->showWindow(restorePosition);
    if (settings.LoadAtFirst)
        m_ticker->startUpdate();
}

bool TickerApp::workersEnded(std::chrono::milliseconds timeout) {
    // The update's own workers, and those of a rule test whose dialog is long closed, within one
    // deadline for both.
    const QDeadlineTimer deadline(timeout);
    const auto left = [&deadline] { return std::chrono::milliseconds(deadline.remainingTime()); };
    const bool cycleDone = !m_ticker || m_ticker->cycle().waitForWorkers(left());
    return cycleDone && QThreadPool::globalInstance()->waitForDone(int(left().count()));
}
