// The race-day steps of automatic operation and change information. The steps whose subsystems come later
// do nothing until they land.
#include "core/app/MainModel.h"
#include "core/ports/Clock.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"

namespace marovix {

void MainModel::rebuildUpcomingRaces() {}

void MainModel::computeSchedules() {
    const ScheduleTiming timing{m_settings->readInt(settings::TimeAutoOzGet),
                                m_settings->readInt(settings::TimeAutoOzGetSec),
                                m_settings->readInt(settings::TimeAutoTohyoInterval)};
    m_schedules = daySchedules(m_day.races, timing);
    m_resultsTimer = ResultsTimer{m_settings->readInt(settings::TimeAutoRdataGet), m_ports.clock.now().serial()};
}

void MainModel::applyChangeInfo() {}
void MainModel::computeTargets() { m_kaimeSetting->NaviSetBtnClick(); }

}  // namespace marovix
