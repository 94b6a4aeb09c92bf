#include "core/race/RaceNavigation.h"

#include <algorithm>

#include "core/common/Cp932.h"
#include "core/race/JvRecord.h"
#include "core/race/KeibaFunc.h"
#include "core/race/RaceCard.h"
#include "core/race/RecordFields.h"

namespace marovix {

std::string upcomingRaceText(const RaceRecord& race) {
    const std::string_view post = fieldText(race, RaField::postTime);
    return std::string(post.substr(0, 2)) + ":" + std::string(post.substr(std::min<std::size_t>(2, post.size()))) +
           " " + raceListText(race);
}

std::vector<std::string> upcomingRaceList(const RaceRecords& races) {
    std::vector<std::string> entries;
    for (const RaceRecord& race : races)
        if (isUsedSlot(race)) entries.push_back(upcomingRaceText(race));
    std::stable_sort(entries.begin(), entries.end(),
                     [](const std::string& a, const std::string& b) { return utf8ToCp932(a) < utf8ToCp932(b); });
    return entries;
}

int currentUpcomingEntry(const std::vector<std::string>& entries, std::string_view nowHhColonNn) {
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (std::string_view(entries[i]).substr(0, 5) >= nowHhColonNn) return static_cast<int>(i);
    return static_cast<int>(entries.size()) - 1;
}

std::optional<int> nextRaceEntry(const RaceRecords& races, const std::vector<RaceSlot>& listSlots,
                                 std::string_view todayYyyymmdd, std::string_view nowHhnn) {
    if (listSlots.empty() || fieldText(races[0], RaField::dayKey8) != todayYyyymmdd) return std::nullopt;
    std::optional<int> chosen;
    std::string_view earliest;
    for (std::size_t i = 0; i < listSlots.size(); ++i) {
        const RaceSlot slot = listSlots[i];
        if (slot < 0 || slot >= kRaceSlotCount) continue;
        const std::string_view post = fieldText(races[static_cast<std::size_t>(slot)], RaField::postTime);
        if (post <= nowHhnn) continue;
        if (!chosen || post < earliest) {
            chosen = static_cast<int>(i);
            earliest = post;
        }
    }
    return chosen;
}

}  // namespace marovix
