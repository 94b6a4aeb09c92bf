#pragma once
// The vote file: the lines of one vote, saved in the plug-in's "kaime" folder under a name made of
// the race's date, so every vote of a race day replaces the previous one of that day.
#include <string>
#include <string_view>
#include <vector>

#include "core/common/Result.h"

namespace marovix {

// The two-digit year, month and day of the race key and ".csv": 250301.csv for a race on
// 1 March 2025. REQUIRES: checkVoteRaceKey(raceKey16) is ok.
std::string VoteFileName(std::string_view raceKey16);

// pluginFolder/kaime/VoteFileName. REQUIRES: as VoteFileName.
std::string VoteFilePath(std::string_view pluginFolder, std::string_view raceKey16);

// Saves the lines (as VoteLines made them) to VoteFilePath, CP932 with CR LF after every line,
// replacing a file of that name safely; returns the file's path. The kaime folder is not created:
// when it is missing, or the file cannot be written, the error carries the system's text and no file
// is left behind. An error also for a bad race key.
Result<std::string> WriteVoteFile(std::string_view pluginFolder, std::string_view raceKey16,
                                  const std::vector<std::string>& lines);

}  // namespace marovix
