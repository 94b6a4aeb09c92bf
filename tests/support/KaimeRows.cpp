#include "tests/support/KaimeRows.h"

#include <algorithm>
#include <cstdio>

namespace marovix {

void fillKaimeGrid(KaimeGrid& grid, BetType bet, const std::vector<KaimeRowText>& rows) {
    grid.setRowCount(static_cast<int>(std::max<std::size_t>(rows.size(), 1)) + 1);
    for (int row = 1; row < grid.rowCount(); ++row) grid.clearRow(row, KaimeCol::No);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        char number[16];
        std::snprintf(number, sizeof number, "%2d", row);
        grid.setCell(KaimeCol::No, row, number);
        grid.setCell(KaimeCol::Baken, row, std::string(betTypeInfo(bet).name));
        grid.setCell(KaimeCol::Kaime, row, rows[i].kaime);
        grid.setCell(KaimeCol::Odds, row, rows[i].odds);
    }
}

KaimeRowText kaimeRow(std::string kaime, double odds) {
    char text[16];
    if (odds > 0)
        std::snprintf(text, sizeof text, "%7.1f", odds);
    else
        std::snprintf(text, sizeof text, "%7s", "");
    return {std::move(kaime), text};
}

std::vector<std::string> columnTexts(const KaimeGrid& grid, KaimeCol column) {
    std::vector<std::string> texts;
    for (int row = 1; row < grid.rowCount(); ++row) texts.push_back(grid.cell(column, row));
    return texts;
}

}  // namespace marovix
