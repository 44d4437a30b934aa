#pragma once

#include "base/SoundPlayer.h"
#include "base/ui/WaveSound.h"

#include <QObject>
#include <functional>
#include <memory>

// Asynchronous playback of wave files; a file that cannot be played gives the system beep, every
// time it is asked for. The audio machinery (the sound module with Qt Multimedia under it) is loaded
// with the first sound, not at start; without the module every sound is the beep.
class SystemSoundPlayer final : public QObject, public SoundPlayer {
    Q_OBJECT
public:
    using Beep = std::function<void()>;
    // modulePath defaults to the sound module in the program's folder.
    explicit SystemSoundPlayer(QObject* parent = nullptr, Beep beep = {}, QString modulePath = {});
    ~SystemSoundPlayer() override;
    Q_DISABLE_COPY_MOVE(SystemSoundPlayer)

    void playSoundFile(const QString& path) override;

    // Where the build and the install put the module, from the program's folder.
    static constexpr char ModulePath[] = "modules/sorvanta-sound.so";

private:
    WaveSound* sound();

    Beep m_beep;
    QString m_modulePath;
    std::unique_ptr<WaveSound> m_sound;
    bool m_moduleMissing = false;
};
