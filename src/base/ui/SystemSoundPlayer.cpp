#include "base/ui/SystemSoundPlayer.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibrary>

SystemSoundPlayer::SystemSoundPlayer(QObject* parent, Beep beep, QString modulePath)
    : QObject(parent)
    , m_beep(beep ? std::move(beep) : Beep(&QApplication::beep))
    , m_modulePath(modulePath.isEmpty()
                       ? QCoreApplication::applicationDirPath() + u'/' + QLatin1String(ModulePath)
                       : std::move(modulePath)) {}

SystemSoundPlayer::~SystemSoundPlayer() = default;

WaveSound* SystemSoundPlayer::sound() {
    if (!m_sound && !m_moduleMissing) {
        // The module stays loaded for the rest of the run: the sound's code lives in it.
        QLibrary module(m_modulePath);
        const auto create = reinterpret_cast<CreateWaveSound>(module.resolve(CreateWaveSoundName));
        if (create)
            m_sound.reset(create([this] { m_beep(); }));
        m_moduleMissing = !m_sound;
    }
    return m_sound.get();
}

void SystemSoundPlayer::playSoundFile(const QString& path) {
    if (path.isEmpty())
        return; // no file chosen: stay silent rather than beep at every item
    WaveSound* wave = QFileInfo(path).isFile() ? sound() : nullptr;
    if (!wave) {
        m_beep();
        return;
    }
    wave->play(QUrl::fromLocalFile(path));
}
