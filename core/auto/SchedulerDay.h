#pragma once
// What the scheduler's decisions look at: a snapshot of the selected day as automatic operation sees it,
// the options that shape it, and the results timer. The host makes a fresh snapshot for each timer of each
// second it handles, so a decision sees what the actions before it changed.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/common/DateTime.h"
#include "core/race/RaceSchedule.h"
#include "core/race/RaceSlot.h"

namespace marovix {

// One race slot of the day.
struct SchedulerSlot {
    int raceNumber = 0;         // of the race record; 0 for a slot without a race
    std::string raceKey16;      // RaceKey16 of the race record
    std::string postTime;       // "hhmm" of the race record
    RaceSchedule schedule;      // as computed when the day was selected (or a post time changed)
    std::string fetchLine;      // the race's line of a fetch list: RaceKey16 + the slot as "%2d"
    bool ozFetched = false;     // OzFetched
    bool naviTarget = false;    // NaviTarget
    bool tohyoDone = false;     // TohyoDone
    bool winPlaceOdds = false;  // the slot's stored win/place odds record carries a race number above 0
};

// Timer4, the mining and payout fetch: every `intervalMinutes` from the second it was set at a race-day
// selection; every second before the first selection.
struct ResultsTimer {
    int intervalMinutes = 10;           // AutoRdataGet (R) as read at the selection
    std::optional<std::int64_t> setAt;  // DateTime::serial() of the selection

    // Whether the timer fires at `second` (a DateTime::serial()).
    bool firesAt(std::int64_t second) const;
};

struct SchedulerDay {
    std::string shownDay;  // DayText of the selected day (DateCombo's text); empty when none
    std::array<SchedulerSlot, kRaceSlotCount> races;
    ResultsTimer resultsTimer;
};

// The options of the Options menu that the decisions read.
struct SchedulerSettings {
    bool ozOverWriteOK = false;  // OzOverWriteOK: fetch at the scheduled seconds even when fetched by hand
    bool dupTohyoOK = false;     // DupTohyoOK: vote automatically even when voted by hand
    bool notGetMining = false;   // NotGetMining: the results timer leaves out the mining fetch
    bool notGetKekka = false;    // NotGetKekka: the results timer leaves out the payout fetch
};

}  // namespace marovix
