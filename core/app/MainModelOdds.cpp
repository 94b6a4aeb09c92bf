// The odds handlers of the main window: reading a race's odds (OzReadBtn) and showing them on the card.
#include "core/app/MainModel.h"
#include "core/odds/OddsAnnouncement.h"
#include "core/odds/TimeSeriesImport.h"
#include "core/ports/Dialogs.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"

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

bool MainModel::T1Click() {
    const std::string viewer = m_settings->readText(settings::DirJikeiretu);
    if (auto refusal = timeSeriesImportRefusal(viewer, appFolder(), m_state.shownDay.has_value())) {
        m_ports.dialogs.beep();
        m_ports.dialogs.information(*refusal);
        return false;
    }
    const TimeSeriesImportResult result = importTimeSeriesOdds(viewer, m_folders.dataFolder(), m_day.races);
    for (const std::string& problem : result.problems) appendErrorLog(problem);
    if (!m_quietFlag) m_ports.dialogs.information(timeSeriesImportMessage(result.winPlaceRaces, result.quinellaRaces));
    DateComboChange(*m_state.shownDay);  // the day again, which reads the odds again
    return true;
}

void MainModel::N12Click() {
    const std::string current = m_settings->readText(settings::DirJikeiretu);
    if (auto folder = m_ports.dialogs.chooseFolder("時系列ｵｯｽﾞﾃﾞｰﾀﾌｫﾙﾀﾞの指定", current))
        reportWrite(m_settings->writeText(settings::DirJikeiretu, *folder));
}

void MainModel::N110Click() {
    if (!m_state.shownDay) {
        m_ports.dialogs.beep();
        m_ports.dialogs.information("開催日ﾃﾞｰﾀを読み込んでください。");
        return;
    }
    for (RaceSlot slot : std::vector<RaceSlot>(m_state.datListSlots)) {
        // Selecting an entry by program is no click: the fetch itself refreshes the display.
        m_state.currentRace = slot;
        notify(StatePart::RaceList);
        SokuhoOddsBtnClick();
    }
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
    if (slot < 0 || slot >= kRaceSlotCount) return announcementTimeLabel({});
    return announcementTimeLabel(m_odds.rawRecords(slot)[0]);
}

}  // namespace marovix
