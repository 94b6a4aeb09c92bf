// The simulation of a generated year (all eight bet types taking part, marks by popularity, mining and
// computer index) against reading the same year's files once, in the same run: the replay is timed by the
// wall clock (it uses the second core), and so is the reading. Counters: "ratio" the replay's time over the
// reading's, "read_once_ms", "races", "races_per_s", "records" and "peak_MB", the process's peak resident
// memory during the replay (the peak is reset before it, so the year's generation does not count).
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>

#include "bench/BenchLimit.h"
#include "core/common/TextFile.h"
#include "core/race/MeetingDays.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "core/strategy/Simulation.h"
#include "tests/support/DemoDay.h"
#include "tests/support/FakeClock.h"

namespace marovix {
namespace {

struct YearFixture {
    std::unique_ptr<DemoDay> demo;
    std::vector<std::string> days;
    std::vector<std::string> files;  // every file a day's load reads
    SimulationSetup setup;

    YearFixture() {
        demo = std::make_unique<DemoDay>(DemoDayOptions{DateTime{2025, 1, 1}, DateTime{2025, 12, 31}, 7, true, true});
        const std::string app = demo->appFolder();
        FakeClock clock(DateTime{2026, 1, 10, 9, 0, 0});
        Settings store(app, app + "/share", clock);
        using namespace settings;
        for (const SettingKey& key : BuyBaken) (void)store.writeBool(key, true);
        const std::pair<const SettingKey*, int> numbers[] = {
            {&KaikataWR, 1},         {&KaikataUR, 1}, {&KaikataUT, 2}, {&KaikataSRF, 1}, {&KaikataSRT, 2},
            {&KaimeSetHaibunSet, 1}, {&SihyoSel1, 0}, {&SihyoSel2, 1}, {&SihyoSel3, 3}};
        for (const auto& [key, value] : numbers) (void)store.writeInt(*key, value);
        (void)writeTextLines(app + "/selecteduma.dat",
                             {"110000000000000000", "011100000000000000", "111110000000000000"});
        setup = *readSimulationSetup(AppFolders(app), store.snapshot());
        days = simulationDays(listMeetingDays(app + "/Data"), 20250101, 20251231);
        // The day files, the computer-index files and the own-index files of the year.
        namespace fs = std::filesystem;
        for (const auto& entry : fs::recursive_directory_iterator(app + "/Data"))
            if (entry.is_regular_file()) files.push_back(entry.path().string());
        for (const auto& entry : fs::recursive_directory_iterator(demo->feedFolder() + "/companions/Lumidex"))
            if (entry.is_regular_file()) files.push_back(entry.path().string());
        for (const auto& entry : fs::directory_iterator(app + "/TCSV"))
            if (entry.is_regular_file()) files.push_back(entry.path().string());
    }
};

YearFixture& year() {
    static YearFixture fixture;
    return fixture;
}

double wallSeconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The peak resident memory of the process since the last reset, in MB (0 where /proc has none).
double peakMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

void resetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

void simulateYear(benchmark::State& state, unsigned threads) {
    YearFixture& f = year();
    double replay = 0, once = 0, peak = 0;
    std::size_t records = 0;
    int races = 0;
    std::string buffer;
    long long bytes = 0;
    for (auto _ : state) {
        once += wallSeconds([&] { bytes = bench::readBytesOnce(f.files, buffer); });
        buffer = std::string();
        resetPeak();
        SimulationResult result;
        const double seconds = wallSeconds([&] {
            result = runSimulation(f.setup, f.days, SimulationControl{{}, nullptr, threads});
        });
        peak = std::max(peak, peakMegabytes());
        state.SetIterationTime(seconds);
        replay += seconds;
        records = result.lines.size();
        races = result.racesDone;
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["days"] = static_cast<double>(f.days.size());
    state.counters["races"] = races;
    state.counters["records"] = static_cast<double>(records);
    state.counters["files"] = static_cast<double>(f.files.size());
    state.counters["MB_read"] = static_cast<double>(bytes) / 1e6;
    state.counters["read_once_ms"] = once * 1000.0 / n;
    state.counters["ratio"] = once > 0 ? replay / once : 0;
    state.counters["races_per_s"] = replay > 0 ? races * n / replay : 0;
    state.counters["peak_MB"] = peak;
}

void BM_SimulateYearAgainstReadingOnce(benchmark::State& state) { simulateYear(state, 0); }
BENCHMARK(BM_SimulateYearAgainstReadingOnce)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SimulateYearOneThread(benchmark::State& state) { simulateYear(state, 1); }
BENCHMARK(BM_SimulateYearOneThread)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
}  // namespace marovix
