#include "core/race/MeetingDays.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <string_view>

#include "core/common/SystemFiles.h"

namespace marovix {
namespace {

constexpr std::string_view kRaceFileExtension = ".jvRA";

bool digits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

bool isDayText(const std::string& text) {
    // UTF-8: "年", "月", "日" are three bytes each.
    static const std::string_view year = "年", month = "月", day = "日";
    std::string_view t = text;
    if (t.size() != 4 + 3 + 2 + 3 + 2 + 3) return false;
    return digits(t.substr(0, 4)) && t.substr(4, 3) == year && digits(t.substr(7, 2)) && t.substr(9, 3) == month &&
           digits(t.substr(12, 2)) && t.substr(14, 3) == day;
}

std::vector<std::string> listMeetingDays(const std::string& dataFolder) {
    std::vector<std::string> days;
    auto entries = listFolder(dataFolder);
    if (!entries) return days;
    for (const FolderEntry& entry : *entries) {
        std::string_view name = entry.name;
        if (name.size() <= kRaceFileExtension.size() || !name.ends_with(kRaceFileExtension)) continue;
        std::string day(name.substr(0, name.size() - kRaceFileExtension.size()));
        if (isDayText(day)) days.push_back(std::move(day));
    }
    std::sort(days.begin(), days.end(), std::greater<>());
    return days;
}

}  // namespace marovix
