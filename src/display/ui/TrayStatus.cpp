#include "display/ui/TrayStatus.h"

#include "resources/builtin/BuiltinImages.h"

#include <QIcon>
#include <QSystemTrayIcon>

namespace {

QIcon TrayIcon(TrayNotice::Icon icon) {
    QIcon result;
    switch (icon) {
    case TrayNotice::Icon::Idle:
        result.addFile(builtinImagePath(BuiltinImage::TrayIdle));
        result.addFile(builtinImagePath(BuiltinImage::TrayIdleSmall));
        break;
    case TrayNotice::Icon::Updating:
        result.addFile(builtinImagePath(BuiltinImage::TrayUpdating));
        result.addFile(builtinImagePath(BuiltinImage::TrayUpdatingSmall));
        break;
    case TrayNotice::Icon::News:
        result.addFile(builtinImagePath(BuiltinImage::TrayInfo));
        result.addFile(builtinImagePath(BuiltinImage::TrayInfoSmall));
        break;
    }
    return result;
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
