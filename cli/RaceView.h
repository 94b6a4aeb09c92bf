#pragma once
// What `show` and `vote` share: the options that choose a meeting day and one of its races, with mark
// cells clicked on its race card, and the main model brought there exactly as the window gets there.
#include <string>
#include <vector>

#include "cli/CliApp.h"
#include "cli/CliSession.h"

namespace marovix {

struct RaceViewArgs {
    std::string appFolder;
    std::string day;
    int race = 0;
    std::vector<std::string> clickMarks;  // "ROW:COL"
};

// --app-folder, --day DAYTEXT (required), --race N, --click-mark ROW:COL (repeatable).
void addRaceViewOptions(CLI::App& sub, RaceViewArgs& args);

// Loads the day (DateComboChange), shows race N (DatListClick) and clicks the mark cells in order
// (StringGrid26Click). Returns 0, or the exit status of what went wrong after saying it on standard error:
// 1 for a day that does not exist or a race outside the list, 2 for a mark cell outside the race's rows.
int openRaceView(CliSession& session, const RaceViewArgs& args, const std::string& command);

}  // namespace marovix
