// Building the selections of all eight bet types for one 18-runner race whose every horse carries ◎, ○
// and ▲, all odds read (trifecta "ﾌｫｰﾒｰｼｮﾝ" with every multi box: 4896 rows; trio 816; exacta 306 ...),
// against the limit it is held to: writing the same rows' texts into the eight grids, copied from
// texts made beforehand. Each iteration does both; the median build time and the ratio are reported
// (target: a median under 5 ms).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "bench/BenchLimit.h"
#include "core/kaime/Marks.h"
#include "core/kaime/SelectionBuilder.h"
#include "tests/support/OddsRecords.h"

namespace marovix {
namespace {

using bench::threadSeconds;

constexpr int kRunners = 18;

// The race: every horse marked three times, every combination of every kind with odds.
struct MarkedRace {
    RaceCard26Grid card;
    std::array<std::string, kOddsKindCount> records;
    OddsRawRecords raw{};
    OddsTable table;

    MarkedRace() {
        card.setRowCount(kRunners + 1);
        for (int h = 1; h <= kRunners; ++h) {
            card.setCell(Card26Col::Uma, h, oddstest::digits(h, 2));
            for (int mark = 0; mark < kMarkCount; ++mark) card.setCell(markColumn(mark), h, kMarkText);
        }
        const int counts[] = {kCombinationsWR, kCombinationsPair, kCombinationsPair,
                              kCombinationsUT, kCombinationsSRF,  kCombinationsSRT};
        for (int kind = 1; kind <= kOddsKindCount; ++kind) {
            RecordBuilder record = oddstest::oddsRecord(kind);
            if (kind == 1)
                for (int h = 1; h <= kRunners; ++h) {
                    oddstest::setWin(record, h, oddstest::digits(10 + h * 7, 4));
                    oddstest::setPlace(record, h, oddstest::digits(10 + h * 2, 4), oddstest::digits(20 + h * 3, 4));
                }
            for (int k = 1; k <= counts[kind - 1]; ++k)
                oddstest::setCombination(record, kind, k, 15 + (k * 37) % 9000, k % 999 + 1);
            records[static_cast<std::size_t>(kind - 1)] = record.line();
            raw[static_cast<std::size_t>(kind - 1)] = records[static_cast<std::size_t>(kind - 1)];
        }
        table = deriveOddsTable(raw, kRunners);
    }
};

SelectionOptions optionsOf(BetType bet) {
    SelectionOptions options{true, bet == BetType::SRT ? 3 : 0, {true, true, true, true}, "1.0", "9999999.9"};
    return options;
}

void buildAll(const MarkedRace& race, std::array<KaimeGrid, 8>& grids) {
    const SelectionRace view{race.card, kRunners, race.table, race.raw};
    for (const auto& bet : kBetTypes)
        buildSelections(bet.type, view, optionsOf(bet.type), grids[static_cast<std::size_t>(bet.type)]);
}

// The limit: the built rows' four texts written into the grids again, from copies made beforehand.
void writeRows(const std::array<KaimeGrid, 8>& built, std::array<KaimeGrid, 8>& grids) {
    for (std::size_t g = 0; g < built.size(); ++g) {
        const KaimeGrid& from = built[g];
        KaimeGrid& to = grids[g];
        for (int r = 1; r < to.rowCount(); ++r) to.clearRow(r);
        to.setRowCount(from.rowCount());
        for (int r = 1; r < from.rowCount(); ++r)
            for (KaimeCol column : {KaimeCol::No, KaimeCol::Baken, KaimeCol::Kaime, KaimeCol::Odds})
                to.setCell(column, r, std::string(from.cell(column, r)));
    }
}

void BM_BuildEightBetTypes(benchmark::State& state) {
    const MarkedRace race;
    std::array<KaimeGrid, 8> built, grids, copies;
    buildAll(race, built);
    if (built[static_cast<std::size_t>(BetType::SRT)].rowCount() != kCombinationsSRT + 1 ||
        built[static_cast<std::size_t>(BetType::SRF)].rowCount() != kCombinationsSRF + 1) {
        state.SkipWithError("not every combination was built");
        return;
    }
    std::vector<double> times;
    double limitSeconds = 0, buildSeconds = 0;
    for (auto _ : state) {
        const double start = threadSeconds();
        writeRows(built, copies);
        const double written = threadSeconds();
        buildAll(race, grids);
        const double done = threadSeconds();
        limitSeconds += written - start;
        buildSeconds += done - written;
        times.push_back(done - written);
        state.SetIterationTime(done - written);
        benchmark::DoNotOptimize(grids[7].rowCount());
    }
    std::sort(times.begin(), times.end());
    int rows = 0;
    for (const KaimeGrid& grid : built) rows += grid.rowCount() - 1;
    state.counters["median_ms"] = times[times.size() / 2] * 1e3;
    state.counters["build_ms"] = buildSeconds / static_cast<double>(times.size()) * 1e3;
    state.counters["write_rows_ms"] = limitSeconds / static_cast<double>(times.size()) * 1e3;
    state.counters["ratio"] = buildSeconds / limitSeconds;
    state.counters["rows"] = rows;
}
BENCHMARK(BM_BuildEightBetTypes)->Unit(benchmark::kMillisecond)->UseManualTime();

}  // namespace
}  // namespace marovix
