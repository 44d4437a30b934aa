#pragma once

#include "base/AppFolders.h"
#include "base/Clock.h"
#include "base/SoundPlayer.h"
#include "base/UserPrompter.h"
#include "display/ClockFace.h"
#include "display/ItemRotation.h"
#include "display/NewsNotices.h"
#include "display/TickerTimers.h"
#include "display/ui/LedRenderer.h"
#include "display/ui/UpdateCycleView.h"
#include "retrieval/DataFiles.h"
#include "retrieval/PageMemory.h"
#include "retrieval/UpdateCycle.h"
#include "settings/AppSettings.h"
#include "settings/SettingsStore.h"

#include <QFont>
#include <QObject>
#include <chrono>
#include <functional>
#include <memory>

class FreedesktopNotifier;
class MainWindow;
class QDialog;
class MessageScroller;
class ProgressDialog;
class TickerMenu;
class TrayStatus;

// The life of the sign: what its timers do, the items on show, the user's input, the menu and the
// orderly exit. UpdateCycleView shows the update cycles.
class Ticker : public QObject {
    Q_OBJECT
public:
    // Runs a dialog of the menu as runModal does; returns what exec() returned.
    using ModalRunner = std::function<int(QDialog&)>;
    // What the options dialog needs of the sign.
    struct OptionsHooks {
        std::function<QFont(const AppSettings&)> messageFont; // as the sign draws it
        std::function<void(bool)> setTopMost;                 // the sign in or out of the top band
        std::function<void(bool)> setTaskbarEntry;
    };
    // The dialogs of the menu that other areas make; the composition root hands them in. Either may
    // be missing: its menu entry then does nothing.
    struct DialogOpeners {
        // Runs the page list over parent with the last update's statuses; returns them as the list
        // leaves them.
        std::function<QMap<int, PageStatus>(QWidget* parent, const QMap<int, PageStatus>& statuses,
                                            const ModalRunner& run)>
            pageList;
        // Runs the options dialog over parent on the live settings.
        std::function<void(QWidget* parent, const AppSettings& settings, const OptionsHooks& hooks,
                           const ModalRunner& run)>
            options;
    };

    struct Services {
        AppFolders folders;
        const Clock& clock;
        SettingsStore& store;
        DataFiles& dataFiles;
        SoundPlayer& sound;
        UserPrompter& prompter;
        DialogOpeners dialogs;
        bool otherInstanceWasRunning = false;
        DesktopNotifier* notifier = nullptr; // nullptr: the desktop's notifications
    };

    Ticker(Services services, const AppSettings& settings, QObject* parent = nullptr);
    ~Ticker() override;
    Q_DISABLE_COPY_MOVE(Ticker)

    // Places and shows the window: the skin, the panels, the saved position, always on top.
    void showWindow(bool restorePosition);
    void startUpdate();
    void showNextItem(bool byUser, int step);
    // Opens the link of the item on show, screened as the browse menu's addresses are.
    void openCurrentItem();
    void showStatusOnly(const QString& text);
    void shutdownApp(bool force);
    // The session ends or the process is asked to terminate: shut down at once, unless a deferred
    // exit is already under way.
    void endSession();
    // Shows a dialog opened from the menu: modal, above the sign when it stays on top, with item
    // rotation and periodic updates paused until it closes. Returns what exec() returned.
    int runModal(QDialog& dialog);
    // The options dialog and the skin chooser, as the menu opens them.
    void openOptions();
    void chooseSkin();

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
    const ItemRotation& rotation() const { return m_rotation; }
    UpdateCycle& cycle() { return m_cycle; }
    TickerTimers& timers() { return m_timers; }

signals:
    void shutdownFinished();

private:
    void connectWindow();
    void connectMenu();
    void connectTimers();
    void connectCycle();
    void openMenu(QPoint position);
    void renderCurrentItem();
    void carryOut(const RotationAction& action);
    void showAbout();
    void editPages();
    void browse(const QString& url);
    void togglePage(int page);
    // The download and browse menus show the page list as it is loaded now.
    void refreshPageMenus();
    // Every load of the settings file replaces the settings the sign runs on.
    void takeSettings(const AppSettings& settings);
    void setTopMost(bool on);
    void showTaskbarEntry(bool shown);
    void onCycleStarted(int pageCount);
    void onCycleFinished(const CycleResult& result);
    void publish(const CycleResult& result);
    void announceNews(const CycleResult& result);
    // An update found no page to fetch: the sign says so and where to add one.
    void showNoPageGuidance();
    void switchTaskbarEntry();
    void escape();
    // The exit the menu, a double-click or the window's close asked for, after delay ms.
    void askExit(std::chrono::milliseconds delay);
    void armPeriodicUpdate();

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
    TickerTimers m_timers;
    UpdateCycleView m_cycleView;
    PageMemory m_memory;
    std::unique_ptr<FreedesktopNotifier> m_desktopNotifier;
    // What the last finished update got from each page, by page number.
    QMap<int, PageStatus> m_pageStatuses;
    bool m_menuOpen = false;
    int m_openDialogs = 0; // modal dialogs opened from the menu, still open
    bool m_exitAsked = false;
    bool m_downloadCancelled = false;
    bool m_shutDown = false;
};
