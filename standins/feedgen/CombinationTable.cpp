#include "standins/feedgen/CombinationTable.h"

namespace marovix::feedgen {
namespace {

struct Tables {
    std::vector<Combination> bracketPairs, pairs, orderedPairs, triples, orderedTriples;
    std::array<int, 19 * 19 * 19> tripleIndex{};

    Tables() {
        auto u8 = [](int v) { return static_cast<std::uint8_t>(v); };
        for (int a = 1; a <= 8; ++a)
            for (int b = a; b <= 8; ++b) bracketPairs.push_back({u8(a), u8(b), 0});
        for (int a = 1; a <= kMaxHorses; ++a)
            for (int b = a + 1; b <= kMaxHorses; ++b) pairs.push_back({u8(a), u8(b), 0});
        for (int a = 1; a <= kMaxHorses; ++a)
            for (int b = 1; b <= kMaxHorses; ++b)
                if (b != a) orderedPairs.push_back({u8(a), u8(b), 0});
        for (int a = 1; a <= kMaxHorses; ++a)
            for (int b = a + 1; b <= kMaxHorses; ++b)
                for (int c = b + 1; c <= kMaxHorses; ++c) {
                    tripleIndex[(a * 19 + b) * 19 + c] = static_cast<int>(triples.size());
                    triples.push_back({u8(a), u8(b), u8(c)});
                }
        for (int a = 1; a <= kMaxHorses; ++a)
            for (int b = 1; b <= kMaxHorses; ++b)
                for (int c = 1; c <= kMaxHorses; ++c)
                    if (a != b && a != c && b != c) orderedTriples.push_back({u8(a), u8(b), u8(c)});
    }
};

const Tables& tables() {
    static const Tables instance;
    return instance;
}

}  // namespace

const std::vector<Combination>& CombinationTable::bracketPairs() { return tables().bracketPairs; }
const std::vector<Combination>& CombinationTable::pairs() { return tables().pairs; }
const std::vector<Combination>& CombinationTable::orderedPairs() { return tables().orderedPairs; }
const std::vector<Combination>& CombinationTable::triples() { return tables().triples; }
const std::vector<Combination>& CombinationTable::orderedTriples() { return tables().orderedTriples; }

int CombinationTable::tripleIndex(int a, int b, int c) { return tables().tripleIndex[(a * 19 + b) * 19 + c]; }

int CombinationTable::orderedTripleIndex(int a, int b, int c) {
    const int second = b < a ? b : b - 1;
    int third = c;  // rank of c among the 16 horses left once a and b are out
    if (c > a) --third;
    if (c > b) --third;
    return (a - 1) * 272 + (second - 1) * 16 + third - 1;
}

int CombinationTable::bracketOf(int registered, int horse) {
    if (registered <= 8) return horse;
    const int base = registered / 8;
    const int larger = registered % 8;  // the last `larger` brackets hold base + 1 horses
    const int smallBrackets = 8 - larger;
    const int inSmall = smallBrackets * base;
    if (horse <= inSmall) return (horse - 1) / base + 1;
    return smallBrackets + (horse - inSmall - 1) / (base + 1) + 1;
}

}  // namespace marovix::feedgen
