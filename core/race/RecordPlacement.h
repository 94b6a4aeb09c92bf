#pragma once
// Placing the records of a meeting day's files into race slots and runner slots. Pure functions over
// the lines of the files (raw CP932 bytes, each line a record without its CR LF); loading the files is
// the caller's business. Every record placed has passed checkRecord and is held whole with its CR LF;
// every slot without a record holds a blank record of its type.
//
// Empty or all-blank lines are no records and are passed over silently. A line that fails checkRecord
// (short, over-long, wrong type) is never placed: it is listed in `rejected` so the caller can log it.
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/race/JvRecord.h"
#include "core/race/RaceSlot.h"

namespace marovix {

template <std::size_t N>
struct PlacedRecords {
    std::array<std::string, N> slots;
    std::vector<RejectedLine> rejected;
};

// The day's RA file into the race slots: line i into slot i, at most 36 lines; slots after the last line
// stay blank. A malformed line leaves its slot blank (unused) and is reported; a record whose year is
// blank or "0000" is placed but its slot does not count as used.
PlacedRecords<kRaceSlotCount> placeRaceRecords(std::span<const std::string> raLines);

// The runner slots of one race from the runner file of its course (216 lines, 18 per race): for a used
// race slot with race number r (1..12) and n registered runners (RA 882-883, at most 18), line
// (r - 1) x 18 + k goes to runner slot k for k = 0..n-1. Slots from n on, lines missing from a short
// file, an unused race and a race number outside 1..12 all give blank runner slots. The horse number of
// the SE record is not used to place it.
PlacedRecords<kRunnerSlotCount> readRunnerSlots(std::string_view race, std::span<const std::string> runnerLines);

// The day's DM or TM file (`type` "DM" or "TM") into race slots: the first 36 lines are read in order;
// each record goes whole to the first used slot whose race record gives the same day matching key, a later
// record for the same race replacing an earlier one. A record that matches no race of the day is dropped
// (not reported: the mining files may hold races the day's race file does not).
PlacedRecords<kRaceSlotCount> placeMiningRecords(std::string_view type, std::span<const std::string> lines,
                                                 const RaceRecords& races);

}  // namespace marovix
