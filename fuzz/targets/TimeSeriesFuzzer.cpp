// The time-series odds files of the companion odds viewer, damaged: for the first race of the race file
// each kind's viewer file (one line per announcement) is searched for the line announced nearest to post
// time, and the import copies the chosen lines into the day's odds files, beside a day file that exists.
// Whatever the records say, the import writes only into the data folder.
//
// Input parts: the race file, the viewer files O1 ... O6 of its first race, the day's O1 file as found.
#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "core/common/TextFile.h"
#include "core/odds/TimeSeriesImport.h"
#include "core/race/JvRecord.h"
#include "core/race/RecordFields.h"
#include "core/race/RecordKeys.h"
#include "core/race/RecordPlacement.h"
#include "fuzz/support/FuzzFolder.h"
#include "fuzz/support/FuzzParts.h"

namespace marovix {
namespace {

using fuzz::check;

void checkNearest(const std::vector<std::string>& lines, OddsKind kind) {
    for (const int postMinute : {-60, 0, 9 * 60 + 50, 15 * 60 + 40, 24 * 60 - 1, 5000}) {
        const std::optional<std::size_t> taken = nearestOddsLine(lines, kind, postMinute);
        check(!taken || *taken < lines.size(), "the nearest line lies outside the file");
    }
}

// Every file below the fuzz folder is one the harness laid out or lies in the data folder.
void checkWrittenInside(const fuzz::FuzzFolder& folder, const std::set<std::string>& laidOut) {
    const std::string data = folder.file("Data/");
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(folder.path(), ec);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
        if (it->is_directory(ec)) continue;
        const std::string path = it->path().string();
        check(laidOut.contains(path) || path.starts_with(data), "the import wrote outside the data folder: " + path);
    }
}

}  // namespace
}  // namespace marovix

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace marovix;
    const auto parts = fuzz::splitParts(fuzz::inputText(data, size), 2 + kOddsKindCount);
    const PlacedRecords<kRaceSlotCount> races = placeRaceRecords(splitLines(fuzz::partAt(parts, 0)));
    const fuzz::FuzzFolder& folder = fuzz::FuzzFolder::fresh();
    const std::string viewer = folder.makeFolder("viewer");
    const std::string dataFolder = folder.makeFolder("Data");

    const RaceRecord& first = races.slots[0];
    std::set<std::string> laidOut;
    for (const OddsKind kind : kAllOddsKinds) {
        const std::string_view file = fuzz::partAt(parts, 1 + static_cast<std::size_t>(kindIndex(kind)));
        checkNearest(splitLines(file), kind);
        // The viewer file where the import looks for it, when that lies in the fuzz folder.
        const std::string path = std::filesystem::path(timeSeriesFilePath(viewer, first, kind)).lexically_normal();
        if (!file.empty() && path.starts_with(folder.path() + "/") && path.find('\0') == std::string::npos) {
            fuzz::writeFile(path, file);
            laidOut.insert(path);
        }
    }
    const std::string_view dayFile = fuzz::partAt(parts, 1 + kOddsKindCount);
    if (!dayFile.empty() && isUsedSlot(first)) {
        const std::string name = DayText(first);
        if (name.find('/') == std::string::npos && name.find('\0') == std::string::npos)
            fuzz::writeFile(joinPath(dataFolder, name + ".jvO1"), dayFile);
    }

    const TimeSeriesImportResult result = importTimeSeriesOdds(viewer, dataFolder, races.slots);
    check(result.winPlaceRaces >= 0 && result.winPlaceRaces <= kRaceSlotCount, "more O1 races than races");
    check(result.quinellaRaces >= 0 && result.quinellaRaces <= kRaceSlotCount, "more O2 races than races");
    (void)timeSeriesImportMessage(result.winPlaceRaces, result.quinellaRaces);
    checkWrittenInside(folder, laidOut);
    return 0;
}
