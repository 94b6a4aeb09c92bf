// The combined selection list: rebuilding it, its "消" marks and its overall totals.
#include <gtest/gtest.h>

#include "core/kaime/CombinedList.h"
#include "core/kaime/StakeAllocation.h"
#include "tests/support/KaimeRows.h"

namespace marovix::combined_list_test {
namespace {

struct CombinedLabels {
    Label tensu{"x", {}, {}}, toshi{"x", {}, {}}, yosoKaishu{"x", {}, {}};
    Label soTensu, soTohyoGaku, yosoKaisyu, soGO;
    CombinedListLabels list() { return {tensu, toshi, yosoKaishu}; }
    CombinedTotalsLabels totals() { return {soTensu, soTohyoGaku, yosoKaisyu, soGO}; }
};

KaimeGrid allocated(BetType bet, const std::vector<KaimeRowText>& rows, int amount = 1000) {
    KaimeGrid grid;
    fillKaimeGrid(grid, bet, rows);
    Label a, b, c;
    AllocateStakes(grid, HaibunMethod::Kinto, amount, {a, b, c});
    return grid;
}

TEST(CombinedListTest, AppendsTheRowsOfTheParticipatingGridsNumberedInOrder) {
    const KaimeGrid win = allocated(BetType::Tan, {kaimeRow(" 3", 2.5), kaimeRow(" 7", 6.0)});
    const KaimeGrid quinella = allocated(BetType::UR, {kaimeRow(" 3- 7", 12.4)});
    KaimeGrid empty;  // a bet type whose grid has no selection adds nothing
    fillKaimeGrid(empty, BetType::WR, {});
    KaimeGrid all;
    CombinedLabels labels;
    const KaimeGrid* grids[] = {&win, &empty, &quinella};
    KaimeMix(all, grids, labels.list());
    ASSERT_EQ(all.rowCount(), 4);
    EXPECT_EQ(columnTexts(all, KaimeCol::No), (std::vector<std::string>{"  1", "  2", "  3"}));
    EXPECT_EQ(columnTexts(all, KaimeCol::Baken), (std::vector<std::string>{"単勝", "単勝", "馬連"}));
    EXPECT_EQ(columnTexts(all, KaimeCol::Kaime), (std::vector<std::string>{" 3", " 7", " 3- 7"}));
    for (int c = KaimeGrid::index(KaimeCol::Baken); c < KaimeGrid::kColumnCount; ++c)
        EXPECT_EQ(all.text().cell(c, 3), quinella.text().cell(c, 1)) << c;
    EXPECT_EQ(labels.tensu.text + labels.toshi.text + labels.yosoKaishu.text, "");
}

TEST(CombinedListTest, NothingTakesPartGivesOneEmptyRow) {
    KaimeGrid all;
    all.setRowCount(5);
    all.setCell(KaimeCol::Kaime, 3, " 1- 2");
    CombinedLabels labels;
    KaimeMix(all, {}, labels.list());
    EXPECT_EQ(all.rowCount(), 2);
    EXPECT_EQ(all.cell(KaimeCol::Kaime, 1), "");
}

TEST(CombinedListTest, StrikeMarksStayOnTheirRowNumbersAcrossRebuilds) {
    const KaimeGrid first = allocated(BetType::Tan, {kaimeRow(" 1", 2.0), kaimeRow(" 2", 3.0), kaimeRow(" 3", 4.0)});
    KaimeGrid all;
    CombinedLabels labels;
    const KaimeGrid* grids[] = {&first};
    KaimeMix(all, grids, labels.list());
    EXPECT_TRUE(toggleKesu(all, 2));
    // Another selection lands on row 2: it carries the mark now.
    const KaimeGrid second = allocated(BetType::Fuk, {kaimeRow(" 5", 1.5), kaimeRow(" 8", 2.5), kaimeRow(" 9", 3.5)});
    const KaimeGrid* others[] = {&second};
    KaimeMix(all, others, labels.list());
    EXPECT_EQ(columnTexts(all, KaimeCol::Kesu), (std::vector<std::string>{"", "消", ""}));
    EXPECT_EQ(all.cell(KaimeCol::Kaime, 2), " 8");
    EXPECT_TRUE(toggleKesu(all, 2));
    EXPECT_EQ(all.cell(KaimeCol::Kesu, 2), "");
    EXPECT_FALSE(toggleKesu(all, 0));
    EXPECT_FALSE(toggleKesu(all, 4));
}

TEST(CombinedListTest, TotalsCountRowsWithStakesWhateverTheirMarks) {
    const KaimeGrid win = allocated(BetType::Tan, {kaimeRow(" 3", 2.0), kaimeRow(" 7", 4.0)});  // 500 each
    const KaimeGrid trio = allocated(BetType::SRF, {kaimeRow(" 1- 2- 3", 30.0)}, 100);          // 100
    KaimeGrid all;
    CombinedLabels labels;
    const KaimeGrid* grids[] = {&win, &trio};
    KaimeMix(all, grids, labels.list());
    SogoKaiKei(all, labels.totals());
    EXPECT_EQ(labels.soTensu.text, "   3");
    EXPECT_EQ(labels.soTohyoGaku.text, "    1100");
    // returns 1000 + 2000 + 3000 over 3 rows and 1100 yen
    EXPECT_EQ(labels.yosoKaisyu.text, " 181.8");
    EXPECT_EQ(labels.yosoKaisyu.color, std::optional<Rgb>(0x0000FF));
    EXPECT_EQ(labels.soGO.text, "   1.28");  // 1 / (1/2 + 1/4 + 1/30)

    toggleKesu(all, 1);
    SogoKaiKei(all, labels.totals());
    EXPECT_EQ(labels.soTensu.text, "   3");
    EXPECT_EQ(labels.soTohyoGaku.text, "    1100");
    EXPECT_EQ(labels.soGO.text, "   3.53");  // the mark leaves out 2.0: 1 / (1/4 + 1/30)
}

TEST(CombinedListTest, AStakeOfThreeBillionYenCountsInTheOverallTotals) {
    KaimeGrid big;
    fillKaimeGrid(big, BetType::Tan, {kaimeRow(" 3", 2.5)});
    Label a, b, c;
    AllocateStakes(big, HaibunMethod::Kinitsu, 3'000'000'000, {a, b, c});
    const KaimeGrid small = allocated(BetType::UR, {kaimeRow(" 3- 7", 12.4)}, 100);
    KaimeGrid all;
    CombinedLabels labels;
    const KaimeGrid* grids[] = {&big, &small};
    KaimeMix(all, grids, labels.list());
    SogoKaiKei(all, labels.totals());
    EXPECT_EQ(labels.soTensu.text, "   2");
    EXPECT_EQ(labels.soTohyoGaku.text, "3000000100");
    // (7500000000 + 1240) / 2 / 3000000100 x 100
    EXPECT_EQ(labels.yosoKaisyu.text, " 125.0");
}

TEST(CombinedListTest, TotalsWithoutStakesShowZeroCountsOnly) {
    KaimeGrid all;
    CombinedLabels labels;
    labels.yosoKaisyu.text = "old";
    labels.soGO.text = "old";
    SogoKaiKei(all, labels.totals());
    EXPECT_EQ(labels.soTensu.text, "   0");
    EXPECT_EQ(labels.soTohyoGaku.text, "       0");
    EXPECT_EQ(labels.yosoKaisyu.text + labels.soGO.text, "");

    const KaimeGrid poor = allocated(BetType::Tan, {kaimeRow(" 3", 1.2), kaimeRow(" 7", 1.5)});
    const KaimeGrid* grids[] = {&poor};
    KaimeMix(all, grids, labels.list());
    SogoKaiKei(all, labels.totals());
    EXPECT_EQ(labels.yosoKaisyu.text, "  67.5");
    EXPECT_EQ(labels.yosoKaisyu.color, std::optional<Rgb>(0xFF0000));
}

}  // namespace
}  // namespace marovix::combined_list_test
