#pragma once
// The change information of a race day (weather and going, scratches, post-time changes) as the change
// fetch leaves it in the change files CHG/<DayText>.WE, .AV and .TC, and how it is applied to the loaded
// day: the races' weather and going, the scratch marks of the runners and the post times, which are also
// written into the day's race file so that a later load and the schedule of automatic operation see them.
//
// Every record of a change file is applied: a busy day can have more scratches and post-time changes than
// the race slots, and none of them may be lost.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/Result.h"
#include "core/race/RaceDay.h"

namespace marovix {

// The change file of a day: changeFolder/<DayText> + extension (".WE", ".AV", ".TC", ".NEW").
std::string changeFilePath(std::string_view changeFolder, std::string_view dayText, std::string_view extension);

// The processed-up-to marks of the day: when <DayText>.NEW exists and has exactly five lines, its second
// line is the announcement mark ("mmddhhmm") up to which scratches count as processed and its fourth that
// of the post-time changes; otherwise both are empty and every record counts. The file is only read.
struct ChangeMarks {
    std::string scratches;
    std::string postTimes;
};
ChangeMarks readChangeMarks(std::string_view changeFolder, std::string_view dayText);

// The weather and going of one course as its announcements leave them, with the hhmm of the announcement
// each was taken from ("0000": none yet). Codes are one character, "0" when unknown.
struct CourseConditions {
    std::string weather = "0";
    std::string turfGoing = "0";
    std::string dirtGoing = "0";
    std::string weatherTime = "0000";
    std::string goingTime = "0000";
    friend bool operator==(const CourseConditions&, const CourseConditions&) = default;
};
// Courses 1..10 by course code (index 0 unused).
inline constexpr int kChangeCourseCount = 10;
using CourseConditionTable = std::array<CourseConditions, kChangeCourseCount + 1>;

// The lines of a WE file in file order: a going announcement (kind "3") later than the course's going
// time, or the initial state (kind "1") while the course has none, sets the turf and dirt going; a
// weather announcement (kind "2") later than its weather time, or the initial state while it has none,
// sets the weather. Lines of course codes outside 1..10 are passed over.
CourseConditionTable weatherAndGoing(const std::vector<std::string>& weLines);

// What applying the change files did.
struct ChangeApplication {
    bool weatherApplied = false;           // a .WE file was read
    int scratchesApplied = 0;              // AV records past the mark that matched a runner
    std::vector<RaceSlot> postTimesMoved;  // race slots whose post time a TC record set, each once
    bool postTimesApplied = false;         // a .TC file and the day's race file were both read
    // Problems that cost nothing applied: a change file or the race file that could not be read or
    // written, a record whose new post time is no time. Japanese, ready for the error log.
    std::vector<std::string> problems;
};

// ApplyChangeInfo: the change files of the loaded day (its DayText names them) applied to `day`.
//   weather and going: every race of a course 1..10 takes its course's conditions (weatherAndGoing);
//   scratches: each AV record past the scratch mark sets the scratch mark of the runner of the same
//     course, race number and horse number (marks are never cleared);
//   post times: each TC record past the post-time mark writes its new post time (positions 36-39) into
//     positions 874-877 of the race file's line of the same course and race number, the line being the
//     race slot; a time neither blank nor "0000" also becomes the slot's post time in memory. The race file
//     is saved once after the last record when a line changed. A record whose new time is neither four
//     digits nor blank is passed over.
// Missing change files skip their step; a .TC file without the day's race file is passed over.
ChangeApplication ApplyChangeInfo(RaceDay& day, std::string_view changeFolder);

// HenkoTimer: the change fetch runs on a tick whose clock "hhnn" lies between "0830" and "1700" inclusive.
bool henkoTimerFetches(std::string_view hhnn);

}  // namespace marovix
