// The payout handlers of the main window: reading the day's payouts (HrReadBtn, HrReadBtn2), the payout
// summary (CalcBtn) and the payout panel of the shown race.
#include "core/app/MainModel.h"
#include "core/results/PayoutPanel.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"

namespace marovix {

bool MainModel::readRecordsAndPayouts() {
    LoadNotes notes;
    m_session.rereadRaceRecords(m_settings->readText(settings::DirLumidex), notes);
    logNotes(notes);
    notes.clear();
    const bool arrived = m_session.readPayouts(m_state.currentRace, notes);
    logNotes(notes);
    CalcBtnClick();
    return arrived;
}

void MainModel::HrReadBtnClick() {
    const HandlerScope scope(*this);
    if (!m_state.shownDay) return;
    readRecordsAndPayouts();
}

void MainModel::HrReadBtn2Click() {
    const HandlerScope scope(*this);
    if (!m_state.shownDay) return;
    const bool arrived = readRecordsAndPayouts();
    if (m_state.currentRace >= 0 && arrived) showRace(m_state.currentRace);
}

void MainModel::CalcBtnClick() { m_session.forgetPayoutSummaries(); }

void MainModel::showPayoutPanel() {
    m_state.payoutPanel = payoutPanel(m_session.payoutSummary(m_state.currentRace));
    notify(StatePart::Payouts);
}

}  // namespace marovix
