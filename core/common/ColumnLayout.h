#pragma once
// The fixed layout of a grid's columns: each column's heading (row 0) and width, for any window's grid.
#include <span>
#include <string>
#include <string_view>

#include "core/common/TextGrid.h"

namespace marovix {

// One column of a grid's fixed layout: its heading (row 0) and width in pixels (-1 hidden).
struct ColumnLayout {
    int column;
    std::string_view heading;
    int width;
};

// A layout entry for the column named `column` of a grid's column enum.
template <class Column>
constexpr ColumnLayout columnLayout(Column column, std::string_view heading, int width) {
    return {static_cast<int>(column), heading, width};
}

// Writes the layout's headings into row 0 and its widths. The grid takes the layout's column count and
// keeps at least one body row.
inline void applyColumnLayout(std::span<const ColumnLayout> layout, TextGrid& text) {
    text.resize(text.rowCount() < 2 ? 2 : text.rowCount(), static_cast<int>(layout.size()));
    for (const ColumnLayout& column : layout) {
        text.setCell(column.column, 0, std::string(column.heading));
        text.setColumnWidth(column.column, column.width);
    }
}

}  // namespace marovix
