#pragma once
#include <QObject>
#include <QSoundEffect>
#include <memory>

#include "core/ports/Sound.h"

namespace marovix {

// Plays WAV files through QSoundEffect (never a media player, which needs a working audio device);
// a missing file or no audio device is silently skipped.
class QtSound : public Sound {
public:
    void play(const std::string& path) override;

private:
    std::unique_ptr<QSoundEffect> m_effect;
};

}  // namespace marovix
