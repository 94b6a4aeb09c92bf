#pragma once
// A grid of cell texts: the data store behind each grid of the main window. Row 0 is the heading row.
// ColumnGrid<Column> is the same grid addressed by the named columns of one grid (see MainGrids.h).
#include <string>
#include <string_view>
#include <vector>

namespace marovix {

class TextGrid {
public:
    TextGrid(int rowCount = 2, int columnCount = 1) { resize(rowCount, columnCount); }

    int rowCount() const { return m_rows; }
    int columnCount() const { return m_columns; }
    // Keeps the cells that still fit; new cells are empty.
    void resize(int rowCount, int columnCount);
    void setRowCount(int rowCount) { resize(rowCount, m_columns); }

    // Out-of-range cells read as empty and ignore writes. A cell keeps its room when written again.
    const std::string& cell(int column, int row) const {
        if (column < 0 || row < 0 || column >= m_columns || row >= m_rows) return kEmpty;
        return m_cells[static_cast<std::size_t>(row * m_columns + column)];
    }
    void setCell(int column, int row, std::string_view text) {
        if (column < 0 || row < 0 || column >= m_columns || row >= m_rows) return;
        std::string& cell = m_cells[static_cast<std::size_t>(row * m_columns + column)];
        if (text.empty())
            cell.clear();
        else
            cell.assign(text);
    }

    // Column widths in pixels; -1 hides the column.
    int columnWidth(int column) const;
    void setColumnWidth(int column, int width);
    bool columnHidden(int column) const { return columnWidth(column) < 0; }

    // Empties every cell below the heading row.
    void clearBody();
    // Empties the cells of one row from `firstColumn` on.
    void clearRow(int row, int firstColumn = 0);
    // Swaps two whole rows (every column). Out-of-range rows are ignored.
    void swapRows(int a, int b);

    friend bool operator==(const TextGrid&, const TextGrid&) = default;

private:
    static inline const std::string kEmpty;
    int m_rows = 0;
    int m_columns = 0;
    std::vector<std::string> m_cells;
    std::vector<int> m_widths;
};

// A TextGrid whose columns are named by the enum `Column` (with a last member `Count`). Operations use
// the names; views and dumps read the plain grid through text().
template <class Column>
class ColumnGrid {
public:
    static constexpr int kColumnCount = static_cast<int>(Column::Count);

    ColumnGrid() : m_grid(2, kColumnCount) {}

    int rowCount() const { return m_grid.rowCount(); }
    void setRowCount(int rowCount) { m_grid.setRowCount(rowCount); }
    const std::string& cell(Column column, int row) const { return m_grid.cell(index(column), row); }
    void setCell(Column column, int row, std::string_view text) { m_grid.setCell(index(column), row, text); }
    void clearBody() { m_grid.clearBody(); }
    void clearRow(int row, Column first = Column{}) { m_grid.clearRow(row, index(first)); }
    void swapRows(int a, int b) { m_grid.swapRows(a, b); }

    const TextGrid& text() const { return m_grid; }
    // For the layout step and for operations on whole rows that do not care which column is which.
    TextGrid& text() { return m_grid; }

    static constexpr int index(Column column) { return static_cast<int>(column); }

    friend bool operator==(const ColumnGrid&, const ColumnGrid&) = default;

private:
    TextGrid m_grid;
};

}  // namespace marovix
