// The stored-data download of one year of setup data with final odds, through the JV-Link stand-in into
// a fresh application folder: every Saturday and Sunday of 2023 at three courses, 12 races of 8 to 18
// runners, RA, SE, HR, TM and O1-O6 at their full lengths. Reports records read per second, the bytes
// written to day files and the number of whole-file saves.
//
// A second benchmark stores one meeting day's odds records with and without the store's kept lines, to
// show what reading every file back from disk would cost.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "core/common/DateTime.h"
#include "core/common/TextFile.h"
#include "core/jv/DayFileStore.h"
#include "core/jv/StoredDataDownload.h"
#include "core/ports/Dialogs.h"
#include "core/race/RecordFields.h"
#include "core/settings/Settings.h"
#include "platform/SystemClock.h"
#include "standins/jvlink/FeedJvLink.h"
#include "standins/records/RecordBuilder.h"

namespace marovix {
namespace {

constexpr const char* kCourses[] = {"06", "08", "10"};
constexpr int kRaces = 12;
constexpr const char* kOddsTypes[] = {"O1", "O2", "O3", "O4", "O5", "O6"};

class SilentDialogs : public Dialogs {
public:
    void beep() override {}
    void information(const std::string&) override {}
    bool confirm(const std::string&) override { return true; }
    void error(const std::string&) override {}
    std::optional<std::string> chooseFolder(const std::string&, const std::string&) override { return {}; }
    std::optional<std::string> chooseFile(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
};

std::string makeTempFolder(const char* name) {
    std::string pattern = (std::filesystem::temp_directory_path() / name).string() + "-XXXXXX";
    if (!mkdtemp(pattern.data())) std::abort();
    return pattern;
}

RecordBuilder keyed(const char* type, const std::string& date, const char* course, int race, char kind) {
    RecordBuilder builder(type);
    builder.bytes(IdField::dataKind, std::string(1, kind))
        .field(IdField::creationDate, date)
        .field(IdField::dayKey8, date)
        .field(IdField::courseCode, course)
        .number(IdField::meetingNumber, 1)
        .number(IdField::dayNumber, 2)
        .number(IdField::raceNumber, race);
    return builder;
}

int runnersOf(int day, int course, int race) { return 8 + (day * 7 + course * 5 + race * 3) % 11; }

// One year of stored files: per meeting day a race file (RA and SE), a payout file, a mining file and an
// odds file, each with the day's evening as its time stamp.
class YearFeed {
public:
    YearFeed() : m_folder(makeTempFolder("marovix-download-feed")) {
        std::filesystem::create_directories(m_folder + "/stored");
        int dayIndex = 0;
        for (DateTime day{2023, 1, 1}; day.year == 2023; day = day.addDays(1)) {
            if (day.isoWeekday() < 6) continue;
            writeDay(day.dateKey(), dayIndex++);
        }
    }
    ~YearFeed() { std::filesystem::remove_all(m_folder); }
    const std::string& folder() const { return m_folder; }
    long long records() const { return m_records; }
    long long bytes() const { return m_bytes; }

private:
    void writeDay(const std::string& date, int dayIndex) {
        std::string races, payouts, mining, odds;
        for (int c = 0; c < 3; ++c) {
            for (int race = 1; race <= kRaces; ++race) {
                const int runners = runnersOf(dayIndex, c, race);
                races += keyed("RA", date, kCourses[c], race, '7')
                             .field(RaField::raceName, "ベンチマーク特別")
                             .number(RaField::registeredRunners, runners)
                             .record();
                for (int horse = 1; horse <= runners; ++horse)
                    races += keyed("SE", date, kCourses[c], race, '7')
                                 .number(SeField::horseNumber, horse)
                                 .field(SeField::horseName, "ベンチホース")
                                 .record();
                payouts += keyed("HR", date, kCourses[c], race, '2').record();
                mining += keyed("TM", date, kCourses[c], race, '7').record();
                for (const char* type : kOddsTypes) odds += keyed(type, date, kCourses[c], race, '4').record();
                m_records += runners + 3 + 6;
            }
        }
        write(date + "180000_RACE" + date + ".jvf", races);
        write(date + "180100_HR" + date + ".jvf", payouts);
        write(date + "180200_TM" + date + ".jvf", mining);
        write(date + "180300_ODDS" + date + ".jvf", odds);
    }
    void write(const std::string& name, const std::string& bytes) {
        if (!replaceFile(m_folder + "/stored/" + name, bytes)) std::abort();
        m_bytes += static_cast<long long>(bytes.size());
    }

    std::string m_folder;
    long long m_records = 0;
    long long m_bytes = 0;
};

void BM_DownloadOneYear(benchmark::State& state) {
    static YearFeed feed;
    SystemClock clock;
    SilentDialogs dialogs;
    std::uint64_t written = 0, saves = 0;
    std::int64_t stored = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::string app = makeTempFolder("marovix-download-app");
        std::filesystem::create_directories(app + "/Data");
        state.ResumeTiming();
        {
            FeedJvLink link(clock, feed.folder());
            link.JVInit("BENCH");
            Settings settings(app, app, clock);
            ReadCancelFlag cancelled;
            StoredDataDownload download(DownloadPorts{link, dialogs, clock, settings, app + "/Data", cancelled, {}});
            download.setSetupData(true);
            download.setFrom({2023, 1, 1, 0, 0, 0});
            if (download.runUnattended({}) != StoredDataDownload::Outcome::Completed) std::abort();
            written = download.bytesWritten();
            saves = download.fileSaves();
            stored = download.counts().recordsStored;
        }
        state.PauseTiming();
        std::filesystem::remove_all(app);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * feed.records());
    state.counters["records"] = static_cast<double>(feed.records());
    state.counters["stored"] = static_cast<double>(stored);
    state.counters["feed_MB"] = static_cast<double>(feed.bytes()) / 1e6;
    state.counters["written_MB"] = static_cast<double>(written) / 1e6;
    state.counters["saves"] = static_cast<double>(saves);
}
BENCHMARK(BM_DownloadOneYear)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

// One meeting day's O1-O6 records (3 courses x 12 races) stored one by one; the argument is the number
// of files the store keeps (0: every store reads its file from disk first).
void BM_StoreDayOdds(benchmark::State& state) {
    std::vector<std::string> records;
    for (const char* course : kCourses)
        for (int race = 1; race <= kRaces; ++race)
            for (const char* type : kOddsTypes) records.push_back(keyed(type, "20230107", course, race, '4').record());
    const std::string folder = makeTempFolder("marovix-store-odds");
    for (auto _ : state) {
        DayFileStore store(static_cast<std::size_t>(state.range(0)));
        for (const auto& record : records) {
            const std::string path = folder + "/2023年01月07日.jv" + record.substr(0, 2);
            if (!store.storeRecordLine(path, record, true)) std::abort();
        }
        state.PauseTiming();
        for (const char* type : kOddsTypes) std::filesystem::remove(folder + "/2023年01月07日.jv" + type);
        state.ResumeTiming();
    }
    std::filesystem::remove_all(folder);
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(records.size()));
}
BENCHMARK(BM_StoreDayOdds)->Arg(0)->Arg(32)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace marovix
