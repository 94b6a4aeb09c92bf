#pragma once
// The odds of a race listed per bet type, for views that print them (the command line).
#include <array>
#include <string_view>
#include <vector>

#include "core/odds/OddsTable.h"

namespace marovix {

struct OddsListEntry {
    int number;       // horse number (win, place) or combination number
    double odds;      // the lower end for place; kScratchedOdds for a scratched entry
    double oddsHigh;  // place: the upper end; 0 for the other bet types
    int popularity;   // 0: none
    friend bool operator==(const OddsListEntry&, const OddsListEntry&) = default;
};

struct BetOddsList {
    std::string_view prefix;  // "Tan", "Fuk", "WR", "UR", "WD", "UT", "SRF", "SRT"
    std::vector<OddsListEntry> entries;
};

// The eight bet types in their order (win, place, bracket quinella, quinella, quinella place, exacta,
// trio, trifecta), each with its entries in ascending number: every entry that holds odds (above 0) or is
// scratched (kScratchedOdds). Empty entries (kEmptyOdds) and entries not read or without votes (0) are
// left out.
std::array<BetOddsList, 8> listOdds(const OddsTable& table);

// The entries of a bet type that hold no odds to use and are no scratch, told apart by why: `empty` the
// blank fields (kEmptyOdds: no such horse or combination, or no record of the race), `noVotes` the fields of
// zeros (odds 0: nothing sold on it yet).
struct BetOddsGaps {
    std::string_view prefix;
    std::vector<int> empty;    // horse or combination numbers, ascending
    std::vector<int> noVotes;  // the same
};

// The gaps of the eight bet types in their order, of a race whose odds were read. Win and place look at
// horses 1..runners (the race's registered runners) only, as the reading does; the entries beyond it are
// never read and are in neither list.
std::array<BetOddsGaps, 8> listOddsGaps(const OddsTable& table, int runners);

}  // namespace marovix
