#pragma once
// The meeting days found in the local data: one per race file (Data/<DayText>.jvRA).
#include <string>
#include <vector>

namespace marovix {

// The DayText of every race file in `dataFolder`, newest first (file names sort by date). A file whose
// name before ".jvRA" is not a DayText ("yyyy年mm月dd日") is passed over; a missing folder lists nothing.
std::vector<std::string> listMeetingDays(const std::string& dataFolder);

// True when `text` is a DayText: four digits, "年", two digits, "月", two digits, "日".
bool isDayText(const std::string& text);

}  // namespace marovix
