#pragma once
#include <string>
#include <vector>

#include "core/ports/Sound.h"

namespace marovix {

// Records the files played.
class FakeSound : public Sound {
public:
    std::vector<std::string> played;
    void play(const std::string& path) override { played.push_back(path); }
};

}  // namespace marovix
