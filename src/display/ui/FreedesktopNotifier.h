#pragma once

#include "display/NewsNotices.h"

#include <QHash>
#include <QObject>
#include <functional>

class TrayStatus;

// Desktop notifications through the freedesktop notification service on the session bus, each with an
// action that opens its link. Where no service answers, the tray's balloon says the same, and a click
// on it opens the link.
class FreedesktopNotifier : public QObject, public DesktopNotifier {
    Q_OBJECT
public:
    using Opener = std::function<void(const QString& link)>;
    FreedesktopNotifier(TrayStatus& tray, Opener open, QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(FreedesktopNotifier)

    void notify(const DesktopNotice& notice) override;

private slots:
    void onActionInvoked(uint id, const QString& action);
    void onNotificationClosed(uint id, uint reason);

private:
    void showInTray(const DesktopNotice& notice);

    TrayStatus& m_tray;
    Opener m_open;
    QHash<uint, QString> m_links; // by notification id, while the notification is up
    QString m_balloonLink;
};
