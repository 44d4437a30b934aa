#pragma once

#include "base/Clock.h"
#include "base/UserPrompter.h"
#include "display/ClockFace.h"
#include "display/ItemRotation.h"
#include "display/ui/LedRenderer.h"
#include "retrieval/DataFiles.h"
#include "retrieval/UpdateCycle.h"
#include "settings/AppSettings.h"
#include "settings/SettingsStore.h"
#include "settings/SoundPlayer.h"
#include "startup/AppFolders.h"

#include <QObject>
#include <QTimer>
#include <memory>

class MainWindow;
class MessageScroller;
class ProgressDialog;
class TickerMenu;
class TrayStatus;

// The life of the sign: its timers, the items on show, the update cycle's display, the menu, the
// tray and the orderly exit.
class Ticker : public QObject {
    Q_OBJECT
public:
    struct Services {
        AppFolders folders;
        const Clock& clock;
        SettingsStore& store;
        DataFiles& dataFiles;
        SoundPlayer& sound;
        UserPrompter& prompter;
        bool otherInstanceWasRunning = false;
    };

    Ticker(Services services, const AppSettings& settings, QObject* parent = nullptr);
    ~Ticker() override;
    Q_DISABLE_COPY_MOVE(Ticker)

    // Places and shows the window: the skin, the panels, the saved position, always on top.
    void showWindow(bool restorePosition);
    void StartUpdate();
    void ShowNextItem(bool byUser, int step);
    void ShowStatusOnly(const QString& text);
    void ShutdownApp(bool force);
    // The session ends or the process is asked to terminate: shut down at once, unless a deferred
    // exit is already under way.
    void endSession();

    // What the timers do on each tick; public so that tests can tick with a fake clock.
    void clockTick();
    void rotationTick();
    void updateTick();
    void httpTick();
    void scrollTick();
    void lampTick();
    void endTick();

    MainWindow* window() const { return m_window.get(); }
    TickerMenu* menu() const { return m_menu.get(); }
    TrayStatus* tray() const { return m_tray.get(); }
    ProgressDialog* progressDialog() const { return m_progress.get(); }
    const ItemRotation& rotation() const { return m_rotation; }
    const AppSettings& settings() const { return m_settings; }
    UpdateCycle& cycle() { return m_cycle; }
    const QTimer& timer(const char* name) const;
    bool isMenuOpen() const { return m_menuOpen; }

signals:
    void shutdownFinished();

private:
    void connectWindow();
    void connectMenu();
    void connectCycle();
    void openMenu(QPoint position);
    void renderCurrentItem();
    void carryOut(const RotationAction& action);
    void setStatusCaption(const QString& text);
    void showAbout();
    void browse(const QString& url);
    void togglePage(int page);
    void onSettingsLoaded();
    void onCycleStarted(int pageCount);
    void onCycleFinished(const CycleResult& result);
    void applyCycleEnd(const CycleResult& result);
    void escape();
    void armAligned(QTimer& timer, int periodSeconds);

    Services m_services;
    AppSettings m_settings;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<TickerMenu> m_menu;
    std::unique_ptr<TrayStatus> m_tray;
    std::unique_ptr<ProgressDialog> m_progress;
    std::unique_ptr<MessageScroller> m_scroller;
    LedRenderer m_renderer;
    ItemRotation m_rotation;
    ClockFace m_clockFace;
    UpdateCycle m_cycle;
    QTimer m_clockTimer, m_rotationTimer, m_updateTimer, m_httpTimer, m_scrollTimer, m_lampTimer, m_endTimer,
        m_switchTimer;
    bool m_menuOpen = false;
    bool m_downloadCancelled = false;
    bool m_shutDown = false;
};
