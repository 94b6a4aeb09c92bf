// The odds handlers of the main window: reading a race's odds (OzReadBtn) and showing them on the card.
#include "core/app/MainModel.h"
#include "core/odds/OddsAnnouncement.h"

namespace marovix {

void MainModel::readDayOdds() {
    if (!m_oddsFiles) return;
    for (const std::string& problem : m_odds.readDay(m_day.races, *m_oddsFiles)) appendErrorLog(problem);
}

void MainModel::OzReadBtnClick() {
    if (!m_oddsFiles || m_oddsReadSlot < 0 || m_oddsReadSlot >= kRaceSlotCount) return;
    for (const std::string& problem : m_odds.readSlot(m_oddsReadSlot, m_day.race(m_oddsReadSlot), *m_oddsFiles))
        appendErrorLog(problem);
}

CardOdds MainModel::cardOdds(RaceSlot slot) const {
    CardOdds odds;
    if (slot < 0 || slot >= kRaceSlotCount) return odds;
    const OddsTable& table = m_odds.table(slot);
    for (std::size_t h = 1; h < odds.win.size(); ++h) {
        odds.win[h] = table.TanOdds[h];
        odds.winPop[h] = table.TanPop[h];
        odds.placeLow[h] = table.FukOddsLow[h];
        odds.placePop[h] = table.FukLowPop[h];
    }
    return odds;
}

std::string MainModel::oddsAnnouncementLabel(RaceSlot slot) const {
    if (slot < 0 || slot >= kRaceSlotCount) return {};
    return announcementTimeText(m_odds.rawRecords(slot)[0]);
}

}  // namespace marovix
