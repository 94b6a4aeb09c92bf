// The steps after a builder on the largest selection grid, all 4896 trifecta combinations: stakes,
// synthetic odds and hit judgement, then the combined list with its totals and judgement. Held against
// copying the same grid once (touching every cell); the counter "xCopy" is the ratio.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>

#include "core/kaime/CombinedList.h"
#include "core/kaime/StakeAllocation.h"
#include "core/results/HitJudgement.h"
#include "standins/records/RecordBuilder.h"

namespace marovix {
namespace {

KaimeGrid trifectaGrid() {
    KaimeGrid grid;
    grid.setRowCount(4896 + 1);
    int row = 0;
    for (int a = 1; a <= 18; ++a)
        for (int b = 1; b <= 18; ++b)
            for (int c = 1; c <= 18; ++c) {
                if (a == b || b == c || a == c) continue;
                ++row;
                char text[32];
                std::snprintf(text, sizeof text, "%4d", row);
                grid.setCell(KaimeCol::No, row, text);
                grid.setCell(KaimeCol::Baken, row, "３連単");
                std::snprintf(text, sizeof text, "%2d-%2d-%2d", a, b, c);
                grid.setCell(KaimeCol::Kaime, row, text);
                std::snprintf(text, sizeof text, "%8.1f", 10.0 + row % 9000);
                grid.setCell(KaimeCol::Odds, row, text);
            }
    return grid;
}

std::string payoutRecord() {
    // The trifecta 3-7-12 paid 45670 yen.
    RecordBuilder hr("HR");
    hr.fill(103, 615, '0').number(604, 2, 3).number(606, 2, 7).number(608, 2, 12).number(610, 9, 45670);
    return hr.record();
}

double secondsPerCopy(const KaimeGrid& grid) {
    constexpr int kCopies = 20;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kCopies; ++i) {
        KaimeGrid copy = grid;
        benchmark::DoNotOptimize(copy);
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / kCopies;
}

void BM_FinishTrifectaGridAndCombinedList(benchmark::State& state) {
    const KaimeGrid built = trifectaGrid();
    const std::string hr = payoutRecord();
    const double copy = secondsPerCopy(built);
    double spent = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        KaimeGrid grid = built;
        KaimeGrid all;
        Label tensu, toshi, rate, go, kaishu, soTensu, soToshi, soRate, soGo, soKaishu;
        AllocateStakes(grid, HaibunMethod::Hirei, 100000, {tensu, toshi, rate});
        ShowSyntheticOdds(grid, go);
        JudgeHits(grid, hr, kaishu);
        const KaimeGrid* grids[] = {&grid};
        KaimeMix(all, grids, {tensu, toshi, rate});
        SogoKaiKei(all, {soTensu, soToshi, soRate, soGo});
        JudgeHits(all, hr, soKaishu);
        benchmark::DoNotOptimize(soKaishu.text);
        spent += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.SetItemsProcessed(state.iterations() * 4896);
    state.counters["xCopy"] = spent / static_cast<double>(state.iterations()) / copy;
}
BENCHMARK(BM_FinishTrifectaGridAndCombinedList)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace marovix
