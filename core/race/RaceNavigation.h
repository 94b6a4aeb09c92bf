#pragma once
// Finding the next race of today: the button NextRaceBtn "直前ﾚｰｽ" and the upcoming-race list
// NowTimeRaceList "直近R", whose selection CurRaceTimer keeps on the race about to run.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/race/RaceSlot.h"

namespace marovix {

// An entry of NowTimeRaceList: post hour + ":" + post minute + " " + course name + race number in two
// characters + "R", e.g. "15:40 東京11R".
std::string upcomingRaceText(const RaceRecord& race);

// NowTimeRaceList of a day: one entry per used slot, sorted by their Shift-JIS text (post time, then
// course name).
std::vector<std::string> upcomingRaceList(const RaceRecords& races);

// The entry the list selects at `nowHhColonNn` ("hh:nn"): the first whose first five characters are not
// earlier than now, else the last; -1 for an empty list.
int currentUpcomingEntry(const std::vector<std::string>& entries, std::string_view nowHhColonNn);

// NextRaceBtn: the entry of the race list (`listSlots`, the race slot of each entry) to show, or nothing.
// Only on today's day: a race list that is not empty and whose slot 0 race is of `todayYyyymmdd`. Among the
// entries in order, the one with the earliest post time (RA 874-877) later than `nowHhnn` (as text; a race
// posting now is not later), the first in list order when several share it.
std::optional<int> nextRaceEntry(const RaceRecords& races, const std::vector<RaceSlot>& listSlots,
                                 std::string_view todayYyyymmdd, std::string_view nowHhnn);

}  // namespace marovix
