#pragma once
// Loading a meeting day: a function of the day's files and the settings of the load, with no window, no
// pop-up and no event pump. The main window wraps it in its handler (LoadRaceDay: the progress pop-up,
// the race list, the ".Uset" file when missing, the day log, the notices); the simulation calls it for
// every stored day.
#include <functional>
#include <string>
#include <vector>

#include "core/race/DayFiles.h"
#include "core/race/RaceDay.h"
#include "core/session/DayLoadSettings.h"
#include "core/session/DaySession.h"

namespace marovix {

struct DayLoad {
    DaySession session;
    // Whether the day's race file exists; without it nothing was read.
    bool raceFileFound = false;
    // Problems that cost no data, as the error log takes them (a damaged record skipped, a file that
    // could not be read).
    LoadNotes notes;
    // Problems the user is shown (a pre-marked horse table that cannot be read).
    std::vector<std::string> errors;
};

// The day of `files` read into a new session, in the order of LoadRaceDay: the race file with each race's
// weather and going, computer index and runners (`progress` told after each race), the payouts, the
// mining, the odds of every slot, the pre-marked horse table (when its file exists), the two own indexes
// from `tcsvFolder`, and every race's stake inputs from the default stakes. Files that did not change are
// never read twice in one load.
DayLoad loadDay(DayFiles files, const std::string& tcsvFolder, const DayLoadSettings& settings,
                const std::function<void()>& progress = {});

}  // namespace marovix
