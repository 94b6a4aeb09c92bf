#pragma once
// The lines of FetchQueueOdds and FetchQueueResults, the races automatic operation fetches in one run:
// each line is the race's RaceKey16 followed by its race slot as "%2d" (characters 1-16 the key, 9-10 the
// course code, 15-16 the race number, 17-18 the slot).
#include <string>
#include <string_view>

#include "core/race/RaceSlot.h"

namespace marovix {

// The line of the race whose race record is `raceRecord`, in slot `slot`.
std::string fetchQueueLine(std::string_view raceRecord, RaceSlot slot);

struct FetchQueueEntry {
    std::string key;        // RaceKey16
    std::string raceLabel;  // course name and race number, as a fetch shows them
    RaceSlot slot = -1;     // -1 for a line too short to hold one
};

// The parts of a line (a short line gives shorter parts).
FetchQueueEntry fetchQueueEntry(std::string_view line);

}  // namespace marovix
