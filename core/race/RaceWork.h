#pragma once
// The per-race working values of a meeting day that the race data owns: the weather and going of the
// race (the race record's, or the latest announced), the scratched horses, and the index values and
// ranks of every horse. Other subsystems keep their own per-race values (odds, payouts, stakes,
// schedules) beside these, indexed by the same race slot.
#include <array>
#include <string>

namespace marovix {

// One integer per horse number 1..18 (index 0 unused).
using PerHorse = std::array<int, 19>;

// RunnerIndexes: the index values and ranks of every horse of a race; 0 means none.
struct RunnerIndexes {
    PerHorse CompiValue{};  // computer index value
    PerHorse CompiRank{};   // rank under the computer index, 1 = best
    PerHorse DMTime{};      // time-type mining predicted time, digits m ss ff
    PerHorse DMRank{};      // rank by DMTime, smallest first
    PerHorse TMScore{};     // match-type mining score 0..1000
    PerHorse TMRank{};      // rank by TMScore, highest first
    PerHorse OwnIndex1{};   // the user's own index 1 (read as a rank)
    PerHorse OwnIndex2{};   // the user's own index 2
    friend bool operator==(const RunnerIndexes&, const RunnerIndexes&) = default;
};

struct RaceWork {
    // One-character codes as in the race record: weather, turf going, dirt going.
    std::string WeatherCode;
    std::string TurfGoingCode;
    std::string DirtGoingCode;
    // Scratched, per horse number 1..18 (index 0 unused).
    std::array<bool, 19> Scratched{};
    RunnerIndexes indexes;
    friend bool operator==(const RaceWork&, const RaceWork&) = default;
};

}  // namespace marovix
