#pragma once
// The schedule automatic operation keeps for each race of the selected day, and the time-text helpers it
// is computed with. Times are texts: "hhmmss" for the schedule, "hhmm" for post times, compared with the
// clock as texts.
#include <array>
#include <string>
#include <string_view>

#include "core/race/RaceSlot.h"

namespace marovix {

// ShiftHhmmss: "hhmmss" shifted by `deltaSeconds`. hh, mm and ss are the text's characters 1-2, 3-4 and 5-6
// read with the lenient integer parse; the result is hours, minutes and seconds of the shifted total, two
// digits each with a leading zero. Hours do not wrap at 24 ("235930" + 60 s is "240030"). A blank text gives
// a blank result, and so does a total below zero, which no clock time can equal.
std::string ShiftHhmmss(std::string_view hhmmss, int deltaSeconds);

// ShiftHhmm: "hhmm" shifted by `deltaMinutes`, by the same rules.
std::string ShiftHhmm(std::string_view hhmm, int deltaMinutes);

// The timing of automatic operation as the settings give it (section Time): A, S and I.
struct ScheduleTiming {
    int autoOzGet = 10;         // A: minutes before post time of the first odds fetch
    int autoOzGetSec = 0;       // S: further seconds before post time
    int autoTohyoInterval = 5;  // I: seconds between fetch, re-fetch and vote
    friend bool operator==(const ScheduleTiming&, const ScheduleTiming&) = default;
};

// RaceSchedule: the four times of one race, each "hhmmss" (all blank for a slot without a race).
struct RaceSchedule {
    std::string PreFetchTime;  // post time - (60A + S + 30) s: the balance query before the race
    std::string OzGetTime1;    // post time - (60A + S) s: the first odds fetch
    std::string OzGetTime2;    // OzGetTime1 + I s: the second chance
    std::string TohyoTime;     // OzGetTime1 + 2I s: the automatic vote

    // The schedule of a race posting at `postHhmm` ("hhmm"; its seconds are "00"). A blank post time gives
    // a blank schedule.
    static RaceSchedule of(std::string_view postHhmm, const ScheduleTiming& timing);
    bool blank() const { return OzGetTime1.empty(); }
    friend bool operator==(const RaceSchedule&, const RaceSchedule&) = default;
};

using DaySchedules = std::array<RaceSchedule, kRaceSlotCount>;

// The schedules of a day's race slots, each from its race record's post time (RA 874-877); a slot whose
// race key year is blank or "0000" keeps a blank schedule.
DaySchedules daySchedules(const RaceRecords& races, const ScheduleTiming& timing);

}  // namespace marovix
