// The odds reading from damaged day odds files: the race file's races are placed into their slots, the
// six odds files (.jvO1 ... .jvO6) indexed and every slot's odds read as opening a day does, then one slot
// again as a fetch does. Every line of every file is also read alone as the raw record of its kind.
//
// Input parts: the race file, then the O1 ... O6 files (an empty part leaves the file missing).
#include <cstdint>
#include <string>
#include <vector>

#include "core/common/TextFile.h"
#include "core/odds/DayOdds.h"
#include "core/odds/OddsFileIndex.h"
#include "core/odds/OddsTableReader.h"
#include "core/race/JvRecord.h"
#include "core/race/RecordFields.h"
#include "core/race/RecordPlacement.h"
#include "fuzz/support/FuzzFolder.h"
#include "fuzz/support/FuzzParts.h"

namespace marovix {
namespace {

using fuzz::check;

// The win and place ranks are 1..m over the m horses with odds above 0, each once; other horses have none.
void checkRanks(const OddsTable::Odds<kRunnerSlotCount>& odds, const OddsTable::Popularity<kRunnerSlotCount>& pop) {
    std::vector<int> seen(kRunnerSlotCount + 1, 0);
    int ranked = 0;
    for (int horse = 1; horse <= kRunnerSlotCount; ++horse) {
        const auto h = static_cast<std::size_t>(horse);
        if (odds[h] > 0) {
            ++ranked;
            check(pop[h] >= 1 && pop[h] <= kRunnerSlotCount, "a horse with odds has no rank");
            ++seen[static_cast<std::size_t>(pop[h])];
        } else {
            check(pop[h] == 0, "a horse without odds has a rank");
        }
    }
    for (int rank = 1; rank <= ranked; ++rank)
        check(seen[static_cast<std::size_t>(rank)] == 1, "a rank is not given once");
}

void checkTable(const OddsTable& table) {
    checkRanks(table.TanOdds, table.TanPop);
    checkRanks(table.FukOddsLow, table.FukLowPop);
}

// The first lines of a file alone: each derives a whole table, and the others take the same paths.
void readLinesAlone(std::string_view file, OddsKind kind, int registered) {
    constexpr std::size_t kLines = 3;
    const std::vector<std::string> lines = splitLines(file);
    for (std::size_t i = 0; i < lines.size() && i < kLines; ++i) {
        const std::string& line = lines[i];
        OddsRawRecords raw = blankOddsRecords();
        raw[static_cast<std::size_t>(kindIndex(kind))] = line;
        checkTable(deriveOddsTable(raw, registered));
    }
}

}  // namespace
}  // namespace marovix

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace marovix;
    const auto parts = fuzz::splitParts(fuzz::inputText(data, size), 1 + kOddsKindCount);
    const fuzz::FuzzFolder& folder = fuzz::FuzzFolder::fresh();
    const std::vector<std::string> raLines = splitLines(fuzz::partAt(parts, 0));
    const PlacedRecords<kRaceSlotCount> races = placeRaceRecords(raLines);
    const int registered = fieldNumber(races.slots[0], RaField::registeredRunners);

    const OddsFilePaths paths = oddsDayFilePaths(folder.path(), "2024年01月06日");
    for (const OddsKind kind : kAllOddsKinds) {
        const auto k = static_cast<std::size_t>(kindIndex(kind));
        const std::string_view file = fuzz::partAt(parts, 1 + k);
        if (!file.empty()) fuzz::writeFile(paths[k], file);
        readLinesAlone(file, kind, registered);
    }

    OddsFileIndex index(paths);
    DayOdds odds;
    (void)odds.readDay(races.slots, index);
    // The tables of the races (a table is derived when first asked for; a slot without a race holds blanks).
    for (RaceSlot slot = 0; slot < kRaceSlotCount; ++slot) {
        if (!isUsedSlot(races.slots[static_cast<std::size_t>(slot)])) continue;
        checkTable(odds.table(slot));
        (void)odds.rawRecords(slot);
    }
    for (const RaceSlot slot : {-1, 0, kRaceSlotCount}) {
        (void)odds.readSlot(slot, races.slots[0], index);
        if (slot == 0) checkTable(odds.table(slot));
    }
    return 0;
}
