#pragma once
// Port: random numbers. Whatever needs chance takes this port, so that a run replayed with the same seed
// (the clock of a replayed day, a simulation) gives the same result twice.
#include <cstdint>

namespace marovix {

class Random {
public:
    virtual ~Random() = default;
    // Starts the sequence again from `seed`.
    virtual void seed(std::uint64_t seed) = 0;
    // A number from `low` to `high`, both included. REQUIRES: low <= high.
    virtual int uniform(int low, int high) = 0;
};

}  // namespace marovix
