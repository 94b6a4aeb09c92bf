// The race-day steps of automatic operation and change information. The steps whose subsystems come later
// do nothing until they land.
#include "core/app/MainModel.h"
#include "core/ports/Clock.h"
#include "core/settings/SettingsSnapshot.h"
#include "core/settings/SettingsTable.h"

namespace marovix {

void MainModel::rebuildUpcomingRaces() {}

void MainModel::computeSchedules(const SettingsSnapshot& settings) {
    const ScheduleTiming timing{settings.readInt(settings::TimeAutoOzGet), settings.readInt(settings::TimeAutoOzGetSec),
                                settings.readInt(settings::TimeAutoTohyoInterval)};
    m_schedules = daySchedules(m_session.day().races, timing);
    // The session carries each race's times as well.
    for (RaceSlot slot = 0; slot < kRaceSlotCount; ++slot) {
        const RaceSchedule& times = m_schedules[static_cast<std::size_t>(slot)];
        m_session.slot(slot).schedule =
            SlotSchedule{times.PreFetchTime, times.OzGetTime1, times.OzGetTime2, times.TohyoTime};
    }
    m_resultsTimer = ResultsTimer{settings.readInt(settings::TimeAutoRdataGet), m_ports.clock.now().serial()};
}

void MainModel::applyChangeInfo() {}

}  // namespace marovix
