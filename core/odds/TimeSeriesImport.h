#pragma once
// Importing odds from the folder of the time-series odds viewer into the day's odds files: for every race
// of the day and every odds kind, the viewer's line announced nearest to post time replaces the race's
// line in the day file. The dialogs and the reload of the day around it belong to the caller.
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/odds/OddsRecordLayout.h"
#include "core/race/RaceSlot.h"

namespace marovix {

// Distances in minutes from post time of this much or more are never taken.
inline constexpr int kTimeSeriesMaxDistance = 1000;

// The refusal of the import before anything is read, or nothing when it may run: while the viewer folder
// (Dir/jikeiretu) still equals its default, the application folder, "時系列ｵｯｽﾞﾌｫﾙﾀﾞ指定をしてください。";
// with no day selected "ｵｯｽﾞを読み込みたい当日の開催日ﾃﾞｰﾀを読み込んでください。" (UTF-8). Both are shown
// as information with a beep.
std::optional<std::string> timeSeriesImportRefusal(std::string_view viewerFolder, std::string_view appFolder,
                                                   bool daySelected);

// The viewer's file of a race and kind: `viewerFolder` + "/" + year and month-day of the race record
// (positions 12-19) + "/" + course, meeting, day and race number (20-27) + ".jvO1" ...
std::string timeSeriesFilePath(std::string_view viewerFolder, std::string_view race, OddsKind kind);

// The line to take from the lines of a viewer file of kind `kind` for a race whose post time is
// `postMinute` minutes after midnight: among the sound records of the kind whose meeting month-day
// (positions 16-19) equals their announcement month-day (28-31) and that have an announcement time
// (a record with "00000000" has none), the one announced nearest to post time in absolute minutes; the
// first of equally near lines wins; a distance of kTimeSeriesMaxDistance minutes or more is never taken.
std::optional<std::size_t> nearestOddsLine(std::span<const std::string> lines, OddsKind kind, int postMinute);

struct TimeSeriesImportResult {
    int winPlaceRaces = 0;              // races whose O1 line was taken and stored
    int quinellaRaces = 0;              // races whose O2 line was taken and stored
    std::vector<std::string> problems;  // files that could not be read or written
};

// The import over the day's race records (slots without a race, or whose date is no real date, are passed
// over): for each race and kind
// whose viewer file exists, the line chosen by nearestOddsLine (post time RA 874-877) replaces every line
// of the day file `dataFolder` + "/" + DayText of the race + ".jvO1" ... with the same race key
// (positions 12-27), or is appended when none has it; a missing day file is created. Each day file is
// read once and saved once (temporary file and rename). A day file that cannot be read is left as it is;
// lines that could not be saved are not counted.
TimeSeriesImportResult importTimeSeriesOdds(std::string_view viewerFolder, std::string_view dataFolder,
                                            const RaceRecords& races);

// The closing message (UTF-8): the O1 count + "ﾚｰｽ分の単複枠ｵｯｽﾞ", a line break, the O2 count +
// "ﾚｰｽ分の馬連ｵｯｽﾞ", a line break, "を取りこみました。".
std::string timeSeriesImportMessage(int winPlaceRaces, int quinellaRaces);

}  // namespace marovix
