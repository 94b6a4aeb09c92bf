// The stake handlers of the main window: stake inputs, allocation, the combined list (KaimeMixBtn), its
// totals and "消" marks, the participation buttons, the active bet-type page and the default stakes.
#include <vector>

#include "core/app/MainModel.h"
#include "core/kaime/BetPages.h"
#include "core/kaime/CombinedList.h"
#include "core/kaime/KaimeGridStyle.h"
#include "core/kaime/StakeAllocation.h"
#include "core/results/HitJudgement.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"

namespace marovix {
namespace {

MainOption buyOption(BetType bet) {
    return static_cast<MainOption>(static_cast<int>(MainOption::BuyTan) + static_cast<int>(bet));
}

}  // namespace

BetAmounts MainModel::defaultStakes() const {
    BetAmounts amounts{};
    for (std::size_t bet = 0; bet < amounts.size(); ++bet)
        amounts[bet] = m_settings->readInt(settings::KaimeSetDefaultAmount[bet]);
    return amounts;
}

void MainModel::resetDefaultStakes() { m_stakeInputs.reset(defaultStakes()); }

void MainModel::loadRaceStakes() {
    for (const BetTypeInfo& bet : kBetTypes)
        m_state.tohyoEdit[static_cast<std::size_t>(bet.type)] =
            std::to_string(m_stakeInputs.amount(bet.type, m_state.currentRace));
    notify(StatePart::Options);
}

void MainModel::finishBetGrid(BetType bet) {
    KaimeGrid& grid = m_state.kaimeGrid(bet);
    MainLabels& labels = m_state.labels;
    const HaibunMethod method =
        haibunMethodOf(m_state.options.value(MainOption::HaibunSet)).value_or(HaibunMethod::Kinto);
    AllocateStakes(grid, method, m_stakeInputs.amount(bet, m_state.currentRace),
                   StakeLabels{labels[{bet, BetLabel::Tensu}], labels[{bet, BetLabel::Toshi}],
                               labels[{bet, BetLabel::YosoKaishu}]});
    ShowSyntheticOdds(grid, labels[{bet, BetLabel::GO}]);
    JudgeHits(grid, currentPayout(), labels[{bet, BetLabel::Kaishu}]);
    notify(StatePart::Selections);
    notify(StatePart::Labels);
}

void MainModel::KaimeMixBtnClick() {
    std::vector<const KaimeGrid*> participating;
    for (const BetTypeInfo& bet : kBetTypes)
        if (m_state.options.on(buyOption(bet.type))) participating.push_back(&m_state.kaimeGrid(bet.type));
    MainLabels& labels = m_state.labels;
    KaimeMix(
        m_state.allKaimeGrid, participating,
        CombinedListLabels{labels[LabelId::TensuLabel], labels[LabelId::ToshiLabel], labels[LabelId::YosoKaishuLabel]});
    SogoKaiKeiBtnClick();
    JudgeHits(m_state.allKaimeGrid, currentPayout(), labels[LabelId::KaishuLabel]);
    notify(StatePart::CombinedList);
    notify(StatePart::Labels);
}

void MainModel::SogoKaiKeiBtnClick() {
    MainLabels& labels = m_state.labels;
    SogoKaiKei(m_state.allKaimeGrid,
               CombinedTotalsLabels{labels[LabelId::SoTensuLabel], labels[LabelId::SoTohyoGakuLabel],
                                    labels[LabelId::YosoKaisyuLabel], labels[LabelId::SoGOLabel]});
    notify(StatePart::Labels);
}

void MainModel::tohyoEditChange(BetType bet, std::string text) {
    m_state.tohyoEdit[static_cast<std::size_t>(bet)] = text;
    notify(StatePart::Options);
    if (m_state.currentRace < 0) return;
    m_stakeInputs.set(bet, m_state.currentRace, stakeAmountOf(text));
    finishBetGrid(bet);
    KaimeMixBtnClick();
}

void MainModel::HaibunRadioClick(int method) {
    setOption(MainOption::HaibunSet, method);
    KaimeMakeBtnClick();
}

void MainModel::AllBakenBTnClick() { setEveryBetType(true); }

void MainModel::NoBakenBtnClick() { setEveryBetType(false); }

void MainModel::setEveryBetType(bool buy) {
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
    if (column != KaimeGrid::index(KaimeCol::Kesu) || !toggleKesu(m_state.allKaimeGrid, row)) return;
    SogoKaiKeiBtnClick();
    notify(StatePart::CombinedList);
}

void MainModel::PageControl4Change(int index) {
    setOption(MainOption::TabIndex, index);
    m_state.labels[LabelId::BakenLabel].text = std::string(betPageCaption(index));
    notify(StatePart::Labels);
}

void MainModel::KaimeSetFormOKClick(BetAmounts amounts) {
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
    const bool winning =
        row > 0 && column == KaimeGrid::index(KaimeCol::Kaime) && isWinningRow(kaime, row, currentPayout());
    return kaimeCellStyle(combined, column, row, winning);
}

}  // namespace marovix
