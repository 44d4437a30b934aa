#include "display/ui/FreedesktopNotifier.h"

#include "display/ui/TrayStatus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

using namespace Qt::StringLiterals;

namespace {

const QString Service = u"org.freedesktop.Notifications"_s;
const QString Path = u"/org/freedesktop/Notifications"_s;
const QString Interface = u"org.freedesktop.Notifications"_s;
const QString OpenAction = u"default"_s;

} // namespace

FreedesktopNotifier::FreedesktopNotifier(TrayStatus& tray, Opener open, QObject* parent)
    : QObject(parent)
    , m_tray(tray)
    , m_open(std::move(open)) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.connect(Service, Path, Interface, u"ActionInvoked"_s, this, SLOT(onActionInvoked(uint, QString)));
    bus.connect(Service, Path, Interface, u"NotificationClosed"_s, this,
                SLOT(onNotificationClosed(uint, uint)));
    connect(&m_tray, &TrayStatus::balloonClicked, this, [this] {
        if (!m_balloonLink.isEmpty())
            m_open(m_balloonLink);
    });
}

void FreedesktopNotifier::notify(const DesktopNotice& notice) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        showInTray(notice);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Interface, u"Notify"_s);
    QStringList actions;
    if (!notice.link.isEmpty())
        actions << OpenAction << tr("開く");
    call << u"Sorvanta"_s << uint(0) << u"sorvanta"_s << notice.summary << notice.body.toHtmlEscaped()
         << actions << QVariantMap{{u"desktop-entry"_s, u"sorvanta"_s}} << qint32(-1);
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, notice](QDBusPendingCallWatcher* done) {
        done->deleteLater();
        const QDBusPendingReply<uint> reply = *done;
        if (reply.isError())
            showInTray(notice);
        else if (!notice.link.isEmpty())
            m_links.insert(reply.value(), notice.link);
    });
}

void FreedesktopNotifier::onActionInvoked(uint id, const QString& action) {
    const QString link = m_links.value(id);
    if (action == OpenAction && !link.isEmpty())
        m_open(link);
}

void FreedesktopNotifier::onNotificationClosed(uint id, uint) {
    m_links.remove(id);
}

void FreedesktopNotifier::showInTray(const DesktopNotice& notice) {
    m_balloonLink = notice.link;
    m_tray.showBalloon(notice.summary, notice.body);
}
