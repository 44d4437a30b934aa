#pragma once

#include "settings/SoundPlayer.h"

#include <QObject>
#include <QUrl>
#include <functional>

class QSoundEffect;

// Asynchronous playback of wave files; a file that cannot be played gives the system beep, every
// time it is asked for. The audio machinery is loaded with the first sound, not at start.
class SystemSoundPlayer final : public QObject, public SoundPlayer {
    Q_OBJECT
public:
    using Beep = std::function<void()>;
    explicit SystemSoundPlayer(QObject* parent = nullptr, Beep beep = {});
    Q_DISABLE_COPY_MOVE(SystemSoundPlayer)

    void PlaySoundFile(const QString& path) override;

private:
    QSoundEffect* effect();

    Beep m_beep;
    QSoundEffect* m_effect = nullptr;
};
