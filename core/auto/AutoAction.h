#pragma once
// What the scheduler's decisions ask to be done at one second.
#include <string>
#include <vector>

#include "core/race/RaceSlot.h"

namespace marovix {

// One action of one timer at one second.
struct AutoAction {
    enum class Kind {
        QueryBalance,  // ZanDakaNaviTimer: the balance query before a target race (`slot`)
        FetchOdds,     // Timer1: OzFetched set for each of `races`, then the odds fetch over `fetchList`
        VoteRace,      // TimerNavi: race `slot` selected and loaded, then voted automatically
        FetchMining,   // Timer4: the day's mining, quietly
        FetchPayouts,  // Timer4: the payouts of `fetchList`
    };
    Kind kind;
    RaceSlot slot = -1;
    std::vector<RaceSlot> races;
    std::vector<std::string> fetchList;
    friend bool operator==(const AutoAction&, const AutoAction&) = default;
};

}  // namespace marovix
