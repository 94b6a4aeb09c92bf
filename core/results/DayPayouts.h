#pragma once
// The payout slots of a meeting day: one HR record per race slot, and per race the payout-read flag,
// set when the race's payout record was first read.
#include <array>
#include <string>
#include <vector>

#include "core/common/Result.h"
#include "core/race/JvRecord.h"
#include "core/race/RaceSlot.h"

namespace marovix {

// What a reading of the day's payout file found.
struct PayoutReading {
    // The current race received its payout record in this reading for the first time.
    bool currentArrived = false;
    // How many records were read (at most 36) and how many of them found their race.
    int read = 0;
    int placed = 0;
    // Lines that are no sound HR record, which are not placed: the line (from 0) and the reason.
    std::vector<RejectedLine> rejected;
};

class DayPayouts {
public:
    static constexpr int kMaxRecords = kRaceSlotCount;

    DayPayouts();

    // Every slot blank and every payout-read flag cleared (a day is loaded).
    void clear();
    // The payout record of a race slot: a blank HR record until one was read, and for a slot outside
    // 0..35 (no race shown).
    const std::string& record(RaceSlot slot) const;
    bool payoutRead(RaceSlot slot) const;

    // Reads the day's payout file (a day data file, one HR record per line). A missing file changes
    // nothing. Otherwise every slot is blanked, then the first 36 lines are read in order: each record
    // goes to the first used race slot whose race record has the same race key (positions 12-27) and sets
    // that slot's flag; a record that matches no race is ignored. `currentSlot` is the race shown (-1
    // none): when a record lands on a race with its course code and race number whose flag was not yet
    // set, the reading says the current race's payout has just arrived. A file that cannot be read is an
    // error and changes nothing.
    Result<PayoutReading> readFile(const std::string& path, const RaceRecords& races, RaceSlot currentSlot);
    // The same over lines already loaded.
    PayoutReading readLines(const std::vector<std::string>& lines, const RaceRecords& races, RaceSlot currentSlot);

private:
    std::array<std::string, kRaceSlotCount> m_records;
    std::array<bool, kRaceSlotCount> m_read{};
};

}  // namespace marovix
