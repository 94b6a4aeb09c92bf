// The stake handlers of the main window: stake inputs, allocation, the combined list (KaimeMixBtn), its
// totals and "消" marks, the participation buttons, the active bet-type page and the default stakes.
#include "core/app/MainModel.h"
#include "core/kaime/BetPages.h"
#include "core/kaime/CombinedList.h"
#include "core/kaime/KaimeGridStyle.h"
#include "core/results/HitJudgement.h"
#include "core/session/DayLoadSettings.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"

namespace marovix {
namespace {

MainOption buyOption(BetType bet) {
    return static_cast<MainOption>(static_cast<int>(MainOption::BuyTan) + static_cast<int>(bet));
}

}  // namespace

BetAmounts MainModel::defaultStakes() const { return readDefaultStakes(m_settings->snapshot()); }

void MainModel::loadRaceStakes() {
    for (const BetTypeInfo& bet : kBetTypes)
        m_state.tohyoEdit[static_cast<std::size_t>(bet.type)] =
            std::to_string(m_session.stake(bet.type, m_state.currentRace));
    notify(StatePart::Options);
}

void MainModel::SogoKaiKeiBtnClick() {
    const HandlerScope scope(*this);
    totalCombinedList(m_state);
    notify(StatePart::Labels);
}

void MainModel::tohyoEditChange(BetType bet, std::string text) {
    const HandlerScope scope(*this);
    m_state.tohyoEdit[static_cast<std::size_t>(bet)] = text;
    notify(StatePart::Options);
    const RaceSlot slot = m_state.currentRace;
    if (slot < 0) return;
    m_session.setStake(bet, slot, stakeAmountOf(text));
    finishBetGrid(m_session, slot, bet, strategy(), m_state);
    mixSelections(m_session, slot, strategy(), m_state);
    notify(StatePart::Selections);
    notify(StatePart::Labels);
    notify(StatePart::CombinedList);
}

void MainModel::HaibunRadioClick(int method) {
    const HandlerScope scope(*this);
    setOption(MainOption::HaibunSet, method);
    KaimeMakeBtnClick();
}

void MainModel::AllBakenBTnClick() { setEveryBetType(true); }

void MainModel::NoBakenBtnClick() { setEveryBetType(false); }

void MainModel::setEveryBetType(bool buy) {
    const HandlerScope scope(*this);
    // The boxes take their new state at once; the settings follow one by one until a write fails.
    for (const BetTypeInfo& bet : kBetTypes) m_state.options.set(buyOption(bet.type), buy ? 1 : 0);
    notify(StatePart::Options);
    for (const BetTypeInfo& bet : kBetTypes) {
        Status status = m_settings->writeBool(settings::BuyBaken[static_cast<std::size_t>(bet.type)], buy);
        if (!status) return reportWrite(status);
    }
    KaimeMakeBtnClick();
}

void MainModel::AllKaimeGridClick(int column, int row) {
    const HandlerScope scope(*this);
    if (column != KaimeGrid::index(KaimeCol::Kesu) || !toggleKesu(m_state.allKaimeGrid, row)) return;
    SogoKaiKeiBtnClick();
    notify(StatePart::CombinedList);
}

void MainModel::PageControl4Change(int index) {
    const HandlerScope scope(*this);
    setOption(MainOption::TabIndex, index);
    m_state.labels[LabelId::BakenLabel].text = std::string(betPageCaption(index));
    notify(StatePart::Labels);
}

void MainModel::KaimeSetFormOKClick(BetAmounts amounts) {
    const HandlerScope scope(*this);
    amounts = raisedDefaultStakes(amounts);
    for (std::size_t bet = 0; bet < amounts.size(); ++bet) {
        Status status = m_settings->writeInt(settings::KaimeSetDefaultAmount[bet], amounts[bet]);
        if (!status) return reportWrite(status);
    }
    if (!m_state.datList.empty()) DatListClick(std::max(m_state.currentEntry(), 0));
}

CellStyle MainModel::kaimeGridStyle(GridId grid, int column, int row) const {
    const bool combined = grid == GridId::AllKaimeGrid;
    const KaimeGrid& kaime = combined ? m_state.allKaimeGrid
                                      : m_state.kaimeGrids[static_cast<std::size_t>(
                                            static_cast<int>(grid) - static_cast<int>(GridId::TanKaimeGrid))];
    const bool winning = row > 0 && column == KaimeGrid::index(KaimeCol::Kaime) &&
                         isWinningRow(kaime, row, m_session.payout(m_state.currentRace));
    return kaimeCellStyle(combined, column, row, winning);
}

}  // namespace marovix
