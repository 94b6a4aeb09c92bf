#pragma once
// The selection builders of the eight bet types ("買い目"): the marked horses of the shown race combined
// by the bet type's buying method into combinations, each kept when its odds lie inside the bet type's
// odds filter, written into the bet type's selection grid. One builder; what differs between the bet
// types is a table in SelectionBuilder.cpp.
#include <array>
#include <string>
#include <string_view>

#include "core/common/BetType.h"
#include "core/common/MainGrids.h"
#include "core/odds/OddsTable.h"
#include "core/odds/OddsTableReader.h"

namespace marovix {

// What a builder reads of the shown race.
struct SelectionRace {
    const RaceCard26Grid& card;  // horse numbers (column 1) and marks (columns 18-20)
    int registered = 0;          // the race record's registered runners
    const WinPlaceOdds& odds;    // the combination odds are read from `raw`
    const OddsRawRecords& raw;   // whether a kind's record has been read: its race number (26-27) above 0;
                                 // the odds of the combinations as the table of them holds them
};

// The controls of a bet type's page that a build reads.
struct SelectionOptions {
    bool takesPart = false;  // participation box ticked, or the bet type's tab is the active page
    int method = 0;  // buying method: 0 "Box"/"BOX", 1 "流し"/"1軸流し", 2 "2軸流し", 3 "ﾌｫｰﾒｰｼｮﾝ"
    std::array<bool, 4> multi{};  // exacta: "マルチ"; trifecta: "マルチ", "1,2着マルチ", "2,3着マルチ", "1,3着マルチ"
    std::string filterA;  // the odds filter's edits, lower and upper bound
    std::string filterB;
};

// An odds filter edit's text as a number: blanks around it ignored, 0 when it is not a decimal number.
double filterNumber(std::string_view text);

// Rebuilds `grid` (the selection grid of `bet`) for the race:
// 1. every data row emptied (the win grid keeps its "消" column), one data row;
// 2. lo = A - 0.01, hi = B + 0.01;
// 3. nothing more unless the bet type takes part;
// 4. combinations over the race card: win and place take every body row carrying ◎; pairs and triples
//    take rows 1..registered by the method's patterns of marks (a pattern names the mark each position's
//    row carries), the horses of one combination all different; the bracket quinella takes the horses'
//    brackets; unordered bet types sort the numbers, ordered ones keep the finishing order; each
//    combination once, in text order;
// 5. win and place keep a horse when its popularity is above 0 and lo <= odds <= hi; the other bet types,
//    once their odds record has been read, keep a combination when odds > 0 and lo <= odds <= hi, and
//    before that keep every combination with blank odds;
// 6. max(kept, 1) data rows; row r: "No." r, the bet type's name, the combination text, the odds.
// Formats: "No." "%2d" ("%3d" trio, "%4d" trifecta); odds "%6.1f" win and place, "%7.1f" pairs and trio,
// "%8.1f" trifecta, blanks of that width before the odds were read.
void buildSelections(BetType bet, const SelectionRace& race, const SelectionOptions& options, KaimeGrid& grid);

}  // namespace marovix
