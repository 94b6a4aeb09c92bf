// The marks ◎ ○ ▲ of the shown race: SetSihyoBtn in its three modes, the mark buttons and clicks, and the
// rank file of the strategy.
#include <gtest/gtest.h>

#include "core/common/TextFile.h"
#include "core/kaime/Marks.h"
#include "core/odds/OddsTable.h"
#include "tests/support/TempFolder.h"

namespace marovix::marks_test {
namespace {

constexpr const char* kMark = "ν";

// A race card of `runners` rows, row r holding horse r.
RaceCard26Grid card(int runners) {
    RaceCard26Grid grid;
    grid.setRowCount(runners + 1);
    for (int r = 1; r <= runners; ++r) {
        char text[12];
        std::snprintf(text, sizeof text, "%2d", r);
        grid.setCell(Card26Col::Uma, r, text);
    }
    return grid;
}

// The horses carrying mark `mark` (0 ◎, 1 ○, 2 ▲).
std::vector<int> marked(const RaceCard26Grid& grid, int mark) {
    std::vector<int> horses;
    for (int r = 1; r < grid.rowCount(); ++r)
        if (grid.cell(markColumn(mark), r) == kMark) horses.push_back(std::atoi(grid.cell(Card26Col::Uma, r).c_str()));
    return horses;
}

MarkStrategy strategyOf(std::array<int, 3> index, std::array<std::vector<int>, 3> ranks) {
    MarkStrategy strategy;
    strategy.index = index;
    for (std::size_t m = 0; m < 3; ++m)
        for (int r : ranks[m]) strategy.ranks[m][static_cast<std::size_t>(r)] = true;
    return strategy;
}

class MarksTest : public ::testing::Test {
protected:
    IndexRanks ranks{};
    void SetUp() override {
        // Ten runners: win popularity by horse number backwards, horse 4 scratched (no popularity);
        // computer-index ranks by horse number.
        for (int h = 1; h <= 10; ++h) {
            ranks[static_cast<std::size_t>(MarkIndex::TanPop)][h] = h == 4 ? 0 : (h < 4 ? 11 - h - 1 : 11 - h);
            ranks[static_cast<std::size_t>(MarkIndex::CompiRank)][h] = h;
        }
    }
};

TEST_F(MarksTest, TheFavouritesByWinOddsTakeTheMarkOfTheirRanksAndAScratchedHorseNone) {
    RaceCard26Grid grid = card(10);
    // ◎ ranks 1 and 2 under "単人気"; ○ rank 1 under "コンピ"; ▲ ranks 7 to 10 under "単人気".
    const MarkStrategy strategy = strategyOf({0, 3, 0}, {{{1, 2}, {1}, {7, 8, 9, 10}}});
    setMarks(grid, MarkMode::IndexRanks, strategy, MarkRace{10, ranks, ""});
    EXPECT_EQ(marked(grid, 0), (std::vector<int>{9, 10}));
    EXPECT_EQ(marked(grid, 1), (std::vector<int>{1}));
    EXPECT_EQ(marked(grid, 2), (std::vector<int>{1, 2, 3}));  // the scratched horse 4 has no rank
}

TEST_F(MarksTest, AnIndexOutsideTheSixOrAnUnselectedRankGivesNoMark) {
    RaceCard26Grid grid = card(10);
    setMarks(grid, MarkMode::IndexRanks, strategyOf({6, -1, 3}, {{{1}, {1}, {}}}), MarkRace{10, ranks, ""});
    for (int mark = 0; mark < 3; ++mark) EXPECT_TRUE(marked(grid, mark).empty()) << mark;
}

TEST_F(MarksTest, ARaceOfFourRunnersKeepsItsMarks) {
    RaceCard26Grid grid = card(4);
    grid.setCell(Card26Col::Mark2, 3, kMark);
    for (MarkMode mode : {MarkMode::IndexRanks, MarkMode::PreMarked, MarkMode::Manual}) {
        setMarks(grid, mode, strategyOf({0, 0, 0}, {{{1, 2, 3}, {}, {}}}), MarkRace{4, ranks, ""});
        EXPECT_EQ(marked(grid, 0), std::vector<int>{});
        EXPECT_EQ(marked(grid, 1), std::vector<int>{3});
    }
}

TEST_F(MarksTest, ManualClearsEveryMark) {
    RaceCard26Grid grid = card(6);
    for (int mark = 0; mark < 3; ++mark) setMarkColumn(grid, mark, true);
    setMarks(grid, MarkMode::Manual, strategyOf({0, 0, 0}, {{{1}, {1}, {1}}}), MarkRace{6, ranks, ""});
    for (int mark = 0; mark < 3; ++mark) EXPECT_TRUE(marked(grid, mark).empty()) << mark;
}

TEST_F(MarksTest, PreMarkedHorsesComeFromTheTableUnlessTheMarkBorrowsTheIndex) {
    RaceCard26Grid grid = card(10);
    // The table: ◎ on horse 2, ○ on horses 2 and 5, ▲ on horse 10 (character 3(h-1) + mark).
    std::string line(54, ' ');
    line[3 * 1 + 0] = '1';
    line[3 * 1 + 1] = '1';
    line[3 * 4 + 1] = '1';
    line[3 * 9 + 2] = '1';
    MarkStrategy strategy = strategyOf({0, 0, 3}, {{{1}, {1}, {1}}});
    setMarks(grid, MarkMode::PreMarked, strategy, MarkRace{10, ranks, line});
    EXPECT_EQ(marked(grid, 0), std::vector<int>{2});
    EXPECT_EQ(marked(grid, 1), (std::vector<int>{2, 5}));
    EXPECT_EQ(marked(grid, 2), std::vector<int>{10});
    strategy.borrowIndex = {false, false, true};  // ▲ from rank 1 of "コンピ": horse 1
    setMarks(grid, MarkMode::PreMarked, strategy, MarkRace{10, ranks, line});
    EXPECT_EQ(marked(grid, 2), std::vector<int>{1});
    EXPECT_EQ(marked(grid, 0), std::vector<int>{2});
}

TEST_F(MarksTest, AClickTogglesAMarkCellOfARunnerRowOnly) {
    RaceCard26Grid grid = card(6);
    grid.setCell(Card26Col::Uma, 6, "");  // a row without a horse
    EXPECT_TRUE(toggleMark(grid, 19, 3));
    EXPECT_EQ(marked(grid, 1), std::vector<int>{3});
    EXPECT_TRUE(toggleMark(grid, 19, 3));
    EXPECT_TRUE(marked(grid, 1).empty());
    const std::pair<int, int> ignored[] = {{17, 3}, {21, 3}, {1, 3}, {18, 0}, {18, 7}, {18, 6}, {18, -1}};
    for (auto [column, row] : ignored) {
        EXPECT_FALSE(toggleMark(grid, column, row)) << column << "," << row;
    }
    for (int mark = 0; mark < 3; ++mark) EXPECT_TRUE(marked(grid, mark).empty());
}

TEST_F(MarksTest, AllAndClearFillAndEmptyOneColumn) {
    RaceCard26Grid grid = card(5);
    setMarkColumn(grid, 2, true);
    EXPECT_EQ(marked(grid, 2), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_TRUE(marked(grid, 0).empty());
    setMarkColumn(grid, 2, false);
    EXPECT_TRUE(marked(grid, 2).empty());
}

TEST(IndexRanksTest, EachIndexTakesItsRankOfTheHorse) {
    RunnerIndexes indexes;
    OddsTable odds;
    odds.TanPop[7] = 1;
    indexes.DMRank[7] = 2;
    indexes.TMRank[7] = 3;
    indexes.CompiRank[7] = 4;
    indexes.OwnIndex1[7] = 5;
    indexes.OwnIndex2[7] = 6;
    const IndexRanks ranks = indexRanks(indexes, odds);
    for (int i = 0; i < static_cast<int>(MarkIndex::Count); ++i)
        EXPECT_EQ(ranks[static_cast<std::size_t>(i)][7], i + 1);
}

struct RankFileCase {
    const char* name;
    std::vector<std::string> lines;
    bool taken;
    std::array<std::string, 3> ranksAfter;  // "1" per selected rank 1..18, starting from all of ◎ selected
};
// Test names and failure messages show the case by its name.
void PrintTo(const RankFileCase& c, std::ostream* out) { *out << c.name; }

class RankFileTest : public ::testing::TestWithParam<RankFileCase> {};

TEST_P(RankFileTest, LinesApplyAsTheStrategyWindowReadsThem) {
    const RankFileCase& c = GetParam();
    MarkStrategy strategy;
    for (int r = 1; r <= 18; ++r) strategy.ranks[0][static_cast<std::size_t>(r)] = true;
    EXPECT_EQ(applyRankLines(c.lines, strategy), c.taken);
    for (std::size_t m = 0; m < 3; ++m) {
        std::string got;
        for (int r = 1; r <= 18; ++r) got += strategy.ranks[m][static_cast<std::size_t>(r)] ? '1' : '0';
        EXPECT_EQ(got, c.ranksAfter[m]) << "mark " << m;
    }
}

const std::string kAll(18, '1');
const std::string kNone(18, '0');

INSTANTIATE_TEST_SUITE_P(
    Cases, RankFileTest,
    ::testing::Values(
        RankFileCase{"ThreeLines",
                     {"110000000000000000", "000000000000000001", "010101010101010101"},
                     true,
                     {"110000000000000000", "000000000000000001", "010101010101010101"}},
        RankFileCase{
            "TwoLinesAreIgnoredWhole", {"000000000000000000", "111111111111111111"}, false, {kAll, kNone, kNone}},
        RankFileCase{"FourLinesAreIgnoredWhole", {kNone, kAll, kAll, kAll}, false, {kAll, kNone, kNone}},
        RankFileCase{"ALineOf17LeavesItsMark", {kNone, "11111111111111111", kAll}, true, {kNone, kNone, kAll}},
        // 18 characters, one of them full-width: "x", " " and "０" leave ◎'s ranks 1, 3 and 17 selected.
        RankFileCase{"OtherCharactersLeaveTheirRank",
                     {"x0 0000000000000０0", kAll, kNone},
                     true,
                     {"101000000000000010", kAll, kNone}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RankFileReadTest, AMissingFileChangesNothingAndAFileIsReadAsCp932Lines) {
    TempFolder folder;
    MarkStrategy strategy;
    strategy.ranks[1][4] = true;
    EXPECT_TRUE(readRankFile(folder.file("selecteduma.dat"), strategy).ok());
    EXPECT_TRUE(strategy.ranks[1][4]);
    ASSERT_TRUE(writeTextLines(folder.file("selecteduma.dat"),
                               {"100000000000000000", "010000000000000000", "001000000000000000"})
                    .ok());
    ASSERT_TRUE(readRankFile(folder.file("selecteduma.dat"), strategy).ok());
    EXPECT_TRUE(strategy.ranks[0][1]);
    EXPECT_TRUE(strategy.ranks[1][2]);
    EXPECT_FALSE(strategy.ranks[1][4]);
    EXPECT_TRUE(strategy.ranks[2][3]);
}

}  // namespace
}  // namespace marovix::marks_test
