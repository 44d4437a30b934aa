#include "display/ui/TrayStatus.h"

#include "display/ui/CrispIcon.h"
#include "resources/builtin/BuiltinImages.h"

#include <QSystemTrayIcon>

namespace {

QIcon IconFrom(BuiltinImage small, BuiltinImage large) {
    return CrispIcon(QImage(builtinImagePath(small)), QImage(builtinImagePath(large)));
}

QIcon TrayIcon(TrayNotice::Icon icon) {
    switch (icon) {
    case TrayNotice::Icon::Idle:
        return IconFrom(BuiltinImage::TrayIdleSmall, BuiltinImage::TrayIdle);
    case TrayNotice::Icon::Updating:
        return IconFrom(BuiltinImage::TrayUpdatingSmall, BuiltinImage::TrayUpdating);
    case TrayNotice::Icon::News:
        return IconFrom(BuiltinImage::TrayInfoSmall, BuiltinImage::TrayInfo);
    }
    return {};
}

} // namespace

TrayStatus::TrayStatus(QMenu* menu, QObject* parent)
    : QObject(parent)
    , m_icon(new QSystemTrayIcon(TrayIcon(TrayNotice::Icon::Updating), this)) {
    m_icon->setContextMenu(menu);
    if (QSystemTrayIcon::isSystemTrayAvailable())
        m_icon->show();
}

void TrayStatus::show(const TrayNotice& notice) {
    m_notice = notice;
    m_icon->setIcon(TrayIcon(notice.icon));
    // Trays here break lines at LF; a CR would show as a stray glyph.
    m_icon->setToolTip(QString(notice.tip).remove(u'\r'));
    if (!notice.balloonText.isEmpty() && m_icon->isVisible())
        m_icon->showMessage(notice.balloonTitle, notice.balloonText,
                            notice.warning ? QSystemTrayIcon::Warning : QSystemTrayIcon::Information);
}

void TrayStatus::remove() {
    m_icon->hide();
}
