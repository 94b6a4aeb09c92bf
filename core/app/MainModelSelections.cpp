// The selection handlers of the main window: the marks (SetSihyoBtn, the mark buttons and cell clicks),
// the eight builders (KaimeMakeBtn) and the controls of the bet-type pages.
#include <algorithm>

#include "core/app/MainModel.h"
#include "core/kaime/Marks.h"
#include "core/kaime/SelectionBuilder.h"
#include "core/kaime/SelectionControls.h"
#include "core/ports/Dialogs.h"
#include "core/race/JvRecord.h"
#include "core/race/RecordFields.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"

namespace marovix {
namespace {

constexpr const char* kRankFileName = "selecteduma.dat";
constexpr const char* kKesuText = "消";

int registeredRunners(const RaceRecord& race) {
    return std::clamp(fieldNumber(race, RaField::registeredRunners), 0, kRunnerSlotCount);
}

}  // namespace

void MainModel::loadMarkStrategy() {
    const SettingKey* indexKeys[kMarkCount] = {&settings::SihyoSel1, &settings::SihyoSel2, &settings::SihyoSel3};
    const SettingKey* borrowKeys[kMarkCount] = {&settings::SetUmaMaru2, &settings::SetUmaMaru1,
                                                &settings::SetUmaSankaku};
    for (std::size_t mark = 0; mark < kMarkCount; ++mark) {
        m_markStrategy.index[mark] = m_settings->readInt(*indexKeys[mark]);
        m_markStrategy.borrowIndex[mark] = m_settings->readBool(*borrowKeys[mark]);
    }
    if (Status status = readRankFile(m_folders.path(kRankFileName), m_markStrategy); !status)
        m_ports.dialogs.error(status.error());
}

void MainModel::SetSihyoBtnClick() {
    const RaceSlot slot = m_state.currentRace;
    if (slot < 0 || slot >= kRaceSlotCount) return;
    const auto index = static_cast<std::size_t>(slot);
    const IndexRanks ranks = indexRanks(m_day.work[index].indexes, m_odds.table(slot));
    setMarks(m_state.stringGrid26, static_cast<MarkMode>(m_state.options.value(MainOption::ShihyoSet)), m_markStrategy,
             MarkRace{registeredRunners(m_day.race(slot)), ranks, m_day.umaSet[index]});
    notify(StatePart::RaceCard);
}

void MainModel::KaimeMakeBtnClick() {
    // Without a shown race the builders see no runners and no odds: every grid is emptied.
    static const OddsTable kNoOdds{};
    const RaceSlot slot = m_state.currentRace;
    const bool shown = slot >= 0 && slot < kRaceSlotCount;
    const OddsRawRecords raw = shown ? m_odds.rawRecords(slot) : blankOddsRecords();
    const SelectionRace race{m_state.stringGrid26, shown ? registeredRunners(m_day.race(slot)) : 0,
                             shown ? m_odds.table(slot) : kNoOdds, raw};
    for (const auto& bet : kBetTypes) {
        for (BetLabel label : {BetLabel::Tensu, BetLabel::Toshi, BetLabel::YosoKaishu})
            m_state.labels[{bet.type, label}].text.clear();
        buildSelections(bet.type, race, selectionOptions(bet.type, m_state.options, m_state.ozSpan),
                        m_state.kaimeGrid(bet.type));
        finishBetGrid(bet.type);
    }
    notify(StatePart::Selections);
    notify(StatePart::Labels);
    KaimeMixBtnClick();
}

void MainModel::selectionOptionClicked(MainOption option) {
    switch (option) {
        case MainOption::ShihyoSet:
            SetSihyoBtnClick();
            KaimeMakeBtnClick();
            break;
        case MainOption::KaikataUT:
        case MainOption::KaikataSRT:
            RefSpanBtnClick();
            KaimeMakeBtnClick();
            break;
        case MainOption::KaikataWR:
        case MainOption::KaikataUR:
        case MainOption::KaikataWD:
        case MainOption::KaikataSRF:
        case MainOption::MultiUmatan:
        case MainOption::MultiSRT:
        case MainOption::MultiSRT12:
        case MainOption::MultiSRT23:
        case MainOption::MultiSRT13:
        case MainOption::BuyTan:
        case MainOption::BuyFuk:
        case MainOption::BuyWR:
        case MainOption::BuyUR:
        case MainOption::BuyWD:
        case MainOption::BuyUT:
        case MainOption::BuySRF:
        case MainOption::BuySRT: KaimeMakeBtnClick(); break;
        default: break;
    }
}

void MainModel::RefSpanBtnClick() {
    m_state.multiBoxVisible = multiBoxesVisible(m_state.options);
    notify(StatePart::Options);
}

void MainModel::AllCkBtnClick(int mark) {
    setMarkColumn(m_state.stringGrid26, mark, true);
    notify(StatePart::RaceCard);
    KaimeMakeBtnClick();
}

void MainModel::AllDlBtnClick(int mark) {
    setMarkColumn(m_state.stringGrid26, mark, false);
    notify(StatePart::RaceCard);
    KaimeMakeBtnClick();
}

void MainModel::StringGrid26Click(int column, int row) {
    if (!toggleMark(m_state.stringGrid26, column, row)) return;
    notify(StatePart::RaceCard);
    KaimeMakeBtnClick();
}

void MainModel::TanKaimeGridClick(int column, int row) {
    KaimeGrid& grid = m_state.kaimeGrid(BetType::Tan);
    if (column != KaimeGrid::index(KaimeCol::Kesu) || row < 1 || row >= grid.rowCount()) return;
    grid.setCell(KaimeCol::Kesu, row, grid.cell(KaimeCol::Kesu, row) == kKesuText ? "" : kKesuText);
    KaimeMakeBtnClick();
}

}  // namespace marovix
