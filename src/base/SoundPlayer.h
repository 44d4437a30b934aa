#pragma once

#include <QString>

// Plays a wave file without waiting for it. The window plays through the desktop's audio; tests
// record what would have played.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void playSoundFile(const QString& path) = 0;
};
