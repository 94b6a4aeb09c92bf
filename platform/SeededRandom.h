#pragma once
// The random-number port on a seeded engine (never the C library's rand).
#include <random>

#include "core/ports/Random.h"

namespace marovix {

class SeededRandom : public Random {
public:
    explicit SeededRandom(std::uint64_t seed = 0) : m_engine(seed) {}
    void seed(std::uint64_t seed) override { m_engine.seed(seed); }
    int uniform(int low, int high) override { return std::uniform_int_distribution<int>(low, high)(m_engine); }

private:
    std::mt19937_64 m_engine;
};

}  // namespace marovix
