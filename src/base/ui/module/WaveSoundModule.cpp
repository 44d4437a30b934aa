// The sound module: QSoundEffect behind the WaveSound interface, built as a loadable module beside
// the program and loaded with the first sound played.
#include "base/ui/WaveSound.h"

#include <QSoundEffect>

namespace {

class EffectSound final : public WaveSound {
public:
    explicit EffectSound(std::function<void()> failed)
        : m_failed(std::move(failed)) {
        QObject::connect(&m_effect, &QSoundEffect::statusChanged, &m_effect, [this] {
            if (m_effect.status() == QSoundEffect::Error)
                m_failed();
        });
    }

    void play(const QUrl& source) override {
        if (m_effect.source() == source) {
            // The same file again: it is not loaded anew, so its status tells at once.
            if (m_effect.status() == QSoundEffect::Error)
                m_failed();
            else
                m_effect.play();
            return;
        }
        m_effect.setSource(source);
        m_effect.play(); // starts once the file has loaded
    }

private:
    std::function<void()> m_failed;
    QSoundEffect m_effect;
};

} // namespace

extern "C" Q_DECL_EXPORT WaveSound* sorvantaCreateWaveSound(const std::function<void()>& failed) {
    return new EffectSound(failed);
}
