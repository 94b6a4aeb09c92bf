#pragma once
#include "core/ports/Sound.h"

namespace marovix {

// Plays a wave file with PlaySoundW, asynchronously: the call returns at once and a new sound stops the
// one playing. A missing file is skipped without the system's default sound; so is a machine without an
// audio device (PlaySoundW then does nothing).
class Win32Sound : public Sound {
public:
    void play(const std::string& path) override;
};

// The system beep of an information message (MessageBeep).
void systemBeep();

}  // namespace marovix
