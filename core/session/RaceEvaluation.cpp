#include "core/session/RaceEvaluation.h"

#include <algorithm>
#include <vector>

#include "core/kaime/CombinedList.h"
#include "core/kaime/Marks.h"
#include "core/kaime/SelectionBuilder.h"
#include "core/kaime/SelectionControls.h"
#include "core/kaime/StakeAllocation.h"
#include "core/race/JvRecord.h"
#include "core/race/RecordFields.h"
#include "core/results/HitJudgement.h"

namespace marovix {
namespace {

int registeredRunners(const RaceRecord& race) {
    return std::clamp(fieldNumber(race, RaField::registeredRunners), 0, kRunnerSlotCount);
}

MainOption buyOption(BetType bet) {
    return static_cast<MainOption>(static_cast<int>(MainOption::BuyTan) + static_cast<int>(bet));
}

// finishBetGrid and mixSelections with the race's payout record read beforehand, once for all the grids
// of a build.
void finishBetGridWith(const DaySession& session, RaceSlot slot, BetType bet, const RaceStrategy& strategy,
                       const PayoutHits& payout, RaceView& view) {
    KaimeGrid& grid = view.kaimeGrid(bet);
    MainLabels& labels = view.labels;
    const HaibunMethod method =
        haibunMethodOf(strategy.options.value(MainOption::HaibunSet)).value_or(HaibunMethod::Kinto);
    AllocateStakes(grid, method, session.stake(bet, slot),
                   StakeLabels{labels[{bet, BetLabel::Tensu}], labels[{bet, BetLabel::Toshi}],
                               labels[{bet, BetLabel::YosoKaishu}]});
    ShowSyntheticOdds(grid, labels[{bet, BetLabel::GO}]);
    JudgeHits(grid, payout, labels[{bet, BetLabel::Kaishu}]);
}

void mixSelectionsWith(const RaceStrategy& strategy, const PayoutHits& payout, RaceView& view) {
    std::vector<const KaimeGrid*> participating;
    for (const BetTypeInfo& bet : kBetTypes)
        if (strategy.options.on(buyOption(bet.type))) participating.push_back(&view.kaimeGrid(bet.type));
    MainLabels& labels = view.labels;
    KaimeMix(
        view.allKaimeGrid, participating,
        CombinedListLabels{labels[LabelId::TensuLabel], labels[LabelId::ToshiLabel], labels[LabelId::YosoKaishuLabel]});
    totalCombinedList(view);
    JudgeHits(view.allKaimeGrid, payout, labels[LabelId::KaishuLabel]);
}

}  // namespace

CardOdds cardOdds(const DaySession& session, RaceSlot slot) {
    CardOdds odds;
    if (!validSlot(slot)) return odds;
    const WinPlaceOdds& table = session.odds().winPlaceOdds(slot);
    for (std::size_t h = 1; h < odds.win.size(); ++h) {
        odds.win[h] = table.TanOdds[h];
        odds.winPop[h] = table.TanPop[h];
        odds.placeLow[h] = table.FukOddsLow[h];
        odds.placePop[h] = table.FukLowPop[h];
    }
    return odds;
}

void showRaceCards(const DaySession& session, RaceSlot slot, bool sameRace, RaceView& view) {
    view.allKaimeGrid.clearBody();
    view.allKaimeGrid.setRowCount(2);
    const int registered = registeredRunners(session.race(slot));
    RaceCard26Grid& card26 = view.stringGrid26;
    for (int r = 1; r < card26.rowCount(); ++r) {
        if (sameRace) {
            for (int c = 0; c <= RaceCard26Grid::index(Card26Col::TanJun); ++c) card26.text().setCell(c, r, {});
        } else {
            card26.clearRow(r);
        }
    }
    card26.setRowCount(registered + 1);
    const auto index = static_cast<std::size_t>(slot);
    if (!view.showsCards) {
        fillHorseNumbers(card26, session.day().runners[index]);
        return;
    }
    view.stringGrid1.clearBody();
    view.stringGrid1.setRowCount(registered + 1);
    fillRaceCard(card26, view.stringGrid1, session.day().runners[index], session.day().work[index].indexes,
                 cardOdds(session, slot));
}

void markRace(const DaySession& session, RaceSlot slot, const RaceStrategy& strategy, RaceView& view) {
    if (!validSlot(slot)) return;
    const auto index = static_cast<std::size_t>(slot);
    const IndexRanks ranks = indexRanks(session.day().work[index].indexes, session.odds().winPlaceOdds(slot));
    setMarks(view.stringGrid26, static_cast<MarkMode>(strategy.options.value(MainOption::ShihyoSet)), strategy.marks,
             MarkRace{registeredRunners(session.race(slot)), ranks, session.day().umaSet[index]});
}

void finishBetGrid(const DaySession& session, RaceSlot slot, BetType bet, const RaceStrategy& strategy,
                   RaceView& view) {
    finishBetGridWith(session, slot, bet, strategy, PayoutHits(session.payout(slot)), view);
}

void totalCombinedList(RaceView& view) {
    MainLabels& labels = view.labels;
    SogoKaiKei(view.allKaimeGrid, CombinedTotalsLabels{labels[LabelId::SoTensuLabel], labels[LabelId::SoTohyoGakuLabel],
                                                       labels[LabelId::YosoKaisyuLabel], labels[LabelId::SoGOLabel]});
}

void mixSelections(const DaySession& session, RaceSlot slot, const RaceStrategy& strategy, RaceView& view) {
    mixSelectionsWith(strategy, PayoutHits(session.payout(slot)), view);
}

void buildRaceSelections(const DaySession& session, RaceSlot slot, const RaceStrategy& strategy, RaceView& view) {
    static const WinPlaceOdds kNoOdds{};
    const bool shown = validSlot(slot);
    const OddsRawRecords raw = shown ? session.odds().rawRecords(slot) : blankOddsRecords();
    const PayoutHits payout(session.payout(slot));
    const SelectionRace race{view.stringGrid26, shown ? registeredRunners(session.race(slot)) : 0,
                             shown ? session.odds().winPlaceOdds(slot) : kNoOdds, raw};
    for (const auto& bet : kBetTypes) {
        for (BetLabel label : {BetLabel::Tensu, BetLabel::Toshi, BetLabel::YosoKaishu})
            view.labels[{bet.type, label}].text.clear();
        buildSelections(bet.type, race, selectionOptions(bet.type, strategy.options, strategy.ozSpan),
                        view.kaimeGrid(bet.type));
        finishBetGridWith(session, slot, bet.type, strategy, payout, view);
    }
    mixSelectionsWith(strategy, payout, view);
}

void evaluateRace(const DaySession& session, RaceSlot slot, const RaceStrategy& strategy, RaceView& view) {
    markRace(session, slot, strategy, view);
    buildRaceSelections(session, slot, strategy, view);
}

}  // namespace marovix
