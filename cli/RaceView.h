#pragma once
// What `show` and `vote` share: the options that choose a meeting day and one of its races, and the
// actions a user of the main window takes on it, and the main model brought there exactly as the window
// gets there, in the order a user acts.
#include <optional>
#include <string>
#include <vector>

#include "cli/CliApp.h"
#include "cli/CliSession.h"

namespace marovix {

struct RaceViewArgs {
    std::string appFolder;
    std::string day;
    int race = 0;
    std::vector<std::string> controls;  // "NAME=VALUE"
    std::optional<int> page;
    std::optional<std::string> betTypes;  // "all", "none" or "tan,fuk,..."
    std::vector<std::string> markButtons;
    std::vector<std::string> clickMarks;  // "ROW:COL"
    std::vector<std::string> stakes;      // "BET=YEN"
    std::vector<std::string> strikes;     // "PAGE:ROW"
};

// --app-folder, --day DAYTEXT (required), --race N, and the actions: --control NAME=VALUE, --page P,
// --bet-types LIST, --mark-button NAME, --click-mark ROW:COL, --stake BET=YEN, --strike PAGE:ROW (the
// repeatable ones in the order given). A text that is no such action is a usage error. The help's footer
// lists the controls.
void addRaceViewOptions(CLI::App& sub, RaceViewArgs& args);

// Brings the main model to the race as a user gets there, each step through the window's own handler:
//   1. the controls that keep their state from day to day: each --control, the page (PageControl4Change)
//      and the participating bet types (AllBakenBTn, NoBakenBtn or the participation boxes whose state
//      differs), so that the day's first show builds the selections with them;
//   2. the day (DateComboChange) and the race (DatListClick, unless the day shows it already);
//   3. the marks: the buttons "全" / "CL", then the mark cells (StringGrid26Click);
//   4. the stake inputs of the race (TantohyoEditChange ...);
//   5. the rows struck out (AllKaimeGridClick, TanKaimeGridClick).
// Returns 0, or the exit status of what went wrong after saying it on standard error: 1 for a day that
// does not exist or a race outside the list, 2 for a mark cell or a row outside the race's rows.
int openRaceView(CliSession& session, const RaceViewArgs& args, const std::string& command);

}  // namespace marovix
