#include "core/common/TextGrid.h"

#include <utility>

namespace marovix {

void TextGrid::resize(int rowCount, int columnCount) {
    if (rowCount < 0) rowCount = 0;
    if (columnCount < 0) columnCount = 0;
    if (columnCount == m_columns) {
        // Rows follow one another whole: the cells that still fit stay where they are, and the grid keeps its
        // room for the next race's rows.
        m_cells.resize(static_cast<std::size_t>(rowCount * columnCount));
        m_rows = rowCount;
        return;
    }
    std::vector<std::string> cells(static_cast<std::size_t>(rowCount * columnCount));
    for (int r = 0; r < rowCount && r < m_rows; ++r)
        for (int c = 0; c < columnCount && c < m_columns; ++c)
            cells[static_cast<std::size_t>(r * columnCount + c)] =
                std::move(m_cells[static_cast<std::size_t>(r * m_columns + c)]);
    m_cells = std::move(cells);
    m_widths.resize(static_cast<std::size_t>(columnCount), 64);
    m_rows = rowCount;
    m_columns = columnCount;
}

int TextGrid::columnWidth(int column) const {
    if (column < 0 || column >= m_columns) return 0;
    return m_widths[static_cast<std::size_t>(column)];
}

void TextGrid::setColumnWidth(int column, int width) {
    if (column < 0 || column >= m_columns) return;
    m_widths[static_cast<std::size_t>(column)] = width;
}

void TextGrid::clearBody() {
    for (std::size_t i = static_cast<std::size_t>(m_columns); i < m_cells.size(); ++i) m_cells[i].clear();
}

void TextGrid::clearRow(int row, int firstColumn) {
    if (row < 0 || row >= m_rows) return;
    for (int c = firstColumn < 0 ? 0 : firstColumn; c < m_columns; ++c)
        m_cells[static_cast<std::size_t>(row * m_columns + c)].clear();
}

void TextGrid::swapRows(int a, int b) {
    if (a < 0 || b < 0 || a >= m_rows || b >= m_rows || a == b) return;
    for (int c = 0; c < m_columns; ++c)
        std::swap(m_cells[static_cast<std::size_t>(a * m_columns + c)],
                  m_cells[static_cast<std::size_t>(b * m_columns + c)]);
}

}  // namespace marovix
