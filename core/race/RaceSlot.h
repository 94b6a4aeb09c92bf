#pragma once
// The race slots of a meeting day and the records held whole in them.
#include <array>
#include <string>
#include <string_view>

namespace marovix {

// A race's position in the day's race file and in the race list, 0..35; every per-race value is
// indexed by it.
using RaceSlot = int;
inline constexpr int kRaceSlotCount = 36;
// Whether `slot` is one of the day's race slots.
inline constexpr bool validSlot(RaceSlot slot) { return slot >= 0 && slot < kRaceSlotCount; }
// Runner slots of a race: runner slot k (0..17) holds horse number k + 1.
inline constexpr int kRunnerSlotCount = 18;

// The RA record of a race slot, held whole with its CR LF; a slot without a race holds a blank record.
using RaceRecord = std::string;
// The SE record of a runner slot, held whole with its CR LF; blank when the slot has no runner.
using RunnerRecord = std::string;

using RaceRecords = std::array<RaceRecord, kRaceSlotCount>;
using RunnerRecords = std::array<RunnerRecord, kRunnerSlotCount>;

// True when the race record's year field (positions 12-15) is neither all blanks nor "0000".
bool isUsedSlot(std::string_view race);

}  // namespace marovix
