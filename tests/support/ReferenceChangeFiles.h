#pragma once
// The change files' rule one record at a time, kept as the reference the day-file store is held to for
// them: the file (CHG/<DayText>.WE, .AV or .TC, by its extension) is loaded, the first line with the
// record's key is replaced, else the line is added, the lines are sorted by their bytes, an empty first
// line is dropped (AV and TC files only) and the whole file is saved. The keys are spelled here by their
// positions: WE 12-34; AV 12-27 followed by 36-37; TC 12-27.
#include <string>
#include <string_view>

#include "core/common/Result.h"

namespace marovix {

// Stores `record` (with or without its CR LF) into the change file `path`. REQUIRES: `path` ends in
// ".WE", ".AV" or ".TC".
Status StoreChangeLine(const std::string& path, std::string_view record);

}  // namespace marovix
