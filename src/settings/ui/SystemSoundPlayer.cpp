#include "settings/ui/SystemSoundPlayer.h"

#include <QApplication>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

SystemSoundPlayer::SystemSoundPlayer(QObject* parent)
    : QObject(parent)
    , m_effect(new QSoundEffect(this)) {
    connect(m_effect, &QSoundEffect::statusChanged, this, [this] {
        if (m_effect->status() == QSoundEffect::Error)
            QApplication::beep();
    });
}

void SystemSoundPlayer::PlaySoundFile(const QString& path) {
    if (path.isEmpty())
        return; // no file chosen: stay silent rather than beep at every item
    if (!QFileInfo(path).isFile()) {
        QApplication::beep();
        return;
    }
    const QUrl source = QUrl::fromLocalFile(path);
    if (m_effect->source() == source && m_effect->status() == QSoundEffect::Ready) {
        m_effect->play();
        return;
    }
    m_effect->setSource(source);
    m_effect->play(); // QSoundEffect starts once the file has loaded
}
