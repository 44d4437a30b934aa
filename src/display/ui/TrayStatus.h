#pragma once

#include "display/TrayNotice.h"

#include <QObject>

class QMenu;
class QSystemTrayIcon;

// The tray icon: added at start-up where the desktop has a tray, removed at exit. Its icon and
// tip follow the update status; a balloon announces new information.
class TrayStatus : public QObject {
    Q_OBJECT
public:
    explicit TrayStatus(QMenu* menu, QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(TrayStatus)

    void show(const TrayNotice& notice);
    void remove();
    const TrayNotice& notice() const { return m_notice; }

private:
    QSystemTrayIcon* m_icon;
    TrayNotice m_notice;
};
