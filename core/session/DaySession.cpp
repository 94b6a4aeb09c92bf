#include "core/session/DaySession.h"

#include "core/common/FileFaults.h"

namespace marovix {
DaySession::DaySession() : DaySession(DayFiles{}, BetAmounts{}) {}

DaySession::DaySession(DayFiles files, const BetAmounts& defaultStakes)
    : m_oddsFiles(std::make_unique<OddsFileIndex>(files.odds)) {
    m_day.clear();
    m_day.files = std::move(files);
    m_stakes.reset(defaultStakes);
}

DaySession::DaySession(DaySession&&) noexcept = default;
DaySession& DaySession::operator=(DaySession&&) noexcept = default;
DaySession::~DaySession() = default;

bool DaySession::tohyoDone(RaceSlot slot) const { return validSlot(slot) && this->slot(slot).TohyoDone; }

bool DaySession::ozFetched(RaceSlot slot) const { return validSlot(slot) && this->slot(slot).OzFetched; }

bool DaySession::naviTarget(RaceSlot slot) const { return validSlot(slot) && this->slot(slot).NaviTarget; }

const PayoutSummary& DaySession::payoutSummary(RaceSlot slot) const {
    static const PayoutSummary none = summarisePayout({});
    if (!validSlot(slot)) return none;
    std::optional<PayoutSummary>& summary = this->slot(slot).payoutSummary;
    if (!summary) summary = summarisePayout(m_payouts.record(slot));
    return *summary;
}

Status DaySession::readRaceRecords(const std::string& compiFolder, LoadNotes& notes,
                                   const std::function<void()>& progress) {
    return readRaceDay(m_day, compiFolder, notes, progress);
}

void DaySession::rereadRaceRecords(const std::string& compiFolder, LoadNotes& notes) {
    std::array<std::array<std::string, 3>, kRaceSlotCount> codes;
    for (std::size_t slot = 0; slot < codes.size(); ++slot) {
        const RaceWork& work = m_day.work[slot];
        codes[slot] = {work.WeatherCode, work.TurfGoingCode, work.DirtGoingCode};
    }
    if (Status read = readRaceDay(m_day, compiFolder, notes); !read) notes.push_back(read.error());
    for (std::size_t slot = 0; slot < codes.size(); ++slot) {
        RaceWork& work = m_day.work[slot];
        work.WeatherCode = codes[slot][0];
        work.TurfGoingCode = codes[slot][1];
        work.DirtGoingCode = codes[slot][2];
    }
}

bool DaySession::readPayouts(RaceSlot currentSlot, LoadNotes& notes) {
    const std::string& path = m_day.files.payout;
    auto reading = m_payouts.readFile(path, m_day.races, currentSlot);
    if (!reading) {
        notes.push_back(reading.error());
        return false;
    }
    for (const RejectedLine& rejected : reading->rejected)
        notes.push_back(fileLineFault(path, static_cast<std::size_t>(rejected.line), rejected.reason));
    return reading->currentArrived;
}

void DaySession::forgetPayoutSummaries() {
    // The payout slots change only by a reading that is followed by this, so a summary formed later from
    // them is the one formed now.
    for (RaceSlotState& state : m_slots) state.payoutSummary.reset();
}

void DaySession::readMining(LoadNotes& notes) { marovix::readMining(m_day, notes); }

void DaySession::readDayOdds(LoadNotes& notes) {
    for (std::string& problem : m_odds.readDay(m_day.races, *m_oddsFiles)) notes.push_back(std::move(problem));
}

void DaySession::readOdds(RaceSlot slot, LoadNotes& notes) {
    if (!validSlot(slot)) return;
    for (std::string& problem : m_odds.readSlot(slot, m_day.race(slot), *m_oddsFiles))
        notes.push_back(std::move(problem));
}

Status DaySession::readUmaSet() { return marovix::readUmaSet(m_day); }

void DaySession::readOwnIndexes(const std::string& tcsvFolder, const std::string& name1, const std::string& name2,
                                LoadNotes& notes) {
    for (std::string& skipped : readOwnIndexFiles(m_day, tcsvFolder, name1, name2)) notes.push_back(std::move(skipped));
}

}  // namespace marovix
