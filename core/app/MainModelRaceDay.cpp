// The race-day handlers of the main window: choosing a day (LoadRaceDay) and showing a race (ShowRace).
#include <algorithm>

#include "core/app/MainModel.h"
#include "core/common/TextFile.h"
#include "core/common/Trim.h"
#include "core/ports/Clock.h"
#include "core/ports/Dialogs.h"
#include "core/race/JvRecord.h"
#include "core/race/RaceCard.h"
#include "core/race/RecordFields.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"

namespace marovix {
namespace {

constexpr int kProgressSteps = 35;

}  // namespace

void MainModel::letEventsRun() {
    if (!m_eventPump) return;
    ++m_pumpDepth;
    m_eventPump();
    --m_pumpDepth;
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
    m_state.shownDay = dayText;
    notify(StatePart::ShownDay);
    // 1. The time-to-post label only on today's meeting; the race list and pages empty; timers stopped.
    m_state.restTimeVisible = isToday(dayText);
    m_state.datList.clear();
    m_state.datListSlots.clear();
    m_state.currentRace = -1;
    m_previousRace = -1;
    m_state.racePagesVisible = false;
    m_state.labels[LabelId::NowTimLabel].text.clear();
    m_state.labels[LabelId::RestTimeLabel].text.clear();
    notify(StatePart::RaceList);
    notify(StatePart::ShownDay);
    notify(StatePart::Clock);
    m_kaimeSetting->setRaceDay(dayText, {}, {});
    stopDayTimers();
    // 2.-3. Every race's working values reset, the short race card emptied; the day's file names.
    m_day.clear();
    m_day.files = DayFiles::of(m_folders.dataFolder(), dayText);
    m_odds.openDay();
    m_tohyoDone.fill(false);
    m_ozFetched.fill(false);
    m_naviTarget.fill(false);
    m_schedules = {};
    m_oddsFiles = std::make_unique<OddsFileIndex>(m_day.files.odds);
    m_state.stringGrid26.clearBody();
    notify(StatePart::RaceCard);
    // 4. No race file: the day's data is not complete.
    if (!fileExists(m_day.files.race)) {
        inform("データ作成が未完了のようです。");
        return;
    }
    // 5. The progress pop-up; the window repaints once before the reading starts.
    m_state.progress = ProgressPopup{true, "レースデータを読み込んでいます。", dayText, 0, kProgressSteps};
    notify(StatePart::Progress);
    letEventsRun();
    // 6.-7. The race file, with each race's weather, computer index and runners.
    LoadNotes notes;
    Status read = readRaceDay(m_day, m_settings->readText(settings::DirLumidex), notes, [this] {
        ++m_state.progress.position;
        notify(StatePart::Progress);
    });
    if (!read) notes.push_back(read.error());
    // 8. Payouts, mining and the odds of every slot.
    readPayouts();
    readMining(m_day, notes);
    readDayOdds();
    // 9. The race list, each entry with its slot; the strategy window's DatList and RaceList0 follow it.
    for (RaceSlot slot : m_day.usedSlots()) {
        m_state.datList.push_back(raceListText(m_day.race(slot)));
        m_state.datListSlots.push_back(slot);
    }
    notify(StatePart::RaceList);
    m_kaimeSetting->setRaceDay(dayText, m_state.datListSlots, m_state.datList);
    // The races voted before (by this program or another, before a restart) stay voted.
    restoreTohyoDone();
    // 10. The upcoming-race list.
    rebuildUpcomingRaces();
    // 11. The pre-marked horse table, a line for every slot up to the last race of the list.
    const int usetLines = m_state.datListSlots.empty() ? 0 : m_state.datListSlots.back() + 1;
    if (Status status = readUmaSet(m_day, usetLines); !status) m_ports.dialogs.error(status.error());
    // 12. The own indexes; the pop-up closes.
    const std::string own1 = m_settings->readText(settings::OriginalSisu1);
    const std::string own2 = m_settings->readText(settings::OriginalSisu2);
    for (std::string& skipped :
         readOwnIndexFiles(m_day, m_folders.tcsvFolder(), std::string(trimmed(own1, Blanks::SpaceTab)),
                           std::string(trimmed(own2, Blanks::SpaceTab))))
        notes.push_back(std::move(skipped));
    m_state.progress.visible = false;
    notify(StatePart::Progress);
    // 13.-14. Schedules, default stakes and the results timer.
    computeSchedules();
    resetDefaultStakes();
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
    for (const std::string& problem : notes) appendErrorLog(problem);
    // 18. The first race.
    if (!m_state.datList.empty()) DatListClick(0);
}

void MainModel::showRace(RaceSlot slot) { DatListClick(m_state.entryOfSlot(slot)); }

void MainModel::DatListClick(int index) {
    const RaceSlot slot = m_state.slotOfEntry(index);
    if (slot < 0) return;
    // 1. CurrentRace, remembering the race shown before.
    const RaceSlot previous = m_previousRace;
    m_state.currentRace = slot;
    m_previousRace = slot;
    notify(StatePart::RaceList);
    const RaceRecord& race = m_day.race(slot);
    const RunnerRecords& runners = m_day.runners[static_cast<std::size_t>(slot)];
    // 2. A race without runner data.
    if (fieldNumber(runners[0], SeField::horseNumber) <= 0) {
        inform(std::to_string(fieldNumber(race, RaField::raceNumber)) + "レースはデータが不十分です。");
        return;
    }
    // 3.-4. The combined list emptied (the race-card sort order comes with the sorting).
    m_state.allKaimeGrid.clearBody();
    m_state.allKaimeGrid.setRowCount(2);
    notify(StatePart::CombinedList);
    // 5. The race cards: the same race again keeps the marks and hidden columns of StringGrid26.
    const int registered = std::clamp(fieldNumber(race, RaField::registeredRunners), 0, kRunnerSlotCount);
    RaceCard26Grid& card26 = m_state.stringGrid26;
    for (int r = 1; r < card26.rowCount(); ++r) {
        if (previous == slot) {
            for (int c = 0; c <= RaceCard26Grid::index(Card26Col::TanJun); ++c) card26.text().setCell(c, r, {});
        } else {
            card26.clearRow(r);
        }
    }
    card26.setRowCount(registered + 1);
    m_state.stringGrid1.clearBody();
    m_state.stringGrid1.setRowCount(registered + 1);
    // 6. The payout panel.
    showPayoutPanel();
    // 7. The header.
    const RaceHeader header = raceHeader(race, m_day.work[static_cast<std::size_t>(slot)]);
    m_state.labels[LabelId::BashoLabel].text = header.basho;
    m_state.labels[LabelId::RaceLabel].text = header.race;
    m_state.labels[LabelId::Label1].text = header.label1;
    m_state.labels[LabelId::Label2].text = header.label2;
    m_state.labels[LabelId::Label3].text = header.label3;
    m_state.labels[LabelId::Panel21].background = header.panelColor;
    m_state.labels[LabelId::OzGetTimeLabel].text = oddsAnnouncementLabel(slot);
    // 8. The race cards.
    fillRaceCard(card26, m_state.stringGrid1, runners, m_day.work[static_cast<std::size_t>(slot)].indexes,
                 cardOdds(slot));
    notify(StatePart::RaceCard);
    // 9. The race's stakes. 10. Whether automatic operation targets it.
    loadRaceStakes();
    m_state.labels[LabelId::TaishoRLabel].background = naviTarget(slot) ? 0x00FF00 : 0x808080;
    notify(StatePart::Labels);
    // 11. Marks, then selections.
    SetSihyoBtnClick();
    KaimeMakeBtnClick();
    // 12. The race pages show.
    m_state.racePagesVisible = true;
    notify(StatePart::ShownDay);
}

void MainModel::N38Click() {
    const std::string current = m_settings->readText(settings::DirLumidex);
    if (auto folder = m_ports.dialogs.chooseFolder("Lumidex・フォルダの指定", current))
        reportWrite(m_settings->writeText(settings::DirLumidex, *folder));
}

CellStyle MainModel::cellStyle(GridId grid, int column, int row) const {
    const int slot = std::max(m_state.currentRace, 0);
    switch (grid) {
        case GridId::StringGrid26:
            return raceCard26Style(m_state.stringGrid26, m_day.work[static_cast<std::size_t>(slot)], column, row);
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
