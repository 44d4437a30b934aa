#pragma once

#include "settings/SoundPlayer.h"

#include <QObject>

class QSoundEffect;

// Asynchronous playback of wave files; a file that cannot be played gives the system beep.
class SystemSoundPlayer final : public QObject, public SoundPlayer {
    Q_OBJECT
public:
    explicit SystemSoundPlayer(QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(SystemSoundPlayer)

    void PlaySoundFile(const QString& path) override;

private:
    QSoundEffect* m_effect;
};
