#pragma once
// Sorting the rows of the two race-card grids (StringGrid26 and StringGrid1) by a clicked heading, and the
// sort state the main window keeps for them.
#include <array>

#include "core/common/MainGrids.h"
#include "core/common/TextGrid.h"

namespace marovix {

// GridRowSort: the body rows 1 .. row count - 1 of `grid` ordered by the texts of `column`, ascending or
// descending, comparing the texts' Shift-JIS bytes (so right-aligned numbers of one width sort by value, a
// blank before digits and a full-width blank after them); whole rows move. The sort is a quicksort and
// not stable; afterwards each run of rows with the same text in `column` is ordered ascending by
// `secondColumn`, so rows that tie keep the order of the second column.
void GridRowSort(TextGrid& grid, int column, bool descending, int secondColumn);

// The second column of a sort by `column`: the horse name (2) for the horse number (1), else the horse
// number.
int secondSortColumn(int column);

// The headings of a race-card grid that sort it when clicked: StringGrid26 columns 1 and 7, StringGrid1
// columns 1, 8, 10, 12, 14, 16, 17, 18, 19 and 20.
bool sortableHeading(GridId grid, int column);
// The hand cursor over a cell: over the sorting headings, and over the mark cells (columns 18-20) of
// StringGrid26's body rows.
bool handCursorCell(GridId grid, int column, int row);

// The sort state of the race card: a direction flag per column of each grid (true: descending), flipped by
// each click before the sort, and the column last sorted, shared by both grids.
class RaceCardSort {
public:
    static constexpr int kCard26Flags = 16;
    static constexpr int kCard1Flags = 31;

    // ShowRace: every flag descending, so that the first click on a heading sorts ascending.
    void reset();
    // A click on a heading of `grid`: the column's flag flips, the column becomes the sort column and the
    // grid is sorted. False (nothing changes) for a heading that does not sort.
    bool headingClick(GridId grid, int column, TextGrid& cells);
    bool descending(GridId grid, int column) const;
    int sortColumn() const { return m_sortColumn; }

private:
    bool* flag(GridId grid, int column);
    std::array<bool, kCard26Flags> m_card26 = filled<kCard26Flags>();
    std::array<bool, kCard1Flags> m_card1 = filled<kCard1Flags>();
    int m_sortColumn = 0;

    template <std::size_t N>
    static constexpr std::array<bool, N> filled() {
        std::array<bool, N> flags{};
        flags.fill(true);
        return flags;
    }
};

// Puts StringGrid26 back into horse-number order (ascending by column 1), as ShowRace does before it fills
// the card again, so that the marks of columns 18-20 stay with their horses.
void restoreHorseOrder(TextGrid& card26);

}  // namespace marovix
