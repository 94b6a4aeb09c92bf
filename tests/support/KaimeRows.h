#pragma once
// Selection grids filled as the builders fill them, for tests of what follows the builders.
#include <string>
#include <vector>

#include "core/common/BetType.h"
#include "core/common/MainGrids.h"

namespace marovix {

struct KaimeRowText {
    std::string kaime;  // "買い目", e.g. " 7" or " 5-12"
    std::string odds;   // "オッズ" as the builder writes it, or blanks
};

// Sets the grid to one data row per selection (at least one) and writes "No." ("%2d"), "馬券" (the bet
// type's name), "買い目" and "オッズ" of each; every other cell of the data rows is emptied, "消" kept.
void fillKaimeGrid(KaimeGrid& grid, BetType bet, const std::vector<KaimeRowText>& rows);

// Selections with odds written "%7.1f" (blanks when `odds` is not above 0).
KaimeRowText kaimeRow(std::string kaime, double odds);

// The texts of one column of the data rows.
std::vector<std::string> columnTexts(const KaimeGrid& grid, KaimeCol column);

}  // namespace marovix
