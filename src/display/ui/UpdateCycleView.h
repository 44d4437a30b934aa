#pragma once

#include "base/UserPrompter.h"
#include "retrieval/CycleResult.h"
#include "retrieval/UpdateCycle.h"
#include "settings/AppSettings.h"

#include <QObject>

class MainWindow;
class ProgressDialog;
class TickerMenu;
class TrayStatus;

// What the sign shows of an update cycle: while it runs, the lamp, the busy cursor, the progress
// dialog and the page being fetched in the caption; when it ends, how it ended and the captions,
// menu entry and tray notice of what it found. The ticker keeps the timers and the items on show.
class UpdateCycleView : public QObject {
    Q_OBJECT
public:
    struct Parts {
        MainWindow& window;
        TickerMenu& menu;
        TrayStatus& tray;
        ProgressDialog& progress;
        UserPrompter& prompter;
    };

    // Follows the cycle's progress from now on. The settings are read when they are needed.
    UpdateCycleView(UpdateCycle& cycle, Parts parts, const AppSettings& settings, QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(UpdateCycleView)

    void showStarted(int pageCount);
    // How the cycle ended; the lamp and the busy cursor go, the reload entry comes back.
    void showEnded(const CycleResult& result);
    // The cycle found itemCount items to show: the tray notice, the caption and the menu entry.
    void showFound(const CycleResult& result, int itemCount);

private:
    Parts m_parts;
    const AppSettings& m_settings;
};
