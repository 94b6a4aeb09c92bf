#pragma once
// The odds of one race at one moment for all eight bet types, as pari-mutuel pools: whole votes (100
// yen each) per combination, and the odds and popularity that follow from them. Payouts are computed
// from the same votes, so odds, popularity and payouts always agree.
#include <array>
#include <cstdint>
#include <vector>

namespace marovix::feedgen {

// Bet types in the system's order.
enum class BetKind { Win, Place, Bracket, Quinella, Wide, Exacta, Trio, Trifecta };
inline constexpr int kBetKinds = 8;

enum class EntryState : std::uint8_t {
    Absent,     // no such horse or combination: a blank entry
    Scratched,  // a scratched horse takes part: "-" in the odds field
    Open,
};

struct BetRules {
    int takeOutPerMille;  // JRA's deduction
    int maxOdds;          // in 0.1 units: the largest the odds field holds
};
inline constexpr BetRules kBetRules[kBetKinds] = {
    {200, 9999}, {200, 9999}, {225, 99999}, {225, 999999}, {225, 99999}, {250, 999999}, {250, 999999}, {275, 9999999},
};

struct OddsEntries {
    std::vector<EntryState> state;
    std::vector<std::int64_t> votes;
    std::vector<int> odds;        // 0.1 units; the low end for place and quinella place
    std::vector<int> oddsHigh;    // place and quinella place: the high end
    std::vector<int> popularity;  // 1 = most votes; 0 for entries that are not open
    std::int64_t total = 0;       // votes of the pool
    bool sold = true;

    // The pool after the deduction, in thousandths of a vote.
    std::int64_t netMilli(BetKind kind) const {
        return total * (1000 - kBetRules[static_cast<int>(kind)].takeOutPerMille);
    }
};

struct OddsBook {
    int registered = 0;
    int starters = 0;
    int placeCount = 3;  // place bets pay the first 3 (2 with 7 starters or fewer)
    std::array<OddsEntries, kBetKinds> kinds;

    OddsEntries& of(BetKind kind) { return kinds[static_cast<std::size_t>(kind)]; }
    const OddsEntries& of(BetKind kind) const { return kinds[static_cast<std::size_t>(kind)]; }
};

}  // namespace marovix::feedgen
