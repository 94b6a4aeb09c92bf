// The simulation of a generated year (all eight bet types taking part, marks by popularity, mining and
// computer index) against reading the same year's files once, in the same run. Both are timed by the
// process's CPU time (every thread, kernel time included), which other work on a shared machine does not
// tilt, and by the wall clock. Counters: "ratio" the replay's CPU time over the reading's, "ratio_wall" the
// same by the wall clock (the replay uses the second core), "read_once_ms", "replay_cpu_ms", "races",
// "races_per_s" (wall), "records" and "peak_MB", the process's peak resident memory during the replay (the
// peak is reset before it, so the year's generation does not count).
#include <benchmark/benchmark.h>

#include <sys/resource.h>

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

// The peak resident memory of the process since the last reset, in MB (0 where /proc has none).
double peakMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

void resetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

// CPU seconds of the whole process so far (user and system, every thread).
double processSeconds() {
    struct rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The CPU and wall seconds of `work`.
std::pair<double, double> timed(const std::function<void()>& work) {
    const double cpu = processSeconds();
    const double wall = bench::wallSeconds(work);
    return {processSeconds() - cpu, wall};
}

void simulateYear(benchmark::State& state, unsigned threads) {
    YearFixture& f = year();
    double replayCpu = 0, replayWall = 0, onceCpu = 0, onceWall = 0, peak = 0;
    std::size_t records = 0;
    int races = 0;
    std::string buffer;
    long long bytes = 0;
    for (auto _ : state) {
        const auto [readCpu, readWall] = timed([&] { bytes = bench::readBytesOnce(f.files, buffer); });
        buffer = std::string();
        resetPeak();
        SimulationResult result;
        const auto [cpu, wall] = timed([&] {
            result = runSimulation(f.setup, f.days, SimulationControl{{}, nullptr, threads});
        });
        peak = std::max(peak, peakMegabytes());
        state.SetIterationTime(wall);
        onceCpu += readCpu;
        onceWall += readWall;
        replayCpu += cpu;
        replayWall += wall;
        records = result.lines.size();
        races = result.racesDone;
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["days"] = static_cast<double>(f.days.size());
    state.counters["races"] = races;
    state.counters["records"] = static_cast<double>(records);
    state.counters["files"] = static_cast<double>(f.files.size());
    state.counters["MB_read"] = static_cast<double>(bytes) / 1e6;
    state.counters["read_once_ms"] = onceCpu * 1000.0 / n;
    state.counters["replay_cpu_ms"] = replayCpu * 1000.0 / n;
    state.counters["ratio"] = onceCpu > 0 ? replayCpu / onceCpu : 0;
    state.counters["ratio_wall"] = onceWall > 0 ? replayWall / onceWall : 0;
    state.counters["races_per_s"] = replayWall > 0 ? races * n / replayWall : 0;
    state.counters["peak_MB"] = peak;
}

void BM_SimulateYearAgainstReadingOnce(benchmark::State& state) { simulateYear(state, 0); }
BENCHMARK(BM_SimulateYearAgainstReadingOnce)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SimulateYearOneThread(benchmark::State& state) { simulateYear(state, 1); }
BENCHMARK(BM_SimulateYearOneThread)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
}  // namespace marovix
