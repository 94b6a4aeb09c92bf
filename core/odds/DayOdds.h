#pragma once
// The odds of the selected meeting day: per race slot 0..35 the raw odds records O1..O6 last found for the
// race and the OddsTable derived from them.
#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/odds/OddsFileIndex.h"
#include "core/odds/OddsTable.h"
#include "core/odds/OddsTableReader.h"
#include "core/race/RaceSlot.h"

namespace marovix {

class DayOdds {
public:
    // As after openDay().
    DayOdds();
    // The raw records view their own bytes: a day's odds are moved, never copied.
    DayOdds(const DayOdds&) = delete;
    DayOdds& operator=(const DayOdds&) = delete;
    DayOdds(DayOdds&&) = default;
    DayOdds& operator=(DayOdds&&) = default;

    // Opening a day: every raw record of every slot holds blanks, every table is cleared (not read).
    void openDay();

    // Reads the odds of race slot `slot` (the slot the odds reading fills, set by its caller) whose race
    // record is `race` (RA: course code 20-21, race number 26-27, registered runners 882-883):
    // 1. clears the slot's table;
    // 2. when the race number is at least 1 and course code + race number are not blank, for each kind
    //    whose day file exists, the first line of the file with the race's course code and race number
    //    becomes the slot's raw record of that kind; a missing file or race keeps the previous raw record;
    // 3. derives the table from the raw records (fillOddsTable).
    // Each file is looked at again (and read again when it changed) before it is used.
    // Returns the problems met, each naming file and fault: a file that exists but cannot be read, or a
    // first matching line that is no sound record of its kind. Such a kind keeps its previous raw record.
    // A slot outside 0..35 changes nothing and is reported.
    std::vector<std::string> readSlot(RaceSlot slot, std::string_view race, OddsFileIndex& files);

    // Reads slots 0..35 in turn as readSlot does, `races[i]` the race record of slot i, with every odds
    // file looked at and read at most once for the whole day: what opening a day does after openDay().
    // Returns the problems of all slots, each once.
    std::vector<std::string> readDay(const RaceRecords& races, OddsFileIndex& files);

    // The slot's table; all 0 (not read) until the slot is read after the day was opened.
    // REQUIRES: 0 <= slot < 36.
    const OddsTable& table(RaceSlot slot) const;
    // The win and place lists of the same table: for the race cards, the marks and the builders, which read
    // no other list of it. Only table() derives the combination lists. REQUIRES: 0 <= slot < 36.
    const WinPlaceOdds& winPlaceOdds(RaceSlot slot) const;
    // The slot's raw records: the day-file lines last taken (without CR LF), or blank lines. The views
    // stay valid until the next reading of any slot or the next opening of the day.
    OddsRawRecords rawRecords(RaceSlot slot) const;

private:
    // A raw record held without copying while its file is unchanged: a view into the file's bytes as the
    // index read them. Once the index has read the file again, the record is copied into `own` and the old
    // bytes are let go, so a day never holds more than the current files and one copy of each record.
    struct RawRecord {
        std::shared_ptr<const char[]> source;  // the file's bytes `view` lies in, or null
        std::string own;                       // the record's own copy; capacity kept for the next day
        std::string_view view;                 // empty: blank
    };
    struct Slot {
        std::array<RawRecord, kOddsKindCount> raw;
        // Derived from the raw records and the race's registered runners when first asked for, the win and
        // place lists apart from the whole table (which is large, and made only for a slot asked for it).
        mutable WinPlaceOdds winPlace;
        mutable bool winPlaceDerived = false;
        mutable std::unique_ptr<OddsTable> table;
        mutable bool tableDerived = false;
        int registered = 0;
        bool read = false;
    };
    // Steps 1-3 of readSlot against the files as last refreshed.
    void take(RaceSlot slot, std::string_view race, const OddsFileIndex& files, std::vector<std::string>& problems);
    // Copies out every raw record whose file bytes are no longer the index's current ones.
    void releaseOldFiles(const OddsFileIndex& files);

    std::vector<Slot> m_slots;  // kRaceSlotCount
};

}  // namespace marovix
