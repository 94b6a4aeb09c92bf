#pragma once
// Random numbers for tests: a fixed sequence, repeated; records the seeds it was given.
#include <vector>

#include "core/ports/Random.h"

namespace marovix {

class FakeRandom : public Random {
public:
    std::vector<int> sequence{0};
    std::vector<std::uint64_t> seeds;

    void seed(std::uint64_t seed) override {
        seeds.push_back(seed);
        m_next = 0;
    }
    int uniform(int low, int high) override {
        const int value = sequence.empty() ? low : sequence[m_next++ % sequence.size()];
        return value < low ? low : value > high ? high : value;
    }

private:
    std::size_t m_next = 0;
};

}  // namespace marovix
