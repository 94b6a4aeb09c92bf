#pragma once
// The simulation: a strategy replayed over the stored meeting days of a date range. Each day is loaded
// once into a day session and its races are evaluated from memory with the functions the main window
// shows a race with, so each race's figures are those the window would show; a race with a payout and
// selections gives a record of the work file (SimulationRecord.h).
//
// Days are independent, so they are replayed on up to two threads; the records keep the order of the
// days and of their races whatever thread made them. Nothing here touches a window: the caller is told
// the progress on its own thread and can cancel, which stops every day after its current race.
#include <array>
#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/Result.h"
#include "core/kaime/MarkStrategy.h"
#include "core/race/RaceSlot.h"
#include "core/session/DayLoadSettings.h"
#include "core/session/RaceEvaluation.h"
#include "core/settings/AppFolders.h"
#include "core/settings/MainOptions.h"

namespace marovix {

// What a replay needs, copied so that nothing the window changes meanwhile reaches the threads.
struct SimulationSetup {
    std::string dataFolder;
    std::string tcsvFolder;
    DayLoadSettings load;
    MainOptions options;
    std::array<std::string, 16> ozSpan;
    MarkStrategy marks;
    // The selection page whose figures are recorded (0 the combined list, 1..8 a bet type).
    int page = 0;

    RaceStrategy strategy() const { return RaceStrategy{options, ozSpan, marks}; }
};

// The setup as the settings file holds it (the main window writes every control the moment it changes):
// the options, odds ranges, marks' strategy (with the rank file "selecteduma.dat"), the load's settings
// and the page of PageControl4. A rank file that cannot be read is an error.
Result<SimulationSetup> readSimulationSetup(const AppFolders& folders, const SettingsSnapshot& settings);

// The date of a DayText as yyyymmdd, from the characters 1-4, 7-8 and 11-12 of its Shift-JIS bytes;
// nothing when those are not digits.
std::optional<int> dayTextDate(std::string_view dayText);

// The entries of the date list (newest first, as DateCombo lists them) whose date lies from `from` to
// `to` (yyyymmdd, both included), from the last entry to the first.
std::vector<std::string> simulationDays(const std::vector<std::string>& dateList, int from, int to);

// The first win payout of a payout record (0 when there is none).
int firstWinPayout(std::string_view payoutRecord);

// One day replayed.
struct DayReplay {
    std::vector<std::string> lines;  // the records of its races, in race-list order
    int racesDone = 0;               // races evaluated
    RaceSlot lastSlot = -1;          // the last race evaluated (-1: none)
    bool complete = true;            // false when a cancel stopped it before its last race
    LoadNotes notes;                 // problems of the load that cost no data
};

// Loads `dayText` and evaluates its races in race-list order; checks `cancel` before each race and adds
// one to `racesDone` after each. A race without runner data gives no record (the window would have kept
// the previous race's marks for it).
DayReplay replayDay(const SimulationSetup& setup, const std::string& dayText, const std::atomic<bool>& cancel,
                    std::atomic<int>& racesDone);

struct SimulationProgress {
    int daysDone = 0;
    int dayCount = 0;
    int racesDone = 0;
};

struct SimulationControl {
    // Told on the calling thread about every 50 ms and after each day; it may let window events run.
    std::function<void(const SimulationProgress&)> progress;
    // Raised (from `progress` or another thread) to stop after the current race.
    std::atomic<bool>* cancel = nullptr;
    // Threads replaying days: 0 takes two when the machine has two cores or more, else one.
    unsigned threads = 0;
};

struct SimulationResult {
    // The records of the days in order: every day before the first one a cancel cut short, then the races
    // of that day done before it.
    std::vector<std::string> lines;
    bool cancelled = false;
    // The last day whose races were evaluated, and its last race evaluated (empty / -1: none).
    std::string lastDay;
    RaceSlot lastSlot = -1;
    int daysDone = 0;
    int racesDone = 0;
    LoadNotes notes;
};

// Replays `days` in their order (see simulationDays).
SimulationResult runSimulation(const SimulationSetup& setup, const std::vector<std::string>& days,
                               const SimulationControl& control = {});

}  // namespace marovix
