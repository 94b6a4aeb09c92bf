#pragma once
// Payouts of a race from its finishing positions and its final pools: every winning combination of
// the eight bet types (more than one for a dead heat), the payout per 100 yen and its popularity.
#include <array>
#include <vector>

#include "standins/feedgen/FeedModel.h"
#include "standins/feedgen/OddsBook.h"

namespace marovix::feedgen {

struct PayoutEntry {
    std::array<int, 3> numbers{};  // horses (brackets for the bracket quinella); unused are 0
    long long yen = 0;             // per 100 yen
    int popularity = 0;
};

struct Payout {
    std::array<std::vector<PayoutEntry>, kBetKinds> kinds;
    const std::vector<PayoutEntry>& of(BetKind kind) const { return kinds[static_cast<std::size_t>(kind)]; }
};

class PayoutModel {
public:
    // REQUIRES: the race has been run (positions set) and `finalBook` holds its final pools.
    // With one winning combination the payout is its final odds x 100; with several (a dead heat)
    // the profit of the pool is shared among them.
    static Payout payout(const Race& race, const OddsBook& finalBook);
};

}  // namespace marovix::feedgen
