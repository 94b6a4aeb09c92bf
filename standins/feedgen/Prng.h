#pragma once
// The generator's own random numbers: xoshiro256** seeded through splitmix64. Every draw is plain
// integer or IEEE arithmetic, so a seed gives the same numbers on every machine and library version
// (the standard library's distributions do not promise that).
#include <cstdint>
#include <initializer_list>
#include <span>

namespace marovix::feedgen {

class Prng {
public:
    explicit Prng(std::uint64_t seed);
    // A stream of its own for one thing of the feed (a day, a race, a runner ...): the seed and the
    // parts are hashed together, so the stream does not depend on what was drawn elsewhere.
    static Prng forKey(std::uint64_t seed, std::initializer_list<std::uint64_t> parts);

    std::uint64_t next();
    // 0 .. bound-1. REQUIRES: bound > 0.
    std::uint32_t below(std::uint32_t bound);
    // lo .. hi, both included. REQUIRES: lo <= hi.
    int between(int lo, int hi);
    // [0, 1) with 53 random bits.
    double unit();
    bool chance(double probability);
    // Standard normal (sum of twelve uniforms; bounded by ±6, no library functions involved).
    double normal();
    // An index drawn with the given non-negative weights. REQUIRES: some weight above 0.
    std::size_t weighted(std::span<const int> weights);

private:
    std::uint64_t m_state[4];
};

// Exponential function from IEEE arithmetic alone (range reduction and a fixed polynomial), so that
// model values do not depend on the C library's exp.
double deterministicExp(double x);

}  // namespace marovix::feedgen
