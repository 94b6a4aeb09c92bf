// Reading all odds of a 36-race meeting day (O1-O6 of every race, files as the demo generator writes
// them) against the limit it is held to: reading the same files' bytes once. Each iteration does both
// and the ratio is reported (target: at most 3).
//
// - BM_ReadDayOdds: the day's reading, every file read and indexed once.
// - BM_ReadDayOddsSlotBySlot: the 36 slots read one by one through one index, as a caller that reads
//   slot after slot does; the files were written a minute before, as on a normal day.
// - BM_ScanDayOddsRecordByRecord: for contrast, every slot scanning every file from its start.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/BenchLimit.h"
#include "core/common/TextFile.h"
#include "core/odds/DayOdds.h"
#include "core/race/JvRecord.h"
#include "core/race/RecordKeys.h"
#include "core/race/RecordPlacement.h"
#include "standins/feedgen/FeedWriter.h"

namespace marovix {
namespace {

using bench::readBytesOnce;
using bench::setLimitCounters;
using bench::threadSeconds;

// A generated meeting day of three courses: its race records and its six day odds files, made once and
// removed at exit.
class OddsDay {
public:
    OddsDay() {
        std::string pattern = (std::filesystem::temp_directory_path() / "marovix-odds-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        m_folder = pattern;
        feedgen::FeedOptions options;
        options.from = options.to = {2024, 4, 7};  // a Sunday of three courses
        options.seed = 1;
        options.folder = m_folder + "/feed";
        if (!feedgen::FeedWriter(options).write()) std::abort();
        // The race card and the day's final odds, stored as the download stores them: one line per record.
        auto raLines = readRawLines(storedFile("20240406170000_RA0407.jvf"));
        if (!raLines) std::abort();
        m_races = placeRaceRecords(*raLines).slots;
        if (!isUsedSlot(m_races[35])) std::abort();
        std::filesystem::create_directories(m_folder + "/Data");
        m_paths = oddsDayFilePaths(m_folder + "/Data", DayText(m_races[0]));
        for (OddsKind kind : kAllOddsKinds) {
            const std::string type(oddsKindLayout(kind).type);
            auto lines = readRawLines(storedFile("20240407180000_" + type + "0407.jvf"));
            if (!lines || lines->size() != 36) std::abort();
            const std::string& path = m_paths[kindIndex(kind)];
            if (!writeRawLines(path, *lines)) std::abort();
            // Written a minute ago.
            struct timespec times[2];
            ::clock_gettime(CLOCK_REALTIME, &times[0]);
            times[0].tv_sec -= 60;
            times[1] = times[0];
            if (::utimensat(AT_FDCWD, path.c_str(), times, 0) != 0) std::abort();
            m_bytes += static_cast<long long>(std::filesystem::file_size(path));
        }
    }
    ~OddsDay() { std::filesystem::remove_all(m_folder); }

    const RaceRecords& races() const { return m_races; }
    const OddsFilePaths& paths() const { return m_paths; }
    long long bytes() const { return m_bytes; }

private:
    std::string storedFile(const std::string& name) const { return m_folder + "/feed/stored/" + name; }

    std::string m_folder;
    RaceRecords m_races;
    OddsFilePaths m_paths;
    long long m_bytes = 0;
};

const OddsDay& oddsDay() {
    static const OddsDay day;
    return day;
}

// Runs `readOdds` (which returns the win odds of horse 1 of the last race) against the limit in every
// iteration; the benchmark's time is the thread CPU time of `readOdds`.
template <class ReadOdds>
void againstTheLimit(benchmark::State& state, ReadOdds readOdds) {
    const OddsDay& day = oddsDay();
    DayOdds odds;
    std::string buffer;
    double limitSeconds = 0, oddsSeconds = 0, lastWinOdds = 0;
    for (auto _ : state) {
        const double start = threadSeconds();
        benchmark::DoNotOptimize(readBytesOnce(day.paths(), buffer));
        const double read = threadSeconds();
        lastWinOdds = readOdds(day, odds);
        const double done = threadSeconds();
        limitSeconds += read - start;
        const double seconds = done - read;
        oddsSeconds += seconds;
        state.SetIterationTime(seconds);
        benchmark::DoNotOptimize(lastWinOdds);
    }
    if (!(lastWinOdds > 0)) state.SkipWithError("the last race has no odds");
    setLimitCounters(state, "odds_ms", oddsSeconds, limitSeconds, day.bytes());
}

// Every slot's OddsTable, derived when first asked for: the reading measured is the whole of it.
double everyTable(const DayOdds& odds) {
    double sum = 0;
    for (RaceSlot slot = 0; slot < kRaceSlotCount; ++slot) sum += odds.table(slot).TanOdds[1];
    return sum;
}

void BM_ReadDayOdds(benchmark::State& state) {
    againstTheLimit(state, [](const OddsDay& day, DayOdds& odds) {
        OddsFileIndex files(day.paths());
        odds.openDay();
        if (!odds.readDay(day.races(), files).empty()) std::abort();
        return everyTable(odds);
    });
}
BENCHMARK(BM_ReadDayOdds)->Unit(benchmark::kMillisecond)->UseManualTime();

void BM_ReadDayOddsSlotBySlot(benchmark::State& state) {
    againstTheLimit(state, [](const OddsDay& day, DayOdds& odds) {
        OddsFileIndex files(day.paths());
        odds.openDay();
        for (RaceSlot slot = 0; slot < kRaceSlotCount; ++slot)
            if (!odds.readSlot(slot, day.races()[static_cast<std::size_t>(slot)], files).empty()) std::abort();
        return everyTable(odds);
    });
}
BENCHMARK(BM_ReadDayOddsSlotBySlot)->Unit(benchmark::kMillisecond)->UseManualTime();

void BM_ScanDayOddsRecordByRecord(benchmark::State& state) {
    againstTheLimit(state, [](const OddsDay& day, DayOdds&) {
        double lastWinOdds = 0;
        for (const RaceRecord& race : day.races()) {
            std::array<std::string, kOddsKindCount> held;
            OddsRawRecords raw = blankOddsRecords();
            for (OddsKind kind : kAllOddsKinds) {
                auto lines = readRawLines(day.paths()[kindIndex(kind)]);
                if (!lines) std::abort();
                for (const std::string& line : *lines)
                    if (courseRaceKey(line) == courseRaceKey(race)) {
                        held[kindIndex(kind)] = line;
                        raw[kindIndex(kind)] = held[kindIndex(kind)];
                        break;
                    }
            }
            lastWinOdds = deriveOddsTable(raw, fieldNumber(race, 882, 2)).TanOdds[1];
        }
        return lastWinOdds;
    });
}
BENCHMARK(BM_ScanDayOddsRecordByRecord)->Unit(benchmark::kMillisecond)->UseManualTime();

}  // namespace
}  // namespace marovix
