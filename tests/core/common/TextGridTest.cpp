#include "core/common/TextGrid.h"

#include <gtest/gtest.h>

#include "core/common/MainGrids.h"

namespace marovix::text_grid_test {
namespace {

TextGrid numbered(int rows, int columns) {
    TextGrid grid(rows, columns);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) grid.setCell(c, r, std::to_string(r) + ":" + std::to_string(c));
    return grid;
}

TEST(TextGrid, ResizingKeepsTheCellsThatStillFit) {
    TextGrid grid = numbered(3, 3);
    grid.resize(4, 2);
    EXPECT_EQ(grid.cell(1, 2), "2:1");
    EXPECT_EQ(grid.cell(0, 3), "");
    grid.resize(2, 4);
    EXPECT_EQ(grid.cell(1, 1), "1:1");
    EXPECT_EQ(grid.cell(3, 1), "");
    EXPECT_EQ(grid.cell(0, 2), "");  // gone with the row
}

TEST(TextGrid, CellsOutsideTheGridReadEmptyAndIgnoreWrites) {
    TextGrid grid = numbered(2, 2);
    for (auto [c, r] : {std::pair{-1, 0}, {0, -1}, {2, 0}, {0, 2}}) {
        grid.setCell(c, r, "x");
        EXPECT_EQ(grid.cell(c, r), "");
    }
    EXPECT_EQ(grid, numbered(2, 2));
}

TEST(TextGrid, ClearingTheBodyKeepsTheHeadingRow) {
    TextGrid grid = numbered(3, 2);
    grid.clearBody();
    EXPECT_EQ(grid.cell(1, 0), "0:1");
    EXPECT_EQ(grid.cell(0, 1), "");
    EXPECT_EQ(grid.cell(1, 2), "");
}

TEST(TextGrid, ClearingARowFromAColumnKeepsTheColumnsBefore) {
    TextGrid grid = numbered(3, 4);
    grid.clearRow(1, 2);
    EXPECT_EQ(grid.cell(1, 1), "1:1");
    EXPECT_EQ(grid.cell(2, 1), "");
    EXPECT_EQ(grid.cell(3, 1), "");
    EXPECT_EQ(grid.cell(2, 2), "2:2");
}

TEST(TextGrid, SwappingRowsMovesEveryColumnAndKeepsWidths) {
    TextGrid grid = numbered(3, 3);
    grid.setColumnWidth(1, -1);
    grid.swapRows(1, 2);
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(grid.cell(c, 1), "2:" + std::to_string(c));
        EXPECT_EQ(grid.cell(c, 2), "1:" + std::to_string(c));
    }
    EXPECT_TRUE(grid.columnHidden(1));
    grid.swapRows(1, 7);  // out of range: nothing
    EXPECT_EQ(grid.cell(0, 1), "2:0");
}

TEST(ColumnGrid, NamedColumnsAddressTheirIndex) {
    KaimeGrid grid;
    EXPECT_EQ(grid.text().columnCount(), 15);
    grid.setRowCount(3);
    grid.setCell(KaimeCol::Stake, 2, "   300");
    EXPECT_EQ(grid.text().cell(6, 2), "   300");
    grid.setCell(KaimeCol::Kesu, 2, "消");
    grid.clearRow(2, KaimeCol::No);
    EXPECT_EQ(grid.cell(KaimeCol::Kesu, 2), "消");
    EXPECT_EQ(grid.cell(KaimeCol::Stake, 2), "");
}

}  // namespace
}  // namespace marovix::text_grid_test
