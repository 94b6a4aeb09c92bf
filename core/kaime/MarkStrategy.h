#pragma once
// The user's strategy behind the marks ◎ ○ ▲: per mark the index whose ranks give it (Sihyo sel1..sel3),
// the ranks selected under that index (the rank file "selecteduma.dat") and whether the pre-marked mode
// borrows the mark from the index (SetUma maru2, maru1, sankaku). The strategy window edits them; the
// main window reads them when it is created.
#include <array>
#include <string>
#include <vector>

#include "core/common/Result.h"
#include "core/settings/SettingsSnapshot.h"

namespace marovix {

// The three marks, in column order of the race card: ◎ (column 18), ○ (19), ▲ (20).
inline constexpr int kMarkCount = 3;
// The text of a marked cell.
inline constexpr const char* kMarkText = "ν";

// The indexes a mark can follow (items of SihyoRadio1..3).
enum class MarkIndex { TanPop, DMRank, TMRank, CompiRank, OwnIndex1, OwnIndex2, Count };

struct MarkStrategy {
    // Per mark: the item of its index radio group (0 "単人気" ... 5 "独自指2"); other values give no mark.
    std::array<int, kMarkCount> index{};
    // Per mark: rank r (1..18) selected in its rank list; index 0 unused.
    std::array<std::array<bool, 19>, kMarkCount> ranks{};
    // Per mark: in the pre-marked mode the mark still comes from the index ranks.
    std::array<bool, kMarkCount> borrowIndex{};
    friend bool operator==(const MarkStrategy&, const MarkStrategy&) = default;
};

// The rank file's lines applied to the ranks: taken only when there are exactly three lines (◎, ○, ▲);
// a line that is not exactly 18 characters is skipped; character r of a line selects rank r when "1",
// deselects it when "0", and leaves it as it was otherwise. Returns whether the lines were taken.
bool applyRankLines(const std::vector<std::string>& lines, MarkStrategy& strategy);

// The rank file's three lines (◎, ○, ▲) of the strategy: character r is "1" when rank r is selected.
std::vector<std::string> rankLines(const MarkStrategy& strategy);

// Reads "selecteduma.dat" at `path` into the ranks as applyRankLines does. A missing file changes nothing
// and is no error; a file that exists but cannot be read is an error naming it.
Status readRankFile(const std::string& path, MarkStrategy& strategy);

// The strategy as the main window reads it when it is created: each mark's index (Sihyo sel1..sel3) and
// borrowing (SetUma maru2, maru1, sankaku) from the settings, its ranks from the rank file at
// `rankFilePath` (see readRankFile; the error, when there is one, is returned and the ranks stay as they
// were).
Status readMarkStrategy(const SettingsSnapshot& settings, const std::string& rankFilePath, MarkStrategy& strategy);

}  // namespace marovix
