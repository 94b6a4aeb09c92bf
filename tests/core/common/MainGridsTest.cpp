#include "core/common/MainGrids.h"

#include <gtest/gtest.h>

namespace marovix::main_grids_test {
namespace {

// The heading of each named column, as the window shows it. Written here independently of the layout
// table, so a column renamed or moved in one place and not the other fails.
struct NamedHeading {
    GridId grid;
    int column;
    const char* heading;
};

template <class Column>
NamedHeading named(GridId grid, Column column, const char* heading) {
    return {grid, static_cast<int>(column), heading};
}

TEST(MainGrids, EveryNamedColumnHasItsHeading) {
    std::vector<NamedHeading> table = {
        named(GridId::StringGrid26, Card26Col::Waku, "枠"),
        named(GridId::StringGrid26, Card26Col::Uma, "馬"),
        named(GridId::StringGrid26, Card26Col::Bamei, "馬名"),
        named(GridId::StringGrid26, Card26Col::SeiRei, "性齢"),
        named(GridId::StringGrid26, Card26Col::Kishu, "騎手"),
        named(GridId::StringGrid26, Card26Col::Kinryo, "斤量"),
        named(GridId::StringGrid26, Card26Col::TanOz, "単OZ"),
        named(GridId::StringGrid26, Card26Col::TanJun, "順"),
        named(GridId::StringGrid26, Card26Col::Mark1, "◎"),
        named(GridId::StringGrid26, Card26Col::Mark2, "○"),
        named(GridId::StringGrid26, Card26Col::Mark3, "▲"),
        named(GridId::StringGrid1, Card1Col::Waku, "枠"),
        named(GridId::StringGrid1, Card1Col::Uma, "馬"),
        named(GridId::StringGrid1, Card1Col::Bamei, "馬名"),
        named(GridId::StringGrid1, Card1Col::SeiRei, "性齢"),
        named(GridId::StringGrid1, Card1Col::Kishu, "騎手"),
        named(GridId::StringGrid1, Card1Col::Kinryo, "斤量"),
        named(GridId::StringGrid1, Card1Col::Chokyoshi, "調教師"),
        named(GridId::StringGrid1, Card1Col::Compi, "ｺﾝﾋﾟ"),
        named(GridId::StringGrid1, Card1Col::CompiRank, "順"),
        named(GridId::StringGrid1, Card1Col::TanOz, "単OZ"),
        named(GridId::StringGrid1, Card1Col::TanPop, "順"),
        named(GridId::StringGrid1, Card1Col::FukOz, "複OZ"),
        named(GridId::StringGrid1, Card1Col::FukPop, "順"),
        named(GridId::StringGrid1, Card1Col::DMTime, "ﾀｲﾑ型M"),
        named(GridId::StringGrid1, Card1Col::DMRank, "順"),
        named(GridId::StringGrid1, Card1Col::TMScore, "対戦型M"),
        named(GridId::StringGrid1, Card1Col::TMRank, "順"),
        named(GridId::StringGrid1, Card1Col::Own1, "独1"),
        named(GridId::StringGrid1, Card1Col::Own2, "独2"),
        named(GridId::StringGrid1, Card1Col::Chakujun, "着"),
        named(GridId::StringGrid1, Card1Col::Ninki, "人"),
        named(GridId::StringGrid1, Card1Col::KakuOdds, "確ｵｯｽﾞ"),
        named(GridId::AllKaimeGrid, KaimeCol::Baken, "馬券種"),
        named(GridId::AllKaimeGrid, KaimeCol::Ninki, "連順位"),
        named(GridId::HyosuGrid, HyosuCol::Race, "レース"),
        named(GridId::HyosuGrid, HyosuCol::Total, "票数計"),
        named(GridId::HyosuGrid, HyosuCol::SRT, "３連単"),
        named(GridId::OddsGrid, OddsCol::Pop, "対応人気"),
        named(GridId::OddsGrid, OddsCol::Odds, "オッズ"),
    };
    const std::pair<KaimeCol, const char*> kaime[] = {
        {KaimeCol::Kesu, "消"},
        {KaimeCol::No, "No."},
        {KaimeCol::Baken, "馬券"},
        {KaimeCol::Kaime, "買い目"},
        {KaimeCol::Ninki, "人気"},
        {KaimeCol::Odds, "オッズ"},
        {KaimeCol::Stake, "購入額"},
        {KaimeCol::Return, "回収額"},
        {KaimeCol::ReturnRate, "回収率"},
        {KaimeCol::Rate1, "出現率1"},
        {KaimeCol::Rate2, "出現率2"},
        {KaimeCol::Rate3, "出現率3"},
        {KaimeCol::ResultPayout, "結果配当"},
        {KaimeCol::ResultReturn, "結果回収"},
        {KaimeCol::ResultPop, "結果人気"},
    };
    for (const auto& bet : kBetTypes)
        for (const auto& [column, heading] : kaime) table.push_back(named(kaimeGridOf(bet.type), column, heading));

    for (const NamedHeading& row : table) {
        TextGrid grid;
        layoutGrid(row.grid, grid);
        EXPECT_EQ(grid.cell(row.column, 0), row.heading) << gridName(row.grid) << " column " << row.column;
    }
}

TEST(MainGrids, EveryGridHasAsManyColumnsAsItsEnumAndTheHiddenOnesAreHidden) {
    const std::tuple<GridId, int, std::vector<int>> grids[] = {
        {GridId::StringGrid26, static_cast<int>(Card26Col::Count), {8, 9, 10, 11, 12, 13, 14, 15, 16, 17}},
        {GridId::StringGrid1, static_cast<int>(Card1Col::Count), {}},
        {GridId::TanKaimeGrid, static_cast<int>(KaimeCol::Count), {4, 9, 10, 11}},
        {GridId::SRTKaimeGrid, static_cast<int>(KaimeCol::Count), {4, 9, 10, 11}},
        {GridId::AllKaimeGrid, static_cast<int>(KaimeCol::Count), {4, 8, 9, 10, 11, 14}},
        {GridId::HyosuGrid, static_cast<int>(HyosuCol::Count), {2}},
        {GridId::OddsGrid, static_cast<int>(OddsCol::Count), {}},
    };
    for (const auto& [id, columns, hidden] : grids) {
        TextGrid grid;
        layoutGrid(id, grid);
        EXPECT_EQ(grid.columnCount(), columns) << gridName(id);
        std::vector<int> actual;
        for (int c = 0; c < grid.columnCount(); ++c)
            if (grid.columnHidden(c)) actual.push_back(c);
        EXPECT_EQ(actual, hidden) << gridName(id);
    }
}

TEST(MainGrids, RaceCardWidthsAreThoseOfTheWindow) {
    TextGrid grid;
    layoutGrid(GridId::StringGrid1, grid);
    const int widths[] = {20, 20, 130, 35, 60, 35, 60, 30, 20, 40, 20, 40, 20, 50, 20, 50, 20, 30, 30, 20, 20, 45};
    for (int c = 0; c < 22; ++c) EXPECT_EQ(grid.columnWidth(c), widths[c]) << c;
}

TEST(MainGrids, GridNamesAreTheControlNames) {
    EXPECT_EQ(gridName(GridId::StringGrid26), "StringGrid26");
    EXPECT_EQ(gridName(kaimeGridOf(BetType::SRF)), "SRFKaimeGrid");
    EXPECT_EQ(gridName(kaimeGridOf(BetType::Tan)), "TanKaimeGrid");
    EXPECT_EQ(gridName(GridId::AllKaimeGrid), "AllKaimeGrid");
}

}  // namespace
}  // namespace marovix::main_grids_test
