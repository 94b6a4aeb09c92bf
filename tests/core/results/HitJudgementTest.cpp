// The hit judgement on selection grids and the combined list.
#include <gtest/gtest.h>

#include "core/race/JvRecord.h"
#include "core/results/HitJudgement.h"
#include "tests/support/KaimeRows.h"
#include "tests/support/PayoutRecordBuilder.h"

namespace marovix::hit_judgement_test {
namespace {

void setStakes(KaimeGrid& grid, const std::vector<std::string>& stakes) {
    for (std::size_t i = 0; i < stakes.size(); ++i) grid.setCell(KaimeCol::Stake, static_cast<int>(i) + 1, stakes[i]);
}

TEST(HitJudgementTest, APlaceHitWritesPayoutReturnAndPopularityAndTheLabelShowsTheTotal) {
    KaimeGrid grid;
    fillKaimeGrid(grid, BetType::Fuk, {kaimeRow(" 3", 2.0), kaimeRow(" 7", 1.5)});
    setStakes(grid, {"   300", "   300"});
    const std::string hr = PayoutRecordBuilder(testRaceKey(11))
                               .entry(BetType::Fuk, 0, {1}, 210, 3)
                               .entry(BetType::Fuk, 1, {7}, 150, 1)
                               .entry(BetType::Fuk, 2, {12}, 480, 6)
                               .record();
    Label label;
    JudgeHits(grid, hr, label);
    EXPECT_EQ(grid.cell(KaimeCol::ResultPayout, 2), "    150");
    EXPECT_EQ(grid.cell(KaimeCol::ResultReturn, 2), "    450");
    EXPECT_EQ(grid.cell(KaimeCol::ResultPop, 2), "  1");
    EXPECT_EQ(columnTexts(grid, KaimeCol::ResultPayout)[0], "");  // horse 3 did not place
    EXPECT_EQ(label.text, "     450");
    EXPECT_EQ(label.color, std::optional<Rgb>(0x000000));
    EXPECT_FALSE(isWinningRow(grid, 1, hr));
    EXPECT_TRUE(isWinningRow(grid, 2, hr));
}

TEST(HitJudgementTest, EitherHorseOfADeadHeatForFirstWins) {
    KaimeGrid grid;
    fillKaimeGrid(grid, BetType::Tan, {kaimeRow(" 4", 5.0), kaimeRow(" 9", 3.1), kaimeRow("11", 8.0)});
    setStakes(grid, {"   200", "   100", "   100"});
    const std::string hr = PayoutRecordBuilder(testRaceKey(11))
                               .entry(BetType::Tan, 0, {4}, 260, 2)
                               .entry(BetType::Tan, 1, {9}, 170, 1)
                               .record();
    Label label;
    JudgeHits(grid, hr, label);
    EXPECT_EQ(columnTexts(grid, KaimeCol::ResultReturn), (std::vector<std::string>{"    520", "    170", ""}));
    EXPECT_EQ(label.text, "     690");
}

TEST(HitJudgementTest, AStakeOfThreeBillionYenIsReadWholeAndCountsInTheTotal) {
    KaimeGrid grid;
    fillKaimeGrid(grid, BetType::Fuk, {kaimeRow(" 7", 1.5), kaimeRow(" 2", 3.2)});
    setStakes(grid, {"3000000000", "   300"});
    const std::string hr = PayoutRecordBuilder(testRaceKey(11))
                               .entry(BetType::Fuk, 0, {7}, 150, 1)
                               .entry(BetType::Fuk, 1, {2}, 320, 5)
                               .record();
    Label label;
    JudgeHits(grid, hr, label);
    EXPECT_EQ(columnTexts(grid, KaimeCol::ResultReturn), (std::vector<std::string>{"4500000000", "    960"}));
    EXPECT_EQ(label.text, "4500000960");
}

// Combination texts of the grids against the two-digit (one-digit for brackets) fields of the record.
struct CombinationCase {
    BetType bet;
    std::vector<int> numbers;
    const char* kaime;
    bool hits;
};

void PrintTo(const CombinationCase& c, std::ostream* out) {
    *out << betTypeInfo(c.bet).prefix << " \"" << c.kaime << "\"" << (c.hits ? " hits" : " misses");
}

class HitCombinationTest : public ::testing::TestWithParam<CombinationCase> {};

TEST_P(HitCombinationTest, MatchesTheTextExactly) {
    const CombinationCase& c = GetParam();
    KaimeGrid grid;
    fillKaimeGrid(grid, c.bet, {kaimeRow(c.kaime, 10.0)});
    setStakes(grid, {"   100"});
    const std::string hr = PayoutRecordBuilder(testRaceKey(1)).entry(c.bet, 0, c.numbers, 1230, 4).record();
    Label label;
    JudgeHits(grid, hr, label);
    EXPECT_EQ(grid.cell(KaimeCol::ResultPayout, 1), c.hits ? "   1230" : "");
    EXPECT_EQ(label.text, c.hits ? "    1230" : "");
}

INSTANTIATE_TEST_SUITE_P(EveryKindOfCombination, HitCombinationTest,
                         ::testing::Values(CombinationCase{BetType::UR, {5, 12}, " 5-12", true},  // "0512"
                                           CombinationCase{BetType::WR, {3, 6}, " 3- 6", true},   // "36"
                                           CombinationCase{BetType::WR, {3, 6}, "3-6", false},
                                           CombinationCase{BetType::UR, {5, 12}, "12- 5", false},
                                           CombinationCase{BetType::WD, {1, 18}, " 1-18", true},
                                           CombinationCase{BetType::UT, {12, 5}, "12- 5", true},
                                           CombinationCase{BetType::UT, {12, 5}, " 5-12", false},
                                           CombinationCase{BetType::SRF, {2, 5, 9}, " 2- 5- 9", true},
                                           CombinationCase{BetType::SRT, {10, 1, 2}, "10- 1- 2", true},
                                           CombinationCase{BetType::SRT, {10, 1, 2}, " 1- 2-10", false}),
                         [](const auto& info) {
                             return std::string(betTypeInfo(info.param.bet).prefix) +
                                    (info.param.hits ? "Hit" : "Miss") + std::to_string(info.index);
                         });

TEST(HitJudgementTest, NothingHitsBeforeThePayoutRecordExists) {
    KaimeGrid grid;
    fillKaimeGrid(grid, BetType::Tan, {kaimeRow(" 1", 2.0)});
    setStakes(grid, {"   100"});
    Label label{"stale", std::nullopt, std::nullopt};
    for (const std::string& hr : {blankRecord("HR"), std::string(PayoutRecordBuilder(testRaceKey(1)).record())}) {
        JudgeHits(grid, hr, label);
        EXPECT_EQ(columnTexts(grid, KaimeCol::ResultPayout), (std::vector<std::string>{""}));
        EXPECT_EQ(label.text, "");
    }
}

TEST(HitJudgementTest, ABracketHitWithoutStakeLeavesItsReturnEmptyOthersShowZero) {
    KaimeGrid grid;
    fillKaimeGrid(grid, BetType::WR, {kaimeRow(" 3- 6", 12.0)});
    KaimeGrid quinella;
    fillKaimeGrid(quinella, BetType::UR, {kaimeRow(" 5-12", 23.0)});
    const std::string hr = PayoutRecordBuilder(testRaceKey(1))
                               .entry(BetType::WR, 0, {3, 6}, 1230, 4)
                               .entry(BetType::UR, 0, {5, 12}, 2340, 8)
                               .record();
    Label label;
    JudgeHits(grid, hr, label);
    JudgeHits(quinella, hr, label);
    EXPECT_EQ(grid.cell(KaimeCol::ResultPayout, 1), "   1230");
    EXPECT_EQ(grid.cell(KaimeCol::ResultReturn, 1), "");
    EXPECT_EQ(quinella.cell(KaimeCol::ResultReturn, 1), "      0");
    EXPECT_EQ(label.text, "");
}

TEST(HitJudgementTest, TheCombinedListJudgesEachRowByItsBetTypeAndKeepsOldResults) {
    KaimeGrid all;
    all.setRowCount(4);
    const std::pair<const char*, const char*> rows[] = {{"単勝", " 7"}, {"複勝", " 7"}, {"馬連", " 3- 7"}};
    for (int r = 1; r <= 3; ++r) {
        all.setCell(KaimeCol::No, r, std::to_string(r));
        all.setCell(KaimeCol::Baken, r, rows[r - 1].first);
        all.setCell(KaimeCol::Kaime, r, rows[r - 1].second);
        all.setCell(KaimeCol::Stake, r, "   100");
    }
    all.setCell(KaimeCol::ResultPayout, 3, "  99999");  // from an earlier judgement: rows are not cleared
    const std::string hr = PayoutRecordBuilder(testRaceKey(1))
                               .entry(BetType::Fuk, 0, {7}, 130, 1)
                               .entry(BetType::Tan, 0, {2}, 400, 2)
                               .record();
    Label label;
    JudgeHits(all, hr, label);
    EXPECT_EQ(columnTexts(all, KaimeCol::ResultPayout), (std::vector<std::string>{"", "    130", "  99999"}));
    EXPECT_EQ(label.text, "     130");
}

}  // namespace
}  // namespace marovix::hit_judgement_test
