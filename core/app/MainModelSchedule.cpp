// The race-day steps of automatic operation and change information. The steps whose subsystems come later
// do nothing until they land.
#include "core/app/MainModel.h"
#include "core/ports/Clock.h"
#include "core/session/DayLoadSettings.h"

namespace marovix {

void MainModel::rebuildUpcomingRaces() {}

void MainModel::computeSchedules(const DayLoadSettings& settings) {
    const DaySchedules schedules = daySchedules(m_session.day().races, settings.timing);
    for (RaceSlot slot = 0; slot < kRaceSlotCount; ++slot)
        m_session.slot(slot).schedule = schedules[static_cast<std::size_t>(slot)];
    m_resultsTimer = ResultsTimer{settings.resultsIntervalMinutes, m_ports.clock.now().serial()};
}

void MainModel::applyChangeInfo() {}
void MainModel::computeTargets() { m_kaimeSetting->NaviSetBtnClick(); }

}  // namespace marovix
