#include "core/race/RecordPlacement.h"

#include <algorithm>

#include "core/race/JvRecord.h"
#include "core/race/RecordFields.h"
#include "core/race/RecordKeys.h"
#include "core/race/RunnerFile.h"

namespace marovix {
namespace {

template <std::size_t N>
PlacedRecords<N> blankSlots(std::string_view type) {
    PlacedRecords<N> placed;
    placed.slots.fill(blankRecord(type));
    return placed;
}

// Checks one line as a record of `type`; a fault goes to `rejected`. Blank lines are no records.
template <std::size_t N>
bool acceptLine(PlacedRecords<N>& placed, std::span<const std::string> lines, std::size_t index,
                std::string_view type) {
    const std::string& line = lines[index];
    if (isAllBlanks(line)) return false;
    auto checked = checkRecord(line, type);
    if (!checked.ok()) {
        placed.rejected.push_back({static_cast<int>(index), checked.error()});
        return false;
    }
    return true;
}

}  // namespace

PlacedRecords<kRaceSlotCount> placeRaceRecords(std::span<const std::string> raLines) {
    // Line i of the day's race file is slot i: later steps address the file's lines by slot. A faulty
    // line leaves its slot blank (unused) instead of shifting the races after it.
    auto placed = blankSlots<kRaceSlotCount>(RaField::type);
    const std::size_t readable = std::min(raLines.size(), placed.slots.size());
    for (std::size_t i = 0; i < readable; ++i)
        if (acceptLine(placed, raLines, i, RaField::type)) assignWholeRecord(placed.slots[i], raLines[i]);
    return placed;
}

PlacedRecords<kRunnerSlotCount> readRunnerSlots(std::string_view race, std::span<const std::string> runnerLines) {
    auto placed = blankSlots<kRunnerSlotCount>(SeField::type);
    if (!isUsedSlot(race)) return placed;
    int raceNumber = fieldNumber(race, RaField::raceNumber);
    if (raceNumber < 1 || raceNumber > kRunnerRaces) return placed;
    int runners = std::clamp(fieldNumber(race, RaField::registeredRunners), 0, kRunnerSlotCount);
    for (int k = 0; k < runners; ++k) {
        const auto line = static_cast<std::size_t>(*runnerLineIndex(raceNumber, k + 1));
        if (line >= runnerLines.size()) break;
        if (acceptLine(placed, runnerLines, line, SeField::type))
            assignWholeRecord(placed.slots[static_cast<std::size_t>(k)], runnerLines[line]);
    }
    return placed;
}

PlacedRecords<kRaceSlotCount> placeMiningRecords(std::string_view type, std::span<const std::string> lines,
                                                 const RaceRecords& races) {
    auto placed = blankSlots<kRaceSlotCount>(type);
    std::array<std::string, kRaceSlotCount> keys;
    for (std::size_t slot = 0; slot < races.size(); ++slot)
        if (isUsedSlot(races[slot])) keys[slot] = dayMatchingKey(races[slot]);
    std::size_t readable = std::min(lines.size(), static_cast<std::size_t>(kRaceSlotCount));
    for (std::size_t i = 0; i < readable; ++i) {
        if (!acceptLine(placed, lines, i, type)) continue;
        std::string key = dayMatchingKey(lines[i]);
        auto match = std::find(keys.begin(), keys.end(), key);  // unused slots hold an empty key
        if (match != keys.end())
            assignWholeRecord(placed.slots[static_cast<std::size_t>(match - keys.begin())], lines[i]);
    }
    return placed;
}

}  // namespace marovix
