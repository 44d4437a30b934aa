#pragma once

#include "base/AppFolders.h"
#include "base/Clock.h"
#include "base/ui/MessageBoxPrompter.h"
#include "base/ui/SystemSoundPlayer.h"
#include "retrieval/DataFiles.h"
#include "settings/SettingsStore.h"
#include "settings/ui/ChooserDialogs.h"
#include "startup/InstanceLock.h"
#include "startup/TerminationSignals.h"

#include <chrono>
#include <memory>

class Ticker;

// The program from start to exit: folders, data files, settings, the run log and the sign.
class TickerApp {
public:
    explicit TickerApp(const QString& argumentText);
    ~TickerApp();
    Q_DISABLE_COPY_MOVE(TickerApp)

    // Loads everything and shows the sign; the program then lives in its timers.
    void main();
    Ticker* ticker() const { return m_ticker.get(); }
    // After the event loop: waits up to timeout for the worker threads still fetching pages.
    bool workersEnded(std::chrono::milliseconds timeout);

private:
    SystemClock m_clock;
    AppFolders m_folders;
    InstanceLock m_lock;
    MessageBoxPrompter m_prompter;
    SystemSoundPlayer m_sound;
    DesktopChooserDialogs m_choosers;
    DataFiles m_dataFiles;
    SettingsStore m_store;
    std::unique_ptr<Ticker> m_ticker;
    TerminationSignals m_terminationSignals;
    bool m_terminationAsked = false;
};
