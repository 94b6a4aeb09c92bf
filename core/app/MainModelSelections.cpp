// The selection handlers of the main window: the marks (SetSihyoBtn, the mark buttons and cell clicks),
// the eight builders (KaimeMakeBtn) and the controls of the bet-type pages.
#include "core/app/MainModel.h"
#include "core/kaime/Marks.h"
#include "core/kaime/SelectionControls.h"
#include "core/ports/Dialogs.h"

namespace marovix {
namespace {

constexpr const char* kRankFileName = "selecteduma.dat";

}  // namespace

void MainModel::loadMarkStrategy(const SettingsSnapshot& settings) {
    if (Status status = readMarkStrategy(settings, m_folders.path(kRankFileName), m_markStrategy); !status)
        m_ports.dialogs.error(status.error());
}

void MainModel::SetSihyoBtnClick() {
    const RaceSlot slot = m_state.currentRace;
    if (slot < 0 || slot >= kRaceSlotCount) return;
    markRace(m_session, slot, strategy(), m_state);
    notify(StatePart::RaceCard);
}

void MainModel::KaimeMakeBtnClick() {
    buildRaceSelections(m_session, m_state.currentRace, strategy(), m_state);
    notify(StatePart::Selections);
    notify(StatePart::Labels);
    notify(StatePart::CombinedList);
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
    const HandlerScope scope(*this);
    m_state.multiBoxVisible = multiBoxesVisible(m_state.options);
    notify(StatePart::Options);
}

void MainModel::AllCkBtnClick(int mark) {
    const HandlerScope scope(*this);
    setMarkColumn(m_state.stringGrid26, mark, true);
    notify(StatePart::RaceCard);
    KaimeMakeBtnClick();
}

void MainModel::AllDlBtnClick(int mark) {
    const HandlerScope scope(*this);
    setMarkColumn(m_state.stringGrid26, mark, false);
    notify(StatePart::RaceCard);
    KaimeMakeBtnClick();
}

void MainModel::StringGrid26Click(int column, int row) {
    const HandlerScope scope(*this);
    if (!toggleMark(m_state.stringGrid26, column, row)) return;
    notify(StatePart::RaceCard);
    KaimeMakeBtnClick();
}

void MainModel::TanKaimeGridClick(int column, int row) {
    const HandlerScope scope(*this);
    KaimeGrid& grid = m_state.kaimeGrid(BetType::Tan);
    if (column != KaimeGrid::index(KaimeCol::Kesu) || row < 1 || row >= grid.rowCount()) return;
    grid.setCell(KaimeCol::Kesu, row,
                 grid.cell(KaimeCol::Kesu, row) == kKesuMark ? std::string() : std::string(kKesuMark));
    KaimeMakeBtnClick();
}

}  // namespace marovix
