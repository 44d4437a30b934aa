#pragma once

#include "display/TrayNotice.h"

#include <QObject>
#include <functional>

class QMenu;
class QSystemTrayIcon;

// The tray icon, where the desktop has a tray: its icon and tip follow the update status and a balloon
// announces new information. Without a tray there is no icon and nothing is said; the sign's menu
// holds everything. A tray that comes up later (a panel started after us at logon) gets the icon with
// the next status.
class TrayStatus : public QObject {
    Q_OBJECT
public:
    using Availability = std::function<bool()>;
    // trayAvailable defaults to asking the desktop.
    explicit TrayStatus(QMenu* menu, QObject* parent = nullptr, Availability trayAvailable = {});
    Q_DISABLE_COPY_MOVE(TrayStatus)

    void show(const TrayNotice& notice);
    // A balloon of its own, apart from the update's notices; nothing without a tray.
    void showBalloon(const QString& title, const QString& text);
    // At exit: the icon goes and does not come back.
    void remove();
    const TrayNotice& notice() const { return m_notice; }
    bool hasIcon() const { return m_icon != nullptr; }

signals:
    void balloonClicked();

private:
    bool iconReady();

    QMenu* m_menu;
    Availability m_trayAvailable;
    QSystemTrayIcon* m_icon = nullptr;
    TrayNotice m_notice;
    bool m_removed = false;
};
