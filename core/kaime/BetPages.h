#pragma once
// The pages of the bet-type page control PageControl4: "一括" (the combined list) and one per bet type.
#include <string_view>

#include "core/common/BetType.h"

namespace marovix {

inline constexpr int kBetPageCount = 9;

// The caption of page `index`: 0 "一括", then "単勝" ... "３連単"; empty for an index outside 0..8.
std::string_view betPageCaption(int index);
// The page index of a bet type's tab (1 for win ... 8 for trifecta).
inline constexpr int betPageIndex(BetType bet) { return static_cast<int>(bet) + 1; }

}  // namespace marovix
