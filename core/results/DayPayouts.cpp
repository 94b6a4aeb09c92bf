#include "core/results/DayPayouts.h"

#include <algorithm>

#include "core/common/TextFile.h"
#include "core/race/JvRecord.h"
#include "core/race/RecordKeys.h"

namespace marovix {
namespace {

const std::string& blankPayout() {
    static const std::string blank = blankRecord("HR");
    return blank;
}

}  // namespace

DayPayouts::DayPayouts() { clear(); }

void DayPayouts::clear() {
    m_records.fill(blankPayout());
    m_read.fill(false);
}

const std::string& DayPayouts::record(RaceSlot slot) const {
    return validSlot(slot) ? m_records[static_cast<std::size_t>(slot)] : blankPayout();
}

bool DayPayouts::payoutRead(RaceSlot slot) const { return validSlot(slot) && m_read[static_cast<std::size_t>(slot)]; }

Result<PayoutReading> DayPayouts::readFile(const std::string& path, const RaceRecords& races, RaceSlot currentSlot) {
    auto lines = readRawLines(path);
    if (!lines && lines.errorKind() == ErrorKind::NotFound) return PayoutReading{};  // nothing changes
    if (!lines) return lines.failure();
    return readLines(*lines, races, currentSlot);
}

PayoutReading DayPayouts::readLines(const std::vector<std::string>& lines, const RaceRecords& races,
                                    RaceSlot currentSlot) {
    PayoutReading reading;
    m_records.fill(blankPayout());
    std::array<std::string, kRaceSlotCount> keys;  // unused slots keep an empty key and match nothing
    for (std::size_t slot = 0; slot < races.size(); ++slot)
        if (isUsedSlot(races[slot])) keys[slot] = std::string(RaceKey16(races[slot]));
    const std::string current = validSlot(currentSlot) && isUsedSlot(races[static_cast<std::size_t>(currentSlot)])
                                    ? courseRaceKey(races[static_cast<std::size_t>(currentSlot)])
                                    : std::string();
    const std::size_t readable = std::min(lines.size(), static_cast<std::size_t>(kMaxRecords));
    for (std::size_t i = 0; i < readable; ++i) {
        const std::string& line = lines[i];
        ++reading.read;
        if (isAllBlanks(line)) continue;
        if (auto checked = checkRecord(line, "HR"); !checked) {
            reading.rejected.push_back({static_cast<int>(i), checked.error()});
            continue;
        }
        auto match = std::find(keys.begin(), keys.end(), RaceKey16(line));
        if (match == keys.end()) continue;
        const auto slot = static_cast<std::size_t>(match - keys.begin());
        m_records[slot] = wholeRecord(line);
        ++reading.placed;
        if (!current.empty() && courseRaceKey(line) == current && !m_read[slot]) reading.currentArrived = true;
        m_read[slot] = true;
    }
    return reading;
}

}  // namespace marovix
