// The race-day handlers of the main window: choosing a day (LoadRaceDay) and showing a race (ShowRace).
#include <algorithm>

#include "core/app/MainModel.h"
#include "core/common/TextFile.h"
#include "core/odds/OddsAnnouncement.h"
#include "core/ports/Clock.h"
#include "core/ports/Dialogs.h"
#include "core/race/JvRecord.h"
#include "core/race/RaceCard.h"
#include "core/race/RecordFields.h"
#include "core/race/RecordKeys.h"
#include "core/session/DayLoad.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"

namespace marovix {
namespace {

constexpr int kProgressSteps = 35;

}  // namespace

void MainModel::letEventsRun() {
    // The window shows what has changed so far before the pending events run.
    sendNotices();
    if (m_eventPump) m_eventPump();
}

void MainModel::inform(const std::string& text) {
    if (m_quietFlag) return;
    m_ports.dialogs.beep();
    m_ports.dialogs.information(text);
}

bool MainModel::isToday(const std::string& dayText) const { return dayText == m_ports.clock.now().dayText(); }

void MainModel::stopDayTimers() {
    m_state.timers.Timer2 = false;
    m_state.timers.CurRaceTimer = false;
    m_state.timers.HenkoTimer = false;
    m_state.timers.HenkoJohoTimer = false;
    notify(StatePart::Timers);
}

void MainModel::DateComboChange(const std::string& dayText) {
    const HandlerScope scope(*this);
    m_state.shownDay = dayText;
    notify(StatePart::ShownDay);
    // 1. The time-to-post label only on today's meeting; the race list and pages empty; timers stopped.
    m_state.restTimeVisible = isToday(dayText);
    m_state.datList.clear();
    m_state.datListSlots.clear();
    m_state.nowTimeRaceList.clear();
    m_state.nowTimeRaceSelected = -1;
    notify(StatePart::UpcomingRaces);
    m_state.currentRace = -1;
    m_previousRace = -1;
    m_state.racePagesVisible = false;
    m_state.labels[LabelId::NowTimLabel].text.clear();
    m_state.labels[LabelId::RestTimeLabel].text.clear();
    notify(StatePart::RaceList);
    notify(StatePart::Clock);
    m_kaimeSetting->setRaceDay(dayText, {}, {});
    stopDayTimers();
    // 2. The short race card emptied (the day's values go with the session the load replaces).
    m_state.stringGrid26.clearBody();
    notify(StatePart::RaceCard);
    // The settings of the load, read once.
    const SettingsSnapshot snapshot = m_settings->snapshot();
    const DayLoadSettings settings = DayLoadSettings::read(snapshot);
    DayFiles files = DayFiles::of(m_folders.dataFolder(), dayText);
    // 4. No race file: the day's data is not complete.
    if (!fileExists(files.race)) {
        m_session = DaySession(std::move(files), settings.defaultStakes);
        inform("データ作成が未完了のようです。");
        return;
    }
    // 5. The progress pop-up; the window repaints once before the reading starts.
    m_state.progress = ProgressPopup{true, "レースデータを読み込んでいます。", dayText, 0, kProgressSteps};
    notify(StatePart::Progress);
    letEventsRun();
    // 3., 6.-8., 11.-12. The day read into a new session: races, payouts, mining, odds, the pre-marked
    // horse table, the own indexes, the stake inputs.
    DayLoad load = loadDay(std::move(files), m_folders.tcsvFolder(), settings, [this] {
        ++m_state.progress.position;
        notify(StatePart::Progress);
    });
    m_session = std::move(load.session);
    logNotes(load.notes);
    for (const std::string& error : load.errors) m_ports.dialogs.error(error);
    // 9. The race list, each entry with its slot; the strategy window's DatList and RaceList0 follow it.
    for (RaceSlot slot : m_session.usedSlots()) {
        m_state.datList.push_back(raceListText(m_session.race(slot)));
        m_state.datListSlots.push_back(slot);
    }
    notify(StatePart::RaceList);
    m_kaimeSetting->setRaceDay(dayText, m_state.datListSlots, m_state.datList);
    // The races voted before (by this program or another, before a restart) stay voted, and those whose
    // odds were fetched before in this run stay fetched.
    restoreTohyoDone();
    for (RaceSlot slot : m_session.usedSlots())
        if (m_ozFetchedRaces.count(std::string(RaceKey16(m_session.race(slot)))) > 0)
            m_session.slot(slot).OzFetched = true;
    // 10. The upcoming-race list.
    rebuildUpcomingRaces();
    // 11. A missing pre-marked horse table is made, a line for every slot up to the last race of the list.
    if (const std::string& uset = m_session.files().umaSet; !fileExists(uset)) {
        const int lines = m_state.datListSlots.empty() ? 0 : m_state.datListSlots.back() + 1;
        if (Status status = createUmaSetFile(uset, lines); !status) m_ports.dialogs.error(status.error());
    }
    // 12. The pop-up closes.
    m_state.progress.visible = false;
    notify(StatePart::Progress);
    // 13.-14. Schedules and the results timer (the stake inputs came with the session).
    computeSchedules(settings);
    // 15. On today's meeting the clock, the upcoming races and the change information run.
    if (isToday(dayText)) {
        m_state.timers.HenkoTimer = true;
        m_state.timers.Timer2 = true;
        m_state.timers.CurRaceTimer = true;
        notify(StatePart::Timers);
        applyChangeInfo();
    }
    // 16. The targets of automatic operation.
    computeTargets();
    // 17. The day log.
    appendDayLog({"-----", "■開催日選択 [" + dayText + "] " + m_ports.clock.now().slashText()});
    // 18. The first race.
    if (!m_state.datList.empty()) DatListClick(0);
}

void MainModel::logNotes(const LoadNotes& notes) {
    for (const std::string& problem : notes) appendErrorLog(problem);
}

void MainModel::showRace(RaceSlot slot) { DatListClick(m_state.entryOfSlot(slot)); }

void MainModel::DatListClick(int index) {
    const HandlerScope scope(*this);
    const RaceSlot slot = m_state.slotOfEntry(index);
    if (slot < 0) return;
    // 1. CurrentRace, remembering the race shown before.
    const RaceSlot previous = m_previousRace;
    m_state.currentRace = slot;
    m_previousRace = slot;
    notify(StatePart::RaceList);
    const RaceRecord& race = m_session.race(slot);
    // 2. A race without runner data.
    if (fieldNumber(m_session.day().runners[static_cast<std::size_t>(slot)][0], SeField::horseNumber) <= 0) {
        inform(std::to_string(fieldNumber(race, RaField::raceNumber)) + "レースはデータが不十分です。");
        return;
    }
    // 3.-5., 8. The combined list emptied; StringGrid26 back in horse-number order, so that the marks stay
    // with their horses, and every sort direction descending; the race cards refilled (the same race again
    // keeps the marks and hidden columns of StringGrid26).
    restoreHorseOrder(m_state.stringGrid26.text());
    m_raceCardSort.reset();
    showRaceCards(m_session, slot, previous == slot, m_state);
    notify(StatePart::CombinedList);
    notify(StatePart::RaceCard);
    // 6. The payout panel. 7. The header. 9. The race's stakes. 10. Whether automatic operation targets it.
    showPayoutPanel();
    showRaceHeader(slot);
    loadRaceStakes();
    // 11. Marks, then selections.
    SetSihyoBtnClick();
    KaimeMakeBtnClick();
    // 12. The race pages show.
    m_state.racePagesVisible = true;
    notify(StatePart::ShownDay);
}

void MainModel::showRaceHeader(RaceSlot slot) {
    const RaceHeader header = raceHeader(m_session.race(slot), m_session.day().work[static_cast<std::size_t>(slot)]);
    MainLabels& labels = m_state.labels;
    labels[LabelId::BashoLabel].text = header.basho;
    labels[LabelId::RaceLabel].text = header.race;
    labels[LabelId::Label1].text = header.label1;
    labels[LabelId::Label2].text = header.label2;
    labels[LabelId::Label3].text = header.label3;
    labels[LabelId::Panel21].background = header.panelColor;
    labels[LabelId::OzGetTimeLabel].text = announcementTimeLabel(m_session.odds().rawRecords(slot)[0]);
    labels[LabelId::TaishoRLabel].background = m_session.naviTarget(slot) ? 0x00FF00u : 0x808080u;
    notify(StatePart::Labels);
}

void MainModel::N38Click() {
    const HandlerScope scope(*this);
    const std::string current = m_settings->readText(settings::DirLumidex);
    if (auto folder = m_ports.dialogs.chooseFolder("Lumidex・フォルダの指定", current))
        reportWrite(m_settings->writeText(settings::DirLumidex, *folder));
}

CellStyle MainModel::cellStyle(GridId grid, int column, int row) const {
    const int slot = std::max(m_state.currentRace, 0);
    switch (grid) {
        case GridId::StringGrid26:
            return raceCard26Style(m_state.stringGrid26, m_session.day().work[static_cast<std::size_t>(slot)], column,
                                   row);
        case GridId::StringGrid1: return raceCard1Style(m_state.stringGrid1, column, row);
        case GridId::HyosuGrid:
        case GridId::OddsGrid:
        case GridId::Count: return {};
        default: return kaimeGridStyle(grid, column, row);  // the selection grids and the combined list
    }
}

Rgb MainModel::raceListColor(int index) const {
    return raceListBackground(index >= 0 && index == m_state.currentEntry(), naviTarget(m_state.slotOfEntry(index)));
}

}  // namespace marovix
