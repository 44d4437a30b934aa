#pragma once

#include <QUrl>
#include <functional>

// One wave sound of the sound module, which SystemSoundPlayer loads with the first sound so that Qt
// Multimedia and the audio libraries under it stay out of the process until a sound is played. The
// module and the program share only this header: a plain interface, no Qt meta-objects.
class WaveSound {
public:
    virtual ~WaveSound() = default;
    // Plays source without waiting, once it has loaded; the failure callback runs when it cannot.
    virtual void play(const QUrl& source) = 0;
};

// The module's one entry point: a new sound that calls failed whenever a file cannot be played.
using CreateWaveSound = WaveSound* (*)(const std::function<void()>& failed);
inline constexpr char CreateWaveSoundName[] = "SorvantaCreateWaveSound";
