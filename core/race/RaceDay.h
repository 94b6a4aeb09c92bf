#pragma once
// RaceDay: the one meeting day the main window has loaded, per race slot 0..35: the race record, the 18
// runner records, the two mining records, the line of the pre-marked horse table and the race's working
// values. Used slots come first, so a race's position in the race list is its slot.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/common/Result.h"
#include "core/race/DayFiles.h"
#include "core/race/RaceSlot.h"
#include "core/race/RaceWork.h"

namespace marovix {

// A line of the pre-marked horse table (UmaSetTable): 54 characters, three per horse in horse-number
// order (◎, ○, ▲), "1" when set and a blank when not.
inline constexpr int kUmaSetLineLength = 54;

struct RaceDay {
    DayFiles files;
    RaceRecords races;
    std::array<RunnerRecords, kRaceSlotCount> runners;
    std::array<std::string, kRaceSlotCount> dm;
    std::array<std::string, kRaceSlotCount> tm;
    std::array<std::string, kRaceSlotCount> umaSet;
    std::array<RaceWork, kRaceSlotCount> work;

    // Every slot of every record kind blank, every working value reset.
    void clear();
    // The used slots (year neither blank nor "0000"), in slot order.
    std::vector<RaceSlot> usedSlots() const;
    // REQUIRES: 0 <= slot < 36.
    const RaceRecord& race(RaceSlot slot) const { return races[static_cast<std::size_t>(slot)]; }
};

// Problems met while loading a day that cost no data but deserve a word (a damaged record skipped).
using LoadNotes = std::vector<std::string>;

// The race file into the race slots (at most 36 races, line i into slot i) with each race's weather and
// going codes, its computer index and its runners (when its course's runner file exists). `compiFolder`
// is the computer-index companion's folder (its Data/<DayText><course>.comp; when missing there, the same
// name in the application's data folder is read). `progress` is told after each race. A race file that
// cannot be read is an error; other missing files are no error.
Status readRaceDay(RaceDay& day, const std::string& compiFolder, LoadNotes& notes,
                   const std::function<void()>& progress = {});

// ReadMining: the day's DM and TM files into their slots, then the mining values and ranks of every slot.
void readMining(RaceDay& day, LoadNotes& notes);

// The pre-marked horse table: when the ".Uset" file exists, up to 36 records (56 bytes with CR LF) are read
// into the slots in order. A missing file changes nothing and is no error.
Status readUmaSet(RaceDay& day);
// Creates a missing ".Uset" file with `lineCount` lines of 54 blanks (one per race slot up to the last race
// of the race list, so that line k stays slot k also when a damaged race record left its slot empty).
Status createUmaSetFile(const std::string& path, int lineCount);

// The pre-marked horse table saved: records 0 .. lineCount - 1 put at their places in the existing ".Uset"
// file (56 bytes each with CR LF; whatever else the file holds is kept) and the file replaced whole.
Status writeUmaSet(const RaceDay& day, int lineCount);

// The two own-index files of the day: TCSV/<name1><yyyymmdd>.csv and TCSV/<name2><yyyymmdd>.csv, yyyy and
// mmdd from the day's first race. Missing files change nothing. Returns, per file that had lines it could
// not place (a key of no race of the day, a horse number outside 1..18), one line saying how many.
LoadNotes readOwnIndexFiles(RaceDay& day, const std::string& tcsvFolder, const std::string& name1,
                            const std::string& name2);

}  // namespace marovix
