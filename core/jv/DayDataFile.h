#pragma once
// The local day data files and the rule that puts one record into them.
//
// A day data file (Data/<DayText>.jvRA, .jvHR, .jvTM, .jvDM, .jvO1 ... .jvO6) holds one line per race
// key (positions 12-27), each line a whole record without its CR LF, sorted ascending by their bytes.
// The change files (CHG/<DayText>.WE, .AV, .TC) are kept by the same rule with their own keys
// (core/race/LineKeys.h).
// A runner file (Data/<DayText><course name>.jvSEr) holds 216 fixed lines, 12 races x 18 horses; a line
// without data is 553 blanks.
//
// Lines that do not look like records (wrong length, a damaged key) are kept as they are: a file is never
// shortened by storing into it, so nothing a user or an older program left there is lost.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/Result.h"
#include "core/race/LineKeys.h"
#include "core/race/RunnerFile.h"

namespace marovix {

// The record as a day-file line: its CR LF cut off (a record without one is taken whole).
std::string recordLine(std::string_view record);

// Overwrites positions 3-11 (data kind and creation date) with "000000000"; a line too short for them
// is padded with blanks first.
void zeroDataKind(std::string& line);

// A line that trims to empty (nothing but blanks and control characters): what the drop rule below
// takes for an empty first line.
bool isEmptyLine(std::string_view line);

// The upsert of StoreRecordLine on lines held in memory: the first line whose key equals the new line's
// is replaced, else the line is added; then the lines are sorted ascending by their bytes, and when
// `dropEmptyFirstLine` the first line is deleted if it is empty or blank. The key is the file's
// (positions 12-27 for the day data files).
void upsertRecordLine(std::vector<std::string>& lines, std::string line, bool dropEmptyFirstLine,
                      LineKey key = raceLineKey);

// Puts `line` at `index` of a runner file's lines. Missing lines up to the 216th (a new or shortened
// file) are blank lines first; lines beyond the 216th are kept. REQUIRES: 0 <= index < 216.
void placeRunnerLine(std::vector<std::string>& lines, int index, std::string line);

// The lines of a day file as they are on disk; none when the file does not exist. The error names the
// file and the system's reason (a folder or a FIFO where the file belongs, a file that cannot be read).
Result<std::vector<std::string>> readDayFileLines(const std::string& path);

// StoreRecordLine, one record at a time: loads the file (a missing file holds no lines), upserts the
// record's line as above and saves the whole file safely (temporary file + rename). The error names the
// file and the system's reason; the file is then unchanged. A stream of records goes through
// DayFileStore, which saves each file once and leaves the same bytes.
Status StoreRecordLine(const std::string& path, std::string_view record, bool dropEmptyFirstLine,
                       LineKey key = raceLineKey);

// Stores an SE record into its runner file at its fixed line; a missing file is first created with 216
// blank lines. Fails without touching the file when the record's race or horse number has no line.
Status StoreRunnerLine(const std::string& path, std::string_view seRecord);

}  // namespace marovix
