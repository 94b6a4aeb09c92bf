#pragma once
// Files of the user's companion programs for a meeting day: the computer-index files of the index
// program (one ".comp" file per course: line r - 1 for race r, entries from position 15 in rank order,
// four characters each, horse number and index value), the user's own index files (one CSV line per
// horse: horse key, value; "SisuA" with 14-character keys, "SisuB" with 18-character keys) and the
// names of the time-series odds viewer's files (one folder per day, one file per race and odds kind).
#include <string>
#include <vector>

#include "standins/feedgen/FeedModel.h"

namespace marovix::feedgen {

class CompanionWriter {
public:
    // Folders below the feed's companions folder.
    static constexpr const char* kIndexFolder = "Lumidex/Data";
    static constexpr const char* kOwnIndexFolder = "TCSV";
    static constexpr const char* kTimeSeriesFolder = "Kalvora/Data";
    static constexpr const char* kOwnIndexNameA = "SisuA";  // 14-character horse keys
    static constexpr const char* kOwnIndexNameB = "SisuB";  // 18-character horse keys
    // The time-series files keep the race-day odds of these minutes before post (and the previous
    // evening's odds of a race sold the day before).
    static constexpr int kTimeSeriesBeforePost[] = {10, 0};

    // "2024年01月06日中山.comp" (UTF-8 file name).
    static std::string computerIndexName(const MeetingDay& day, int course);
    // The lines of a course's computer-index file (ASCII).
    static std::vector<std::string> computerIndexLines(const DayPlan& plan, int course);

    // "SisuA20240106.csv" or "SisuB20240106.csv".
    static std::string ownIndexName(const MeetingDay& day, bool longKeys);
    static std::vector<std::string> ownIndexLines(const DayPlan& plan, bool longKeys);

    // "20240106" and "06010211.jvO1" (course, meeting, day, race number; `kind` 1..6).
    static std::string timeSeriesFolder(const MeetingDay& day);
    static std::string timeSeriesName(const Race& race, int kind);

    // The plain two-character course name (UTF-8) of a JRA course code 1..10.
    static std::string courseName(int course);
};

}  // namespace marovix::feedgen
