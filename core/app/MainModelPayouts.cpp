// The payout handlers of the main window: reading the day's payouts (HrReadBtn, HrReadBtn2), the payout
// summary (CalcBtn) and the payout panel of the shown race.
#include "core/app/MainModel.h"
#include "core/common/FileFaults.h"
#include "core/results/PayoutPanel.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"

namespace marovix {

void MainModel::readPayouts() {
    // A newly loaded day starts without payouts; a day without a payout file keeps none.
    m_payouts.clear();
    readPayoutFile();
    CalcBtnClick();
}

bool MainModel::readPayoutFile() {
    auto reading = m_payouts.readFile(m_day.files.payout, m_day.races, m_state.currentRace);
    if (!reading) {
        appendErrorLog(reading.error());
        return false;
    }
    for (const RejectedLine& rejected : reading->rejected)
        appendErrorLog(fileLineFault(m_day.files.payout, static_cast<std::size_t>(rejected.line), rejected.reason));
    return reading->currentArrived;
}

void MainModel::rereadRaceRecords() {
    // The race and runner records again (results may have come in). The weather and going announced by
    // the change information stay: only a new day load goes back to the race records' codes.
    std::array<std::array<std::string, 3>, kRaceSlotCount> codes;
    for (std::size_t slot = 0; slot < codes.size(); ++slot) {
        const RaceWork& work = m_day.work[slot];
        codes[slot] = {work.WeatherCode, work.TurfGoingCode, work.DirtGoingCode};
    }
    LoadNotes notes;
    if (Status read = readRaceDay(m_day, m_settings->readText(settings::DirLumidex), notes); !read)
        notes.push_back(read.error());
    for (std::size_t slot = 0; slot < codes.size(); ++slot) {
        RaceWork& work = m_day.work[slot];
        work.WeatherCode = codes[slot][0];
        work.TurfGoingCode = codes[slot][1];
        work.DirtGoingCode = codes[slot][2];
    }
    for (const std::string& problem : notes) appendErrorLog(problem);
}

void MainModel::HrReadBtnClick() {
    if (!m_state.shownDay) return;
    rereadRaceRecords();
    readPayoutFile();
    CalcBtnClick();
}

void MainModel::HrReadBtn2Click() {
    if (!m_state.shownDay) return;
    rereadRaceRecords();
    const bool arrived = readPayoutFile();
    CalcBtnClick();
    if (m_state.currentRace >= 0 && arrived) showRace(m_state.currentRace);
}

void MainModel::CalcBtnClick() {
    // The payout slots change only by a reading that is followed by this handler, so a summary formed
    // later from them is the one formed now.
    for (auto& summary : m_payoutSummaries) summary.reset();
}

const PayoutSummary& MainModel::payoutSummary(RaceSlot slot) const {
    static const PayoutSummary none = summarisePayout({});
    if (slot < 0 || slot >= kRaceSlotCount) return none;
    auto& summary = m_payoutSummaries[static_cast<std::size_t>(slot)];
    if (!summary) summary = summarisePayout(m_payouts.record(slot));
    return *summary;
}

void MainModel::showPayoutPanel() {
    m_state.payoutPanel = payoutPanel(payoutSummary(m_state.currentRace));
    notify(StatePart::Payouts);
}

const std::string& MainModel::currentPayout() const { return m_payouts.record(m_state.currentRace); }

}  // namespace marovix
