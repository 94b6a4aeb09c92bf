// Sorting the race-card grids by a heading: popularity up and down with ties kept in horse order, rank
// columns with the unranked horses (a full-width blank) last when ascending, the name as the tie-break of
// the horse number, and the horse order put back before a race is shown again.
#include "core/race/GridRowSort.h"

#include <gtest/gtest.h>

namespace marovix::grid_row_sort_test {
namespace {

constexpr int kUma = 1;
constexpr int kName = 2;
constexpr int kPop = 7;      // StringGrid26 "順"
constexpr int kDmRank = 14;  // StringGrid1 "順" of the time-type mining
constexpr int kMark = 18;

// A grid whose body rows hold the horse numbers "%2d" 1..n, a name per horse and `column` texts.
TextGrid card(int columns, int column, const std::vector<std::string>& texts) {
    TextGrid grid(static_cast<int>(texts.size()) + 1, columns);
    for (int row = 1; row <= static_cast<int>(texts.size()); ++row) {
        char number[16];
        std::snprintf(number, sizeof number, "%2d", row);
        grid.setCell(kUma, row, number);
        grid.setCell(kName, row, "馬" + std::to_string(row));
        grid.setCell(column, row, texts[static_cast<std::size_t>(row - 1)]);
    }
    return grid;
}

std::vector<std::string> column(const TextGrid& grid, int c) {
    std::vector<std::string> out;
    for (int row = 1; row < grid.rowCount(); ++row) out.push_back(grid.cell(c, row));
    return out;
}

using Texts = std::vector<std::string>;

TEST(GridRowSort, PopularityAscendingThenDescendingKeepsHorseOrderAmongEquals) {
    TextGrid grid = card(21, kPop, {" 3", " 1", " 2", " 1", "10", " 3", " 2", " 1"});
    grid.setCell(kMark, 5, "ν");  // the mark moves with its horse
    RaceCardSort sort;
    sort.reset();
    ASSERT_TRUE(sort.headingClick(GridId::StringGrid26, kPop, grid));
    EXPECT_FALSE(sort.descending(GridId::StringGrid26, kPop));
    EXPECT_EQ(column(grid, kPop), (Texts{" 1", " 1", " 1", " 2", " 2", " 3", " 3", "10"}));
    EXPECT_EQ(column(grid, kUma), (Texts{" 2", " 4", " 8", " 3", " 7", " 1", " 6", " 5"}));
    EXPECT_EQ(grid.cell(kMark, 8), "ν");
    ASSERT_TRUE(sort.headingClick(GridId::StringGrid26, kPop, grid));
    EXPECT_EQ(column(grid, kPop), (Texts{"10", " 3", " 3", " 2", " 2", " 1", " 1", " 1"}));
    EXPECT_EQ(column(grid, kUma), (Texts{" 5", " 1", " 6", " 3", " 7", " 2", " 4", " 8"}));
    EXPECT_EQ(sort.sortColumn(), kPop);
}

TEST(GridRowSort, UnrankedHorsesComeLastAscendingAndFirstDescending) {
    const std::string none = "　";  // full-width blank
    TextGrid grid = card(22, kDmRank, {" 2", none, " 1", "12", none, " 3"});
    RaceCardSort sort;
    sort.reset();
    sort.headingClick(GridId::StringGrid1, kDmRank, grid);
    EXPECT_EQ(column(grid, kDmRank), (Texts{" 1", " 2", " 3", "12", none, none}));
    EXPECT_EQ(column(grid, kUma), (Texts{" 3", " 1", " 6", " 4", " 2", " 5"}));
    sort.headingClick(GridId::StringGrid1, kDmRank, grid);
    EXPECT_EQ(column(grid, kDmRank), (Texts{none, none, "12", " 3", " 2", " 1"}));
    EXPECT_EQ(column(grid, kUma), (Texts{" 2", " 5", " 4", " 6", " 1", " 3"}));
}

TEST(GridRowSort, EqualHorseNumbersAreOrderedByNameAndTextsByTheirShiftJisBytes) {
    TextGrid grid(4, 3);
    const Texts names = {"ア", "あ", "亜"};  // CP932 0x8341, 0x82A0, 0x889F
    for (int row = 1; row <= 3; ++row) {
        grid.setCell(kUma, row, " 1");
        grid.setCell(kName, row, names[static_cast<std::size_t>(row - 1)]);
    }
    GridRowSort(grid, kUma, true, secondSortColumn(kUma));
    EXPECT_EQ(column(grid, kName), (Texts{"あ", "ア", "亜"}));
}

TEST(GridRowSort, OnlyTheListedHeadingsSortAndShowTheHand) {
    TextGrid grid = card(22, 3, {"b", "a"});
    const TextGrid before = grid;
    RaceCardSort sort;
    EXPECT_FALSE(sort.headingClick(GridId::StringGrid1, 3, grid));
    EXPECT_FALSE(sort.headingClick(GridId::StringGrid26, 2, grid));
    EXPECT_EQ(grid, before);
    for (int c : {1, 8, 10, 12, 14, 16, 17, 18, 19, 20}) EXPECT_TRUE(sortableHeading(GridId::StringGrid1, c)) << c;
    for (int c : {0, 2, 9, 11, 13, 15, 21}) EXPECT_FALSE(sortableHeading(GridId::StringGrid1, c)) << c;
    EXPECT_TRUE(handCursorCell(GridId::StringGrid26, 7, 0));
    EXPECT_FALSE(handCursorCell(GridId::StringGrid26, 7, 3));
    EXPECT_TRUE(handCursorCell(GridId::StringGrid26, 19, 3));
    EXPECT_FALSE(handCursorCell(GridId::StringGrid1, 19, 3));
    EXPECT_EQ(secondSortColumn(7), kUma);
}

TEST(GridRowSort, TheHorseOrderIsPutBackSoMarksStayWithTheirHorses) {
    TextGrid grid = card(21, kPop, {" 2", " 3", " 1"});
    grid.setCell(kMark, 1, "ν");
    RaceCardSort sort;
    sort.reset();
    sort.headingClick(GridId::StringGrid26, kPop, grid);
    restoreHorseOrder(grid);
    EXPECT_EQ(column(grid, kUma), (Texts{" 1", " 2", " 3"}));
    EXPECT_EQ(grid.cell(kMark, 1), "ν");
    sort.reset();
    EXPECT_TRUE(sort.descending(GridId::StringGrid26, kPop));
}

}  // namespace
}  // namespace marovix::grid_row_sort_test
