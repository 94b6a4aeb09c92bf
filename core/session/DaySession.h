#pragma once
// DaySession: one loaded meeting day and everything its races carry, apart from any window. The day's
// records (RaceDay), odds (DayOdds with the index of the odds files), payouts (DayPayouts) and stake
// inputs (StakeInputs) are kept day-wide because their readers fill every race from one reading of each
// file; per race slot the session adds a RaceSlotState. All of it lives as long as the session: loading a
// day makes a new session (DayLoad.h), which is the one reset of every per-race value.
//
// The main window and the simulation hold a session, read what it holds and evaluate its races
// (RaceEvaluation.h) through the same functions.
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/common/BetType.h"
#include "core/common/Result.h"
#include "core/common/Yen.h"
#include "core/kaime/StakeInputs.h"
#include "core/odds/DayOdds.h"
#include "core/race/RaceDay.h"
#include "core/results/DayPayouts.h"
#include "core/results/PayoutSummary.h"
#include "core/session/RaceSlotState.h"

namespace marovix {

class DaySession {
public:
    // A day with no races, no odds and no payouts, and every stake input 0: what the window holds before
    // the first load.
    DaySession();
    // The day of `files` with nothing read yet, every race's stake inputs at `defaultStakes`.
    DaySession(DayFiles files, const BetAmounts& defaultStakes);
    DaySession(DaySession&&) noexcept;
    DaySession& operator=(DaySession&&) noexcept;
    ~DaySession();

    const DayFiles& files() const { return m_day.files; }
    // The records and the races' working values. The mutable day is for the readers of the session and
    // for the steps that change a race's working values (change information).
    const RaceDay& day() const { return m_day; }
    RaceDay& day() { return m_day; }
    const DayOdds& odds() const { return m_odds; }
    const DayPayouts& payouts() const { return m_payouts; }
    // The used slots (race records with a year), in slot order: the races of the race list.
    std::vector<RaceSlot> usedSlots() const { return m_day.usedSlots(); }

    // Per race slot. REQUIRES: 0 <= slot < 36.
    const RaceRecord& race(RaceSlot slot) const { return m_day.race(slot); }
    RaceSlotState& slot(RaceSlot slot) { return m_slots[static_cast<std::size_t>(slot)]; }
    const RaceSlotState& slot(RaceSlot slot) const { return m_slots[static_cast<std::size_t>(slot)]; }
    // The same flags, false for a slot outside 0..35.
    bool tohyoDone(RaceSlot slot) const;
    bool ozFetched(RaceSlot slot) const;
    bool naviTarget(RaceSlot slot) const;
    // The stake input of a bet type for a race; 0 (and ignored when set) outside 0..35.
    Yen stake(BetType bet, RaceSlot slot) const { return m_stakes.amount(bet, slot); }
    void setStake(BetType bet, RaceSlot slot, Yen amount) { m_stakes.set(bet, slot, amount); }
    // The race's payout record; a blank HR record before one was read and for a slot outside 0..35.
    const std::string& payout(RaceSlot slot) const { return m_payouts.record(slot); }
    // The summary of the race's payout record as last read (blank outside 0..35).
    const PayoutSummary& payoutSummary(RaceSlot slot) const;

    // Readings of the day's files into the session. Problems that cost no data go to `notes` as the lines
    // the error log takes.

    // The race file with each race's weather and going codes, computer index (from `compiFolder`, see
    // readRaceDay) and runners; `progress` is told after each race. A race file that cannot be read is an
    // error.
    Status readRaceRecords(const std::string& compiFolder, LoadNotes& notes,
                           const std::function<void()>& progress = {});
    // The race and runner records again (results may have come in); the weather and going announced by
    // the change information stay, only a new load goes back to the race records' codes.
    void rereadRaceRecords(const std::string& compiFolder, LoadNotes& notes);
    // The day's payout file into the payout slots (a missing file changes nothing). `currentSlot` is the
    // race shown (-1 none); true when its payout has just arrived in this reading.
    bool readPayouts(RaceSlot currentSlot, LoadNotes& notes);
    // CalcBtn: the summaries are formed again from the payout slots when next asked for.
    void forgetPayoutSummaries();
    // ReadMining: the DM and TM files into their slots, then every race's mining values and ranks.
    void readMining(LoadNotes& notes);
    // The odds of every slot (each odds file read at most once), or of one slot (its files looked at again
    // and read again only when they changed).
    void readDayOdds(LoadNotes& notes);
    void readOdds(RaceSlot slot, LoadNotes& notes);
    // The pre-marked horse table when its file exists (a missing file is no error and changes nothing).
    Status readUmaSet();
    // The two own-index files of the day (TCSV/<name><yyyymmdd>.csv); missing files change nothing. Lines
    // of no race of the day or of a horse outside 1..18 are counted in a note per file.
    void readOwnIndexes(const std::string& tcsvFolder, const std::string& name1, const std::string& name2,
                        LoadNotes& notes);

private:
    RaceDay m_day;
    DayOdds m_odds;
    std::unique_ptr<OddsFileIndex> m_oddsFiles;
    DayPayouts m_payouts;
    StakeInputs m_stakes;
    std::array<RaceSlotState, kRaceSlotCount> m_slots;
};

}  // namespace marovix
