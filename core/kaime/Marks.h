#pragma once
// The marks ◎ ○ ▲ of the shown race: the text "ν" in columns 18, 19 and 20 of the race card StringGrid26,
// whose column 1 holds the horse number. A horse may carry any of the three marks.
#include <array>
#include <string_view>

#include "core/common/MainGrids.h"
#include "core/kaime/MarkStrategy.h"
#include "core/race/RaceWork.h"

namespace marovix {

struct WinPlaceOdds;

// Where the marks come from (ShihyoSetRadio "買い目構築方法").
enum class MarkMode { IndexRanks = 0, PreMarked = 1, Manual = 2 };

// The column of mark `mark` (0 ◎, 1 ○, 2 ▲).
Card26Col markColumn(int mark);
// Whether a card cell carries a mark.
bool isMarked(const RaceCard26Grid& card, Card26Col column, int row);

// The ranks of every horse (1..18; 1 best, 0 none) under each index a mark can follow: win popularity
// from the odds, the mining and computer-index ranks and the two own indexes from the runner indexes.
using IndexRanks = std::array<PerHorse, static_cast<std::size_t>(MarkIndex::Count)>;
IndexRanks indexRanks(const RunnerIndexes& indexes, const WinPlaceOdds& odds);

// What SetSihyoBtn needs of the shown race.
struct MarkRace {
    int registered = 0;           // the race record's registered runners
    const IndexRanks& ranks;      // by index and horse number
    std::string_view umaSetLine;  // the race's line of the pre-marked horse table (54 characters)
};

// SetSihyoBtn: recomputes the marks of the shown race. With 4 registered runners or fewer nothing changes.
// Otherwise the three mark columns of every body row are emptied, then rows 1..registered whose horse
// number h is above 0 are marked:
// - IndexRanks: mark m when h's rank under the mark's index is above 0 and selected in the mark's ranks;
// - PreMarked: per mark, as IndexRanks when the strategy borrows that mark from the index, otherwise when
//   the pre-marked table holds "1" at character 3(h - 1) + m of the race's line;
// - Manual (or any other value): no mark.
void setMarks(RaceCard26Grid& card, MarkMode mode, const MarkStrategy& strategy, const MarkRace& race);

// Mark `mark` of horse `horse` (1..18) in the pre-marked mode: from the index ranks when the strategy
// borrows that mark from the index, otherwise "1" at character 3(horse - 1) + mark of the race's line.
bool preMarkedModeMark(const MarkStrategy& strategy, const IndexRanks& ranks, std::string_view umaSetLine, int mark,
                       int horse);

// "全" (on) and "CL" (off) of a mark: every body row of its column marked or emptied.
void setMarkColumn(RaceCard26Grid& card, int mark, bool on);

// A click on cell (column, row) of the card: toggles the mark when the cell is a mark cell (columns 18-20)
// of a body row whose horse number is above 0. Returns whether it toggled.
bool toggleMark(RaceCard26Grid& card, int column, int row);

}  // namespace marovix
