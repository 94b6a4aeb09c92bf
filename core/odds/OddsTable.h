#pragma once
// The odds and popularity of one race for all eight bet types. Win and place are indexed by horse number
// 1..18, the other bet types by combination number 1..count (CombinationNumber.h); index 0 is unused.
//
// Odds are the published odds (the record's digits divided by 10). Sentinels: kScratchedOdds (-1.0) for
// a scratched entry, kEmptyOdds (-2.0) for an empty one (no such horse or combination); 0 means not read
// (or no votes) and is unusable. A popularity of 0 means none.
#include <array>
#include <span>

#include "core/odds/CombinationNumber.h"
#include "core/odds/OddsRecordLayout.h"
#include "core/race/RaceSlot.h"

namespace marovix {

inline constexpr double kScratchedOdds = -1.0;
inline constexpr double kEmptyOdds = -2.0;

// The win and place lists of a race: all that its race cards, its marks and the win and place builders
// read of its odds.
struct WinPlaceOdds {
    template <int Count>
    using Odds = std::array<double, Count + 1>;
    template <int Count>
    using Popularity = std::array<int, Count + 1>;

    Odds<kRunnerSlotCount> TanOdds{};
    Odds<kRunnerSlotCount> FukOddsLow{};
    Odds<kRunnerSlotCount> FukOddsHigh{};
    Popularity<kRunnerSlotCount> TanPop{};     // rank by win odds, computed
    Popularity<kRunnerSlotCount> FukLowPop{};  // rank by lower place odds, computed

    friend bool operator==(const WinPlaceOdds&, const WinPlaceOdds&) = default;
};

// The whole table: the win and place lists and the combination lists.
struct OddsTable : WinPlaceOdds {
    Odds<kCombinationsWR> WROdds{};
    Odds<kCombinationsPair> UROdds{};
    Odds<kCombinationsPair> WDOddsLow{};  // the upper end of quinella place is not kept
    Odds<kCombinationsUT> UTOdds{};
    Odds<kCombinationsSRF> SRFOdds{};
    Odds<kCombinationsSRT> SRTOdds{};

    Popularity<kCombinationsWR> WRPop{};  // as published in the record
    Popularity<kCombinationsPair> URPop{};
    Popularity<kCombinationsPair> WDPop{};
    Popularity<kCombinationsUT> UTPop{};
    Popularity<kCombinationsSRF> SRFPop{};
    Popularity<kCombinationsSRT> SRTPop{};

    // Every odds and popularity entry back to 0 (not read).
    void clear();

    // The combination list that odds kind `kind` fills (O1 bracket quinella, O2 quinella ... O6
    // trifecta), index 0 unused.
    std::span<double> combinationOdds(OddsKind kind);
    std::span<const double> combinationOdds(OddsKind kind) const;
    std::span<int> combinationPopularity(OddsKind kind);
    std::span<const int> combinationPopularity(OddsKind kind) const;

    friend bool operator==(const OddsTable&, const OddsTable&) = default;
};

}  // namespace marovix
