#pragma once
// The geometry of a runner file (Data/<DayText><course name>.jvSEr): 12 races x 18 horses in fixed
// lines, the SE record of race r and horse h at line (r - 1) x 18 + (h - 1), a line without data blanks
// of an SE record's length without its CR LF.
#include <optional>
#include <string>
#include <string_view>

#include "core/race/RaceSlot.h"
#include "core/race/RecordLayout.h"

namespace marovix {

inline constexpr int kRunnerRaces = 12;
inline constexpr int kRunnerHorses = kRunnerSlotCount;
inline constexpr int kRunnerFileLines = kRunnerRaces * kRunnerHorses;
// A line: an SE record without its CR LF.
inline constexpr int kRunnerLineLength = [] {
    for (const RecordLayout& layout : kRecordLayouts)
        if (layout.type == "SE") return layout.length - 2;
    return 0;
}();

// The line that holds race `race`, horse `horse` (both from 1); nothing when the race is not 1..12 or the
// horse not 1..18.
std::optional<int> runnerLineIndex(int race, int horse);
// The same for an SE record (its race number and horse number).
std::optional<int> runnerLineIndex(std::string_view seRecord);

// Why an SE record cannot be stored in the runner file `path`: it has no line there.
std::string runnerLineFault(const std::string& path);

}  // namespace marovix
