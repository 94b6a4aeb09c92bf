#include "core/app/MainAutoHost.h"

#include "core/app/MainModel.h"
#include "core/jv/FetchQueue.h"
#include "core/odds/OddsRecordLayout.h"
#include "core/ports/Clock.h"
#include "core/race/JvRecord.h"
#include "core/race/RecordFields.h"

namespace marovix {

MainAutoHost::MainAutoHost(MainModel& model, std::function<bool()> frontBusy)
    : m_model(model), m_frontBusy(std::move(frontBusy)) {}

bool MainAutoHost::busy() const { return m_model.fetchRunning() || m_model.busy() || (m_frontBusy && m_frontBusy()); }

SchedulerDay MainAutoHost::day() const {
    SchedulerDay day;
    const MainState& state = m_model.state();
    day.shownDay = state.shownDay.value_or("");
    day.resultsTimer = m_model.resultsTimer();
    const DaySession& session = m_model.session();
    const RaceDay& raceDay = session.day();
    for (RaceSlot slot = 0; slot < kRaceSlotCount; ++slot) {
        const RaceRecord& race = raceDay.race(slot);
        SchedulerSlot& entry = day.races[static_cast<std::size_t>(slot)];
        entry.raceNumber = fieldNumber(race, RaField::raceNumber);
        entry.raceKey16 = std::string(fieldText(race, RaField::raceKey16));
        entry.postTime = std::string(fieldText(race, RaField::postTime));
        entry.schedule = session.slot(slot).schedule;
        entry.fetchLine = fetchQueueLine(race, slot);
        entry.ozFetched = m_model.ozFetched(slot);
        entry.tohyoDone = session.tohyoDone(slot);
        entry.naviTarget = session.naviTarget(slot);
        const std::string_view winPlace = session.odds().rawRecords(slot)[kindIndex(OddsKind::O1)];
        entry.winPlaceOdds = fieldNumber(winPlace, O1Field::raceNumber) > 0;
    }
    return day;
}

SchedulerSettings MainAutoHost::settings() const {
    const MainOptions& options = m_model.state().options;
    return SchedulerSettings{options.on(MainOption::OverWriteOK), options.on(MainOption::DupOK),
                             options.on(MainOption::NotGetMining), options.on(MainOption::NotGetKekka)};
}

bool MainAutoHost::autoRunMode() const { return m_model.autoRunMode(); }

void MainAutoHost::setOzFetched(RaceSlot slot) { m_model.setOzFetched(slot); }

void MainAutoHost::fetchOdds(const std::vector<std::string>& fetchList) {
    m_model.setFetchQueueOdds(fetchList);
    m_model.OzGetLoopBtnClick();
    m_model.scheduledOddsFetchDone();
}

bool MainAutoHost::showRace(RaceSlot slot) {
    const int entry = m_model.state().entryOfSlot(slot);
    if (entry < 0) return false;
    m_model.DatListClick(entry);
    const RunnerRecord& first = m_model.session().day().runners[static_cast<std::size_t>(slot)][0];
    return m_model.state().currentRace == slot && fieldNumber(first, SeField::horseNumber) > 0;
}

void MainAutoHost::voteAutomatically() { m_model.AutoTohyoBtnClick(); }

void MainAutoHost::fetchMining() {
    m_model.setSilentFetch(true);
    m_model.GetDMBtnClick();
    m_model.setSilentFetch(false);
}

void MainAutoHost::fetchPayouts(const std::vector<std::string>& fetchList) {
    m_model.setFetchQueueResults(fetchList);
    m_model.HRGetLoopBtnClick();
}

void MainAutoHost::queryBalance() { m_model.IPTZanDakaBtnClick(); }

void MainAutoHost::note(const std::string& text) {
    m_model.appendDayLog({"[エラー]" + m_model.clock().now().timeText() + " " + text});
}

}  // namespace marovix
