#include "core/race/RaceSchedule.h"

#include "core/common/Format.h"
#include "core/race/JvRecord.h"
#include "core/race/RecordFields.h"

namespace marovix {
namespace {

// The two-character part `index` (0, 1, 2) of a time text, read leniently.
int part(std::string_view text, std::size_t index) {
    const std::size_t at = index * 2;
    return at < text.size() ? lenientInt(text.substr(at, 2)) : 0;
}

bool blankText(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

}  // namespace

std::string ShiftHhmmss(std::string_view hhmmss, int deltaSeconds) {
    if (blankText(hhmmss)) return {};
    const long long total = 3600LL * part(hhmmss, 0) + 60LL * part(hhmmss, 1) + part(hhmmss, 2) + deltaSeconds;
    if (total < 0) return {};
    return formatted("%02lld%02lld%02lld", total / 3600, total % 3600 / 60, total % 60);
}

std::string ShiftHhmm(std::string_view hhmm, int deltaMinutes) {
    if (blankText(hhmm)) return {};
    const long long total = 60LL * part(hhmm, 0) + part(hhmm, 1) + deltaMinutes;
    if (total < 0) return {};
    return formatted("%02lld%02lld", total / 60, total % 60);
}

RaceSchedule RaceSchedule::of(std::string_view postHhmm, const ScheduleTiming& timing) {
    if (blankText(postHhmm)) return {};
    const std::string post = std::string(postHhmm) + "00";
    const int lead = 60 * timing.autoOzGet + timing.autoOzGetSec;
    const int interval = timing.autoTohyoInterval;
    return RaceSchedule{ShiftHhmmss(post, -(lead + 30)), ShiftHhmmss(post, -lead), ShiftHhmmss(post, interval - lead),
                        ShiftHhmmss(post, 2 * interval - lead)};
}

DaySchedules daySchedules(const RaceRecords& races, const ScheduleTiming& timing) {
    DaySchedules schedules;
    for (RaceSlot slot = 0; slot < kRaceSlotCount; ++slot) {
        const RaceRecord& race = races[static_cast<std::size_t>(slot)];
        if (isUsedSlot(race))
            schedules[static_cast<std::size_t>(slot)] = RaceSchedule::of(fieldText(race, RaField::postTime), timing);
    }
    return schedules;
}

}  // namespace marovix
