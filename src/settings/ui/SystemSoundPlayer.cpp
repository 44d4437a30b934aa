#include "settings/ui/SystemSoundPlayer.h"

#include <QApplication>
#include <QFileInfo>
#include <QSoundEffect>

SystemSoundPlayer::SystemSoundPlayer(QObject* parent, Beep beep)
    : QObject(parent)
    , m_beep(beep ? std::move(beep) : Beep(&QApplication::beep)) {}

QSoundEffect* SystemSoundPlayer::effect() {
    if (!m_effect) {
        m_effect = new QSoundEffect(this);
        connect(m_effect, &QSoundEffect::statusChanged, this, [this] {
            if (m_effect->status() == QSoundEffect::Error)
                m_beep();
        });
    }
    return m_effect;
}

void SystemSoundPlayer::PlaySoundFile(const QString& path) {
    if (path.isEmpty())
        return; // no file chosen: stay silent rather than beep at every item
    if (!QFileInfo(path).isFile()) {
        m_beep();
        return;
    }
    QSoundEffect* sound = effect();
    const QUrl source = QUrl::fromLocalFile(path);
    if (sound->source() == source) {
        // The same file again: it is not loaded anew, so its status tells at once.
        if (sound->status() == QSoundEffect::Error)
            m_beep();
        else
            sound->play();
        return;
    }
    sound->setSource(source);
    sound->play(); // QSoundEffect starts once the file has loaded
}
