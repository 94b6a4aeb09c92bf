#include "standins/feedgen/Prng.h"

#include <cmath>

namespace marovix::feedgen {
namespace {

std::uint64_t splitmix(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

}  // namespace

Prng::Prng(std::uint64_t seed) {
    for (auto& word : m_state) word = splitmix(seed);
}

Prng Prng::forKey(std::uint64_t seed, std::initializer_list<std::uint64_t> parts) {
    std::uint64_t h = seed ^ 0x6A09E667F3BCC909ull;
    for (std::uint64_t part : parts) {
        std::uint64_t mixed = h ^ part;
        h = splitmix(mixed);
    }
    return Prng(h);
}

std::uint64_t Prng::next() {
    const std::uint64_t result = rotl(m_state[1] * 5, 7) * 9;
    const std::uint64_t t = m_state[1] << 17;
    m_state[2] ^= m_state[0];
    m_state[3] ^= m_state[1];
    m_state[1] ^= m_state[2];
    m_state[0] ^= m_state[3];
    m_state[2] ^= t;
    m_state[3] = rotl(m_state[3], 45);
    return result;
}

std::uint32_t Prng::below(std::uint32_t bound) {
    // Lemire's multiply-and-shift with rejection: unbiased and the same everywhere.
    std::uint64_t m = (next() >> 32) * bound;
    auto low = static_cast<std::uint32_t>(m);
    if (low < bound) {
        const std::uint32_t threshold = static_cast<std::uint32_t>(-bound) % bound;
        while (low < threshold) {
            m = (next() >> 32) * bound;
            low = static_cast<std::uint32_t>(m);
        }
    }
    return static_cast<std::uint32_t>(m >> 32);
}

int Prng::between(int lo, int hi) { return lo + static_cast<int>(below(static_cast<std::uint32_t>(hi - lo + 1))); }

double Prng::unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

bool Prng::chance(double probability) { return unit() < probability; }

double Prng::normal() {
    double sum = 0;
    for (int i = 0; i < 12; ++i) sum += unit();
    return sum - 6.0;
}

std::size_t Prng::weighted(std::span<const int> weights) {
    long long total = 0;
    for (int w : weights) total += w > 0 ? w : 0;
    long long draw = static_cast<long long>(below(static_cast<std::uint32_t>(total)));
    for (std::size_t i = 0; i < weights.size(); ++i) {
        if (weights[i] <= 0) continue;
        if (draw < weights[i]) return i;
        draw -= weights[i];
    }
    return weights.size() - 1;
}

double deterministicExp(double x) {
    if (x > 700) x = 700;
    if (x < -700) x = -700;
    // x = k ln2 + r with |r| <= ln2 / 2; ln2 split in two parts so that k ln2 is exact enough.
    constexpr double ln2Hi = 6.93147180369123816490e-01;
    constexpr double ln2Lo = 1.90821492927058770002e-10;
    const double k = std::nearbyint(x * 1.44269504088896338700);
    const double r = (x - k * ln2Hi) - k * ln2Lo;
    // Taylor series to the 12th power: below 1e-15 relative error on the reduced range.
    double p = 1.0 / 479001600.0;
    constexpr double inverseFactorials[] = {
        1.0 / 39916800.0, 1.0 / 3628800.0, 1.0 / 362880.0, 1.0 / 40320.0, 1.0 / 5040.0, 1.0 / 720.0,
        1.0 / 120.0,      1.0 / 24.0,      1.0 / 6.0,      1.0 / 2.0,     1.0,          1.0};
    for (double c : inverseFactorials) p = p * r + c;
    return std::ldexp(p, static_cast<int>(k));
}

}  // namespace marovix::feedgen
