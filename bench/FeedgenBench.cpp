// Speed of the demo-data generator: the market of one race (all eight bet types) with its six odds
// records, and a whole meeting day written to disk.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "standins/feedgen/Calendar.h"
#include "standins/feedgen/FeedWriter.h"
#include "standins/feedgen/OddsModel.h"
#include "standins/feedgen/OddsRecordWriter.h"
#include "standins/feedgen/RaceModel.h"

namespace {

using namespace marovix;
using namespace marovix::feedgen;

const Race& fullField() {
    static const Race race = [] {
        const MeetingDay day = Calendar(1).meetingDays({2024, 4, 6}, {2024, 4, 6}).front();
        Race best;
        for (const Race& r : RaceModel(1).planDay(day).races)
            if (r.registered() > best.registered()) best = r;
        return best;
    }();
    return race;
}

void BM_OddsSnapshotOfAFullField(benchmark::State& state) {
    const Race& race = fullField();
    const OddsModel market(race, 1, race.date.dayNumber());
    const RecordStamp stamp{'1', race.date, race.date};
    std::size_t bytes = 0;
    for (auto _ : state) {
        const OddsBook book = market.book(market.snapshotMinutes().size() - 1);
        for (int kind = 1; kind <= 6; ++kind) {
            const RecordBuilder record = OddsRecordWriter::record(kind, race, book, stamp);
            bytes += record.record().size();
            benchmark::DoNotOptimize(record.record().data());
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
    state.SetLabel(std::to_string(race.registered()) + " runners");
}
BENCHMARK(BM_OddsSnapshotOfAFullField)->Unit(benchmark::kMicrosecond);

void BM_WriteAMeetingDay(benchmark::State& state) {
    std::string folder = (std::filesystem::temp_directory_path() / "marovix-bench-XXXXXX").string();
    if (!mkdtemp(folder.data())) {
        state.SkipWithError("no temporary folder");
        return;
    }
    FeedOptions options;
    options.from = options.to = {2024, 4, 7};  // a Sunday of three courses
    options.seed = 1;
    options.folder = folder;
    long long bytes = 0;
    for (auto _ : state) {
        const auto stats = FeedWriter(options).write();
        if (!stats) {
            state.SkipWithError(stats.error().c_str());
            break;
        }
        bytes += stats->bytes;
    }
    state.SetBytesProcessed(bytes);
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
}
BENCHMARK(BM_WriteAMeetingDay)->Unit(benchmark::kMillisecond);

}  // namespace
