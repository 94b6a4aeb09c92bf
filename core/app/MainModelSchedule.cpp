// The race-day steps of automatic operation and change information. The steps whose subsystems come later
// do nothing until they land.
#include "core/app/MainModel.h"
#include "core/ports/Clock.h"
#include "core/session/DayLoadSettings.h"

namespace marovix {

void MainModel::computeSchedules(const DayLoadSettings& settings) {
    m_scheduleTiming = settings.timing;
    placeSchedules();
    m_resultsTimer = ResultsTimer{settings.resultsIntervalMinutes, m_ports.clock.now().serial()};
}

void MainModel::placeSchedules() {
    const DaySchedules schedules = daySchedules(m_session.day().races, m_scheduleTiming);
    for (RaceSlot slot = 0; slot < kRaceSlotCount; ++slot)
        m_session.slot(slot).schedule = schedules[static_cast<std::size_t>(slot)];
}

}  // namespace marovix
