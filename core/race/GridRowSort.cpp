#include "core/race/GridRowSort.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/common/Cp932.h"

namespace marovix {
namespace {

constexpr int kHorseNumber = 1;
constexpr int kHorseName = 2;
constexpr int kFirstMark = 18;
constexpr int kLastMark = 20;
constexpr int kCard26Sorting[] = {1, 7};
constexpr int kCard1Sorting[] = {1, 8, 10, 12, 14, 16, 17, 18, 19, 20};

// The rows of a grid with the bytes each is compared by, swapped together.
class RowSorter {
public:
    RowSorter(TextGrid& grid, int column) : m_grid(grid), m_keys(static_cast<std::size_t>(grid.rowCount())) {
        for (int row = 0; row < grid.rowCount(); ++row)
            m_keys[static_cast<std::size_t>(row)] = utf8ToCp932(grid.cell(column, row));
    }

    const std::string& key(int row) const { return m_keys[static_cast<std::size_t>(row)]; }

    // Quicksort of rows first..last as the window's grid sort does it: the middle row's text is the pivot,
    // the two indexes meet, whole rows swap.
    void sort(int first, int last, bool descending) {
        auto before = [descending](const std::string& a, const std::string& b) { return descending ? b < a : a < b; };
        int left = first, right = last;
        const std::string pivot = key((first + last) / 2);
        do {
            while (before(key(left), pivot)) ++left;
            while (before(pivot, key(right))) --right;
            if (left <= right) {
                m_grid.swapRows(left, right);
                std::swap(m_keys[static_cast<std::size_t>(left)], m_keys[static_cast<std::size_t>(right)]);
                ++left;
                --right;
            }
        } while (left <= right);
        if (first < right) sort(first, right, descending);
        if (left < last) sort(left, last, descending);
    }

private:
    TextGrid& m_grid;
    std::vector<std::string> m_keys;
};

bool listed(const int* begin, const int* end, int column) { return std::find(begin, end, column) != end; }

}  // namespace

void GridRowSort(TextGrid& grid, int column, bool descending, int secondColumn) {
    const int last = grid.rowCount() - 1;
    if (last < 2) return;
    RowSorter rows(grid, column);
    rows.sort(1, last, descending);
    for (int start = 1; start < last;) {
        int end = start;
        while (end < last && rows.key(end + 1) == rows.key(start)) ++end;
        if (end > start) {
            RowSorter run(grid, secondColumn);
            run.sort(start, end, false);
        }
        start = end + 1;
    }
}

int secondSortColumn(int column) { return column == kHorseNumber ? kHorseName : kHorseNumber; }

bool sortableHeading(GridId grid, int column) {
    if (grid == GridId::StringGrid26) return listed(std::begin(kCard26Sorting), std::end(kCard26Sorting), column);
    if (grid == GridId::StringGrid1) return listed(std::begin(kCard1Sorting), std::end(kCard1Sorting), column);
    return false;
}

bool handCursorCell(GridId grid, int column, int row) {
    if (row == 0) return sortableHeading(grid, column);
    return grid == GridId::StringGrid26 && column >= kFirstMark && column <= kLastMark;
}

void RaceCardSort::reset() {
    m_card26.fill(true);
    m_card1.fill(true);
}

bool* RaceCardSort::flag(GridId grid, int column) {
    if (!sortableHeading(grid, column)) return nullptr;
    if (grid == GridId::StringGrid26 && column < kCard26Flags) return &m_card26[static_cast<std::size_t>(column)];
    if (grid == GridId::StringGrid1 && column < kCard1Flags) return &m_card1[static_cast<std::size_t>(column)];
    return nullptr;
}

bool RaceCardSort::descending(GridId grid, int column) const {
    if (!sortableHeading(grid, column)) return true;
    if (grid == GridId::StringGrid26) return column >= kCard26Flags || m_card26[static_cast<std::size_t>(column)];
    return column >= kCard1Flags || m_card1[static_cast<std::size_t>(column)];
}

bool RaceCardSort::headingClick(GridId grid, int column, TextGrid& cells) {
    bool* direction = flag(grid, column);
    if (!direction) return false;
    *direction = !*direction;
    m_sortColumn = column;
    GridRowSort(cells, column, *direction, secondSortColumn(column));
    return true;
}

void restoreHorseOrder(TextGrid& card26) { GridRowSort(card26, kHorseNumber, false, kHorseName); }

}  // namespace marovix
