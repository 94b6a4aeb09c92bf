// The odds handlers of the main window: reading a race's odds (OzReadBtn) and showing them on the card.
#include "core/app/MainModel.h"
#include "core/odds/TimeSeriesImport.h"
#include "core/ports/Dialogs.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"

namespace marovix {

void MainModel::OzReadBtnClick() {
    const HandlerScope scope(*this);
    LoadNotes notes;
    m_session.readOdds(m_oddsReadSlot, notes);
    logNotes(notes);
}

bool MainModel::T1Click() {
    const HandlerScope scope(*this);
    const std::string viewer = m_settings->readText(settings::DirJikeiretu);
    if (auto refusal = timeSeriesImportRefusal(viewer, appFolder(), m_state.shownDay.has_value())) {
        m_ports.dialogs.beep();
        m_ports.dialogs.information(*refusal);
        return false;
    }
    const TimeSeriesImportResult result = importTimeSeriesOdds(viewer, m_folders.dataFolder(), m_session.day().races);
    for (const std::string& problem : result.problems) appendErrorLog(problem);
    if (!m_quietFlag) m_ports.dialogs.information(timeSeriesImportMessage(result.winPlaceRaces, result.quinellaRaces));
    DateComboChange(*m_state.shownDay);  // the day again, which reads the odds again
    return true;
}

void MainModel::N12Click() {
    const HandlerScope scope(*this);
    const std::string current = m_settings->readText(settings::DirJikeiretu);
    if (auto folder = m_ports.dialogs.chooseFolder("時系列ｵｯｽﾞﾃﾞｰﾀﾌｫﾙﾀﾞの指定", current))
        reportWrite(m_settings->writeText(settings::DirJikeiretu, *folder));
}

void MainModel::N110Click() {
    const HandlerScope scope(*this);
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

}  // namespace marovix
