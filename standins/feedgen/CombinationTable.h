#pragma once
// The combinations of every bet type in the order of the odds records: the k-th entry of an odds
// record belongs to combination k. Every order is lexicographic: bracket pairs 1-1, 1-2 ... 8-8; horse
// pairs 1-2 ... 17-18; ordered pairs 1-2, 1-3 ... 18-17; triples 1-2-3 ... 16-17-18; ordered triples
// 1-2-3, 1-2-4 ... 18-17-16.
#include <array>
#include <cstdint>
#include <vector>

namespace marovix::feedgen {

inline constexpr int kMaxHorses = 18;

struct Combination {
    std::uint8_t first;
    std::uint8_t second;
    std::uint8_t third;  // 0 for pairs
};

class CombinationTable {
public:
    static const std::vector<Combination>& bracketPairs();    // 36
    static const std::vector<Combination>& pairs();           // 153 (quinella, quinella place)
    static const std::vector<Combination>& orderedPairs();    // 306 (exacta)
    static const std::vector<Combination>& triples();         // 816 (trio)
    static const std::vector<Combination>& orderedTriples();  // 4896 (trifecta)

    // 0-based positions in the tables above. REQUIRES valid horses (1..18), a < b for pairs.
    static int pairIndex(int a, int b) { return (a - 1) * kMaxHorses - (a - 1) * a / 2 + (b - a) - 1; }
    static int orderedPairIndex(int a, int b) { return (a - 1) * 17 + (b < a ? b : b - 1) - 1; }
    static int bracketPairIndex(int a, int b) { return (a - 1) * 8 - (a - 1) * (a - 2) / 2 + (b - a); }
    static int tripleIndex(int a, int b, int c);  // a < b < c
    static int orderedTripleIndex(int a, int b, int c);

    // The bracket of a horse under the registered-runner count: up to 8 runners one horse per bracket,
    // else the last (count mod 8) brackets hold one horse more.
    static int bracketOf(int registered, int horse);
};

}  // namespace marovix::feedgen
