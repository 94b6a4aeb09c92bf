#pragma once
// A grid of cell texts: the data store behind each grid of the main window. Row 0 is the heading row.
#include <string>
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

    // Out-of-range cells read as empty and ignore writes.
    const std::string& cell(int column, int row) const;
    void setCell(int column, int row, std::string text);

    // Column widths in pixels; -1 hides the column.
    int columnWidth(int column) const;
    void setColumnWidth(int column, int width);
    bool columnHidden(int column) const { return columnWidth(column) < 0; }

    // Empties every cell below the heading row.
    void clearBody();

private:
    int m_rows = 0;
    int m_columns = 0;
    std::vector<std::string> m_cells;
    std::vector<int> m_widths;
};

}  // namespace marovix
