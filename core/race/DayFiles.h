#pragma once
// The names of a meeting day's files, derived from the data folder and the DayText when the day is
// chosen; they stay current until the next day is loaded.
#include <array>
#include <string>
#include <string_view>

namespace marovix {

struct DayFiles {
    std::string dataFolder;
    std::string dayText;
    std::string race;                 // <DayText>.jvRA
    std::string umaSet;               // <DayText>.Uset, the pre-marked horse table
    std::string payout;               // <DayText>.jvHR
    std::string dm;                   // <DayText>.jvDM
    std::string tm;                   // <DayText>.jvTM
    std::array<std::string, 6> odds;  // <DayText>.jvO1 ... .jvO6

    static DayFiles of(std::string_view dataFolder, std::string_view dayText);
    // The runner file of a course: <DayText><course name>.jvSEr.
    std::string runnerFile(std::string_view courseName) const;
};

}  // namespace marovix
