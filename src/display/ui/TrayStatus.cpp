#include "display/ui/TrayStatus.h"

#include "display/ui/CrispIcon.h"
#include "resources/builtin/BuiltinImages.h"

#include <QSystemTrayIcon>

namespace {

QIcon iconFrom(BuiltinImage small, BuiltinImage large) {
    return crispIcon(QImage(builtinImagePath(small)), QImage(builtinImagePath(large)));
}

QIcon trayIcon(TrayNotice::Icon icon) {
    switch (icon) {
    case TrayNotice::Icon::Idle:
        return iconFrom(BuiltinImage::TrayIdleSmall, BuiltinImage::TrayIdle);
    case TrayNotice::Icon::Updating:
        return iconFrom(BuiltinImage::TrayUpdatingSmall, BuiltinImage::TrayUpdating);
    case TrayNotice::Icon::News:
        return iconFrom(BuiltinImage::TrayInfoSmall, BuiltinImage::TrayInfo);
    }
    return {};
}

} // namespace

TrayStatus::TrayStatus(QMenu* menu, QObject* parent, Availability trayAvailable)
    : QObject(parent)
    , m_menu(menu)
    , m_trayAvailable(trayAvailable ? std::move(trayAvailable)
                                    : Availability(&QSystemTrayIcon::isSystemTrayAvailable)) {}

void TrayStatus::show(const TrayNotice& notice) {
    m_notice = notice;
    if (!iconReady())
        return;
    m_icon->setIcon(trayIcon(notice.icon));
    // Trays here break lines at LF; a CR would show as a stray glyph.
    m_icon->setToolTip(QString(notice.tip).remove(u'\r'));
    m_icon->show();
    if (!notice.balloonText.isEmpty())
        m_icon->showMessage(notice.balloonTitle, notice.balloonText,
                            notice.warning ? QSystemTrayIcon::Warning : QSystemTrayIcon::Information);
}

void TrayStatus::showBalloon(const QString& title, const QString& text) {
    if (m_icon && !m_removed)
        m_icon->showMessage(title, text, QSystemTrayIcon::Information);
}

void TrayStatus::remove() {
    m_removed = true;
    if (m_icon)
        m_icon->hide();
}

bool TrayStatus::iconReady() {
    if (m_removed)
        return false;
    if (m_icon)
        return true;
    if (!m_trayAvailable())
        return false;
    m_icon = new QSystemTrayIcon(this); // show() gives it its icon and puts it up
    m_icon->setContextMenu(m_menu);
    connect(m_icon, &QSystemTrayIcon::messageClicked, this, &TrayStatus::balloonClicked);
    return true;
}
