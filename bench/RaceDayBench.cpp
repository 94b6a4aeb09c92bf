// Choosing a generated meeting day of 36 races with every file (race cards, runners, payouts, mining,
// final odds, computer index, own indexes) against reading the same files' bytes once, in the same run;
// and showing an 18-runner race.
//
// The load is timed by hand and reported as the benchmark's time; the counter "read_once_ms" is the time
// of reading the same bytes once and "ratio" the load's time divided by it.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <memory>

#include "core/app/MainModel.h"
#include "core/common/TextFile.h"
#include "core/race/JvRecord.h"
#include "core/race/RecordFields.h"
#include "tests/support/DemoDay.h"
#include "tests/support/FakeMainPorts.h"

namespace marovix {
namespace {

struct Fixture {
    std::unique_ptr<DemoDay> demo;
    std::string day;
    std::vector<std::string> files;  // every file the load reads
    FakeMainPorts fakes;
    std::unique_ptr<MainModel> model;

    Fixture() {
        // A week with final odds; the day with the most races is the one loaded.
        demo = std::make_unique<DemoDay>(DemoDayOptions{DateTime{2025, 4, 5}, DateTime{2025, 4, 13}, 3, true, true});
        fakes.clock.set(DateTime{2025, 4, 20, 9, 0, 0});
        model = std::make_unique<MainModel>(demo->appFolder(), demo->appFolder() + "/share", fakes.ports());
        model->create();
        std::size_t most = 0;
        for (const auto& candidate : demo->days()) {
            model->DateComboChange(candidate);
            if (model->state().datList.size() > most) {
                most = model->state().datList.size();
                day = candidate;
            }
        }
        namespace fs = std::filesystem;
        for (const auto& entry : fs::directory_iterator(demo->appFolder() + "/Data"))
            if (entry.path().filename().string().rfind(day, 0) == 0) files.push_back(entry.path().string());
        const std::string date = std::string(fieldText(model->session().day().race(0), RaField::dayKey8));
        for (const auto& entry : fs::recursive_directory_iterator(demo->feedFolder() + "/companions/Lumidex"))
            if (entry.path().filename().string().rfind(day, 0) == 0) files.push_back(entry.path().string());
        for (const auto& entry : fs::directory_iterator(demo->appFolder() + "/TCSV"))
            if (entry.path().filename().string().find(date) != std::string::npos)
                files.push_back(entry.path().string());
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

double secondsOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_LoadRaceDayAgainstReadingOnce(benchmark::State& state) {
    Fixture& f = fixture();
    double load = 0, once = 0;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const double onceSeconds = secondsOf([&] {
            bytes = 0;
            for (const auto& path : f.files) bytes += readFileBytes(path)->size();
        });
        const double loadSeconds = secondsOf([&] { f.model->DateComboChange(f.day); });
        state.SetIterationTime(loadSeconds);
        load += loadSeconds;
        once += onceSeconds;
    }
    state.counters["races"] = static_cast<double>(f.model->state().datList.size());
    state.counters["files"] = static_cast<double>(f.files.size());
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
    state.counters["read_once_ms"] = once * 1000.0 / static_cast<double>(state.iterations());
    state.counters["ratio"] = once > 0 ? load / once : 0;
}
BENCHMARK(BM_LoadRaceDayAgainstReadingOnce)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_ShowRaceOf18Runners(benchmark::State& state) {
    Fixture& f = fixture();
    f.model->DateComboChange(f.day);
    int slot = -1;
    for (int i = 0; i < static_cast<int>(f.model->state().datList.size()) && slot < 0; ++i)
        if (fieldNumber(f.model->session().day().race(i), RaField::registeredRunners) == 18) slot = i;
    if (slot < 0) {
        state.SkipWithError("no race of 18 runners");
        return;
    }
    const int other = slot == 0 ? 1 : 0;
    bool flip = false;
    for (auto _ : state) {
        f.model->DatListClick(flip ? other : slot);  // a different race each time: the whole card is rebuilt
        flip = !flip;
    }
}
BENCHMARK(BM_ShowRaceOf18Runners)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace marovix
