#pragma once
// The payout record HR of a race as the results read it: for every bet type a fixed number of entries,
// each a winning combination with its payout per 100 yen and its popularity. Entries without a winner
// are blank or zero. Refund information is not read.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/BetType.h"

namespace marovix {

struct PayoutEntry {
    // The numbers of the combination in the record's order: horses, or brackets for the bracket
    // quinella. Blank fields read 0.
    std::array<int, 3> numbers{};
    int count = 0;  // how many numbers make the combination: 1, 2 or 3
    int payout = 0;
    int popularity = 0;
};

// How many entries the record holds for a bet type: win 3, place 5, bracket quinella 3, quinella 3,
// quinella place 7, exacta 6, trio 3, trifecta 6.
int payoutEntryCount(BetType bet);

// Every entry of a bet type, read leniently from the record (a whole record or a day-file line; a
// record too short reads as blanks).
std::vector<PayoutEntry> payoutEntries(std::string_view hr, BetType bet);

// Whether every number of the entry is above 0 (the entry names a winner).
bool hasWinner(const PayoutEntry& entry);

// The combination as the selection grids write it: "%2d-" for every number but the last and "%2d" for
// the last (" 7", " 5-12", " 3- 6", "10- 1- 2").
std::string combinationText(const PayoutEntry& entry);

// The bet type of a selection grid's "馬券" cell ("単勝" ... "３連単"); nothing for any other text.
std::optional<BetType> betTypeOfName(std::string_view name);

}  // namespace marovix
