// The payout reading from a damaged payout file: the race file's races are placed into their slots, the
// payout file (.jvHR) is read into them as a day load does, every slot's payout summary is formed, and the
// hit judgement runs over a selection grid against the shown race's payout record.
//
// Input parts: the race file, the payout file, the selection rows (one per line: bet type name, tab,
// combination text, tab, stake, as the grids hold them).
#include <cstdint>
#include <string>
#include <vector>

#include "core/common/MainGrids.h"
#include "core/common/MainLabels.h"
#include "core/common/TextFile.h"
#include "core/race/RecordPlacement.h"
#include "core/results/DayPayouts.h"
#include "core/results/HitJudgement.h"
#include "core/results/PayoutSummary.h"
#include "fuzz/support/FuzzFolder.h"
#include "fuzz/support/FuzzParts.h"

namespace marovix {
namespace {

using fuzz::check;

constexpr int kMaxRows = 64;

std::vector<std::string> cells(std::string_view line) {
    std::vector<std::string> out;
    for (std::size_t from = 0;;) {
        const std::size_t tab = line.find('\t', from);
        out.emplace_back(line.substr(from, tab == std::string_view::npos ? std::string_view::npos : tab - from));
        if (tab == std::string_view::npos || out.size() == 3) break;
        from = tab + 1;
    }
    out.resize(3);
    return out;
}

KaimeGrid selectionGrid(std::string_view rows) {
    KaimeGrid grid;
    const std::vector<std::string> lines = splitLines(rows);
    const int count = std::min<int>(static_cast<int>(lines.size()), kMaxRows);
    grid.setRowCount(std::max(count, 1) + 1);
    for (int row = 1; row <= count; ++row) {
        std::vector<std::string> texts = cells(lines[static_cast<std::size_t>(row - 1)]);
        grid.setCell(KaimeCol::Baken, row, std::move(texts[0]));
        grid.setCell(KaimeCol::Kaime, row, std::move(texts[1]));
        grid.setCell(KaimeCol::Stake, row, std::move(texts[2]));
    }
    return grid;
}

}  // namespace
}  // namespace marovix

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace marovix;
    const auto parts = fuzz::splitParts(fuzz::inputText(data, size), 3);
    const PlacedRecords<kRaceSlotCount> races = placeRaceRecords(splitLines(fuzz::partAt(parts, 0)));

    const fuzz::FuzzFolder& folder = fuzz::FuzzFolder::fresh();
    const std::string path = folder.write("2024年01月06日.jvHR", fuzz::partAt(parts, 1));
    DayPayouts payouts;
    const Result<PayoutReading> reading = payouts.readFile(path, races.slots, 0);
    check(reading.ok(), "a payout file that exists could not be read");
    check(reading->read <= DayPayouts::kMaxRecords && reading->placed <= reading->read,
          "more payout records placed than read");
    for (RaceSlot slot = 0; slot < kRaceSlotCount; ++slot) (void)summarisePayout(payouts.record(slot));
    check(!payouts.payoutRead(-1) && !payouts.payoutRead(kRaceSlotCount), "a slot outside the day has a payout");

    KaimeGrid grid = selectionGrid(fuzz::partAt(parts, 2));
    Label result;
    JudgeHits(grid, payouts.record(0), result);
    return 0;
}
