// Race navigation and race-card sorting of the main window: the next race of today, the upcoming-race
// list and the heading clicks of the two race-card grids.
#include "core/app/MainModel.h"
#include "core/ports/Clock.h"
#include "core/race/RaceNavigation.h"

namespace marovix {

void MainModel::NextRaceBtnClick() {
    const HandlerScope scope(*this);
    if (!m_state.shownDay || m_state.datList.empty()) return;
    const DateTime now = m_ports.clock.now();
    const std::optional<int> entry =
        nextRaceEntry(m_session.day().races, m_state.datListSlots, now.dateKey(), now.compactText().substr(8, 4));
    if (entry) DatListClick(*entry);
}

void MainModel::rebuildUpcomingRaces() { NextRBtnClick(); }

void MainModel::NextRBtnClick() {
    const HandlerScope scope(*this);
    m_state.nowTimeRaceList = upcomingRaceList(m_session.day().races);
    CurRaceTimerTimer();
}

void MainModel::CurRaceTimerTimer() {
    const HandlerScope scope(*this);
    m_state.nowTimeRaceSelected =
        currentUpcomingEntry(m_state.nowTimeRaceList, m_ports.clock.now().timeText().substr(0, 5));
    notify(StatePart::UpcomingRaces);
}

void MainModel::raceCardHeadingClick(GridId grid, int column) {
    const HandlerScope scope(*this);
    TextGrid* cells = grid == GridId::StringGrid26  ? &m_state.stringGrid26.text()
                      : grid == GridId::StringGrid1 ? &m_state.stringGrid1.text()
                                                    : nullptr;
    if (cells && m_raceCardSort.headingClick(grid, column, *cells)) notify(StatePart::RaceCard);
}

}  // namespace marovix
