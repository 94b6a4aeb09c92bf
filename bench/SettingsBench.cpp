// Cost of reading settings the way a window does at its start: every row of the table, one read each.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/settings/Settings.h"
#include "platform/SystemClock.h"

namespace marovix {
namespace {

std::string freshFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "marovix-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) return {};
    return pattern;
}

void readAllRows(const Settings& store) {
    for (const SettingKey* row : settings::allKeys()) {
        switch (row->type) {
            case SettingType::Bool: benchmark::DoNotOptimize(store.readBool(*row)); break;
            case SettingType::Integer: benchmark::DoNotOptimize(store.readInt(*row)); break;
            case SettingType::Text: benchmark::DoNotOptimize(store.readText(*row)); break;
        }
    }
}

void BM_ReadEverySettingOfAFullFile(benchmark::State& state) {
    std::string folder = freshFolder();
    SystemClock clock;
    Settings store(folder, "/win", clock);
    for (const SettingKey* row : settings::allKeys()) {
        switch (row->type) {
            case SettingType::Bool: (void)store.writeBool(*row, row->number != 0); break;
            case SettingType::Integer: (void)store.writeInt(*row, row->number); break;
            case SettingType::Text: (void)store.writeText(*row, store.defaultText(*row)); break;
        }
    }
    for (auto _ : state) readAllRows(store);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(settings::allKeys().size()));
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ReadEverySettingOfAFullFile);

// A second instance writes between the reads, so every read round parses the file afresh.
void BM_ReadAfterAnotherInstanceWrote(benchmark::State& state) {
    std::string folder = freshFolder();
    SystemClock clock;
    Settings store(folder, "/win", clock);
    Settings other(folder, "/win", clock);
    for (const SettingKey* row : settings::allKeys()) {
        if (row->type == SettingType::Text) (void)other.writeText(*row, other.defaultText(*row));
    }
    int round = 0;
    for (auto _ : state) {
        (void)other.writeInt(settings::LocateTop, ++round);
        benchmark::DoNotOptimize(store.readInt(settings::LocateTop));
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ReadAfterAnotherInstanceWrote);

}  // namespace
}  // namespace marovix
