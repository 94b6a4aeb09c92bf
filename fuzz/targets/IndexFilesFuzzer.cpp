// The index files of the companion programs and of the user, damaged: the computer-index file (.comp,
// line r - 1 for race r, four characters per ranked horse) read for every race of the race file, and the
// two own-index files (CSV lines "horse key,value") read into the races of the day, from their lines and
// from the TCSV folder as a day load finds them.
//
// Input parts: the race file, the computer-index file, own index 1, own index 2.
#include <cstdint>
#include <string>
#include <vector>

#include "core/common/TextFile.h"
#include "core/race/JvRecord.h"
#include "core/race/RaceDay.h"
#include "core/race/RecordFields.h"
#include "core/race/RecordPlacement.h"
#include "core/race/RunnerIndexReading.h"
#include "fuzz/support/FuzzFolder.h"
#include "fuzz/support/FuzzParts.h"

namespace marovix {
namespace {

using fuzz::check;

void checkComputerIndex(const RunnerIndexes& indexes) {
    check(indexes.CompiValue[0] == 0 && indexes.CompiRank[0] == 0, "horse 0 got a computer index");
    for (std::size_t h = 1; h <= kRunnerSlotCount; ++h)
        check(indexes.CompiRank[h] >= 0 && indexes.CompiRank[h] <= kRunnerSlotCount,
              "a computer-index rank out of range");
}

}  // namespace
}  // namespace marovix

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace marovix;
    const auto parts = fuzz::splitParts(fuzz::inputText(data, size), 4);
    const PlacedRecords<kRaceSlotCount> races = placeRaceRecords(splitLines(fuzz::partAt(parts, 0)));

    const std::vector<std::string> compi = splitLines(fuzz::partAt(parts, 1));
    for (const RaceRecord& race : races.slots) {
        RunnerIndexes indexes;
        readComputerIndex(compi, race, indexes);
        checkComputerIndex(indexes);
    }

    RaceDay day;
    day.clear();
    day.races = races.slots;
    std::vector<std::string> fields;
    for (const std::size_t part : {2u, 3u}) {
        const std::vector<std::string> lines = splitLines(fuzz::partAt(parts, part));
        for (const std::string& line : lines) {
            splitIndexLine(line, fields);
            if (!fields.empty()) (void)shortHorseKey(fields.front());
        }
        readOwnIndex(lines, part == 2 ? OwnIndex::First : OwnIndex::Second, day.races, day.work);
    }

    // The same files as a day load finds them: TCSV/<name><yyyymmdd>.csv of the day's first race.
    const fuzz::FuzzFolder& folder = fuzz::FuzzFolder::fresh();
    const std::string date(fieldText(day.races[0], RaField::dayKey8));
    if (date.size() == 8 && date.find('/') == std::string::npos && date.find('\0') == std::string::npos) {
        folder.write("TCSV/SisuA" + date + ".csv", fuzz::partAt(parts, 2));
        folder.write("TCSV/SisuB" + date + ".csv", fuzz::partAt(parts, 3));
    }
    RaceDay loaded;
    loaded.clear();
    loaded.races = races.slots;
    readOwnIndexFiles(loaded, folder.file("TCSV"), "SisuA", "SisuB");
    return 0;
}
