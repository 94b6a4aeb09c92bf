#pragma once
// Port: plays a sound file without waiting. A missing file or no audio device is silently skipped.
#include <string>

namespace marovix {

class Sound {
public:
    virtual ~Sound() = default;
    virtual void play(const std::string& path) = 0;
};

}  // namespace marovix
