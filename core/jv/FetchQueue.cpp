#include "core/jv/FetchQueue.h"

#include <cstdio>

#include "core/jv/RealTimeFetch.h"
#include "core/race/JvRecord.h"
#include "core/race/RecordKeys.h"

namespace marovix {
namespace {

constexpr std::size_t kKeyLength = 16;
constexpr std::size_t kLineLength = 18;

// Characters `from` (1-based) to `to` of the line, as far as it reaches.
std::string_view characters(std::string_view line, std::size_t from, std::size_t to) {
    if (line.size() < from) return {};
    return line.substr(from - 1, to - from + 1);
}

}  // namespace

std::string fetchQueueLine(std::string_view raceRecord, RaceSlot slot) {
    char number[16];
    std::snprintf(number, sizeof number, "%2d", slot);
    return std::string(RaceKey16(raceRecord)) + number;
}

FetchQueueEntry fetchQueueEntry(std::string_view line) {
    FetchQueueEntry entry;
    entry.key = std::string(characters(line, 1, kKeyLength));
    entry.raceLabel = fetchRaceLabel(characters(line, 9, 10), lenientInt(characters(line, 15, 16)));
    if (line.size() >= kLineLength) entry.slot = lenientInt(characters(line, 17, 18));
    return entry;
}

}  // namespace marovix
