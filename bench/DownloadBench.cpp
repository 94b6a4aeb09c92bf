// The stored-data download of a generated feed (the demo generator, standins/feedgen) through the JV-Link
// stand-in into a fresh application folder, setup data with final odds, held against copying the same
// stored feed files once into one file, in the same run:
//
//   BM_DownloadYear   the year 2025: the time against the copy's, the stand-in's own serving of the
//                     records (the same stream read and dropped) as a share of the download, the bytes
//                     written against the final Data folder, and the peak memory of the process while it
//                     downloads (VmHWM) beside the most day-file lines the store held at once.
//   BM_DownloadMonth  March 2025, the same figures, and the record-by-record method (every record loads,
//                     updates and saves its whole day file) for comparison.
//
// The feed is made in the system's temporary folder (a year is about 3 GB, of which the stored files are
// about 500 MB) and removed when the benchmark ends.
//
// BM_StoreDayOdds: one meeting day's O1-O6 records (3 courses x 12 races) into their day files, record by
// record (argument 0) and through the store saving each file once (argument 1).
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "core/common/DateTime.h"
#include "core/common/TextFile.h"
#include "core/jv/DayDataFile.h"
#include "core/jv/DayFileStore.h"
#include "core/jv/StoredDataDownload.h"
#include "core/ports/Dialogs.h"
#include "core/race/RecordFields.h"
#include "core/settings/Settings.h"
#include "standins/feedgen/FeedWriter.h"
#include "standins/jvlink/FeedJvLink.h"
#include "standins/records/RecordBuilder.h"
#include "tests/support/FakeClock.h"
#include "tests/support/ReferenceDownload.h"

namespace marovix {
namespace {

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

std::string makeTempFolder(const std::string& name) {
    std::string pattern = (std::filesystem::temp_directory_path() / name).string() + "-XXXXXX";
    if (!mkdtemp(pattern.data())) std::abort();
    return pattern;
}

double secondsOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The process's peak resident memory since the last reset, in bytes (0 when the system does not say).
std::uint64_t peakResident() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stoull(line.substr(6)) * 1024;
    return 0;
}
void resetPeakResident() { std::ofstream("/proc/self/clear_refs") << "5"; }

// Bytes the process has handed to write calls so far (0 when the system does not say).
std::uint64_t bytesWrittenByProcess() {
    std::ifstream io("/proc/self/io");
    for (std::string line; std::getline(io, line);)
        if (line.rfind("wchar:", 0) == 0) return std::stoull(line.substr(6));
    return 0;
}

std::uint64_t folderBytes(const std::string& folder) {
    std::uint64_t bytes = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file()) bytes += entry.file_size();
    return bytes;
}

// A demo feed of a date range, written once and removed at exit.
class GeneratedFeed {
public:
    GeneratedFeed(DateTime from, DateTime to, const std::string& name)
        : m_folder(makeTempFolder("marovix-bench-" + name)), m_from(from), m_to(to) {
        feedgen::FeedOptions options;
        options.from = from;
        options.to = to;
        options.seed = 2025;
        options.folder = m_folder;
        options.threads = 2;
        if (!feedgen::FeedWriter(options).write()) std::abort();
        for (const auto& entry : std::filesystem::directory_iterator(m_folder + "/stored")) {
            m_storedFiles.push_back(entry.path().string());
            m_storedBytes += entry.file_size();
        }
        std::sort(m_storedFiles.begin(), m_storedFiles.end());
        ::sync();
    }
    ~GeneratedFeed() { std::filesystem::remove_all(m_folder); }

    const std::string& folder() const { return m_folder; }
    const std::vector<std::string>& storedFiles() const { return m_storedFiles; }
    std::uint64_t storedBytes() const { return m_storedBytes; }
    // A week before the first day, as the demo's download starts; the clock the evening after the last.
    DateTime downloadFrom() const { return m_from.addDays(-7); }
    DateTime clockAt() const { return m_to.addDays(1); }

private:
    std::string m_folder;
    DateTime m_from, m_to;
    std::vector<std::string> m_storedFiles;
    std::uint64_t m_storedBytes = 0;
};

// Copies every stored feed file once, in the order served, into one file.
void copyOnce(const GeneratedFeed& feed, const std::string& target) {
    const int out = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (out < 0) std::abort();
    std::vector<char> buffer(1 << 20);
    for (const auto& path : feed.storedFiles()) {
        const int in = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (in < 0) std::abort();
        for (ssize_t n; (n = ::read(in, buffer.data(), buffer.size())) > 0;)
            if (::write(out, buffer.data(), static_cast<std::size_t>(n)) != n) std::abort();
        ::close(in);
    }
    if (::close(out) != 0) std::abort();
}

// The stand-in's own part: the same stream opened and every record read and dropped.
std::int64_t serveOnly(const GeneratedFeed& feed) {
    FakeClock clock(feed.clockAt());
    FeedJvLink link(clock, feed.folder());
    link.JVInit("BENCH");
    int reads = 0, downloads = 0;
    std::string stamp, record, fileName;
    if (link.JVOpen("RACEMING", feed.downloadFrom().compactText(), 3, reads, downloads, stamp) != 0) std::abort();
    while (link.JVStatus() < downloads) {
    }
    std::int64_t records = 0;
    for (int r; (r = link.JVRead(record, StoredDataDownload::kReadSize, fileName)) != 0;)
        if (r > 0) ++records;
    link.JVClose();
    return records;
}

struct DownloadFigures {
    std::uint64_t written = 0;
    std::uint64_t saves = 0;
    std::size_t peakHeld = 0;
    std::int64_t records = 0;
};

DownloadFigures downloadInto(const GeneratedFeed& feed, const std::string& app) {
    FakeClock clock(feed.clockAt());
    SilentDialogs dialogs;
    FeedJvLink link(clock, feed.folder());
    link.JVInit("BENCH");
    Settings settings(app, app, clock);
    ReadCancelFlag cancelled;
    StoredDataDownload download(DownloadPorts{link, dialogs, clock, settings, app + "/Data", cancelled, {}});
    download.setSetupData(true);
    download.setFinalOdds(true);
    download.setFrom(feed.downloadFrom());
    if (download.runUnattended({}) != StoredDataDownload::Outcome::Completed) std::abort();
    return {download.bytesWritten(), download.fileSaves(), download.peakBytesHeld(), download.counts().recordsRead};
}

// The download of `feed` against the copy of its stored files, every figure as a counter; with
// `recordByRecord`, the record-by-record method too. The iteration's time is the download's.
void measure(benchmark::State& state, const GeneratedFeed& feed, bool recordByRecord) {
    for (auto _ : state) {
        const std::string scratch = makeTempFolder("marovix-bench-run");
        // Both read the feed from the page cache: a first copy brings it in (a large feed written earlier
        // may have left it).
        copyOnce(feed, scratch + "/copy");
        ::sync();
        const double copy = secondsOf([&] { copyOnce(feed, scratch + "/copy"); });
        std::filesystem::remove(scratch + "/copy");
        ::sync();

        std::int64_t served = 0;
        const double serve = secondsOf([&] { served = serveOnly(feed); });

        const std::string app = scratch + "/app";
        std::filesystem::create_directories(app + "/Data");
        DownloadFigures figures;
        resetPeakResident();
        const std::uint64_t residentBefore = peakResident();
        const double download = secondsOf([&] { figures = downloadInto(feed, app); });
        const std::uint64_t residentPeak = peakResident();
        const std::uint64_t data = folderBytes(app + "/Data");
        if (served != figures.records) std::abort();
        ::sync();

        if (recordByRecord) {
            const std::string reference = scratch + "/reference";
            std::filesystem::create_directories(reference);
            const std::uint64_t writtenBefore = bytesWrittenByProcess();
            const double seconds = secondsOf([&] {
                FakeClock clock(feed.clockAt());
                FeedJvLink link(clock, feed.folder());
                link.JVInit("BENCH");
                if (!referenceDownload(link, reference, {feed.downloadFrom(), true, true, -1}).completed) std::abort();
            });
            state.counters["rbr_written_MB"] = static_cast<double>(bytesWrittenByProcess() - writtenBefore) / 1e6;
            state.counters["rbr_s"] = seconds;
            state.counters["rbr_x_copy"] = seconds / copy;
            state.counters["rbr_x_download"] = seconds / download;
        }

        state.SetIterationTime(download);
        state.counters["records"] = benchmark::Counter(static_cast<double>(figures.records),
                                                       benchmark::Counter::kDefaults, benchmark::Counter::kIs1000);
        state.counters["feed_MB"] = static_cast<double>(feed.storedBytes()) / 1e6;
        state.counters["copy_s"] = copy;
        state.counters["download_s"] = download;
        state.counters["x_copy"] = download / copy;
        state.counters["serve_s"] = serve;
        state.counters["serve_share"] = serve / download;
        state.counters["written_MB"] = static_cast<double>(figures.written) / 1e6;
        state.counters["data_MB"] = static_cast<double>(data) / 1e6;
        state.counters["x_data"] = static_cast<double>(figures.written) / static_cast<double>(data);
        state.counters["saves"] = static_cast<double>(figures.saves);
        state.counters["peak_RSS_MB"] = static_cast<double>(residentPeak) / 1e6;
        state.counters["RSS_before_MB"] = static_cast<double>(residentBefore) / 1e6;
        state.counters["peak_held_MB"] = static_cast<double>(figures.peakHeld) / 1e6;
        std::filesystem::remove_all(scratch);
    }
}

void BM_DownloadYear(benchmark::State& state) {
    static GeneratedFeed feed({2025, 1, 1}, {2025, 12, 31}, "year");
    measure(state, feed, false);
}
BENCHMARK(BM_DownloadYear)->Unit(benchmark::kSecond)->Iterations(1)->UseManualTime();

void BM_DownloadMonth(benchmark::State& state) {
    static GeneratedFeed feed({2025, 3, 1}, {2025, 3, 31}, "month");
    measure(state, feed, true);
}
BENCHMARK(BM_DownloadMonth)->Unit(benchmark::kSecond)->Iterations(1)->UseManualTime();

RecordBuilder keyed(const char* type, const std::string& date, const char* course, int race) {
    RecordBuilder builder(type);
    builder.bytes(IdField::dataKind, "4")
        .field(IdField::creationDate, date)
        .field(IdField::dayKey8, date)
        .field(IdField::courseCode, course)
        .number(IdField::meetingNumber, 1)
        .number(IdField::dayNumber, 2)
        .number(IdField::raceNumber, race);
    return builder;
}

void BM_StoreDayOdds(benchmark::State& state) {
    std::vector<std::string> records;
    for (const char* course : {"06", "08", "10"})
        for (int race = 1; race <= 12; ++race)
            for (const char* type : {"O1", "O2", "O3", "O4", "O5", "O6"})
                records.push_back(keyed(type, "20230107", course, race).record());
    const std::string folder = makeTempFolder("marovix-store-odds");
    const bool store = state.range(0) == 1;
    std::uint64_t bytes = 0;
    for (auto _ : state) {
        DayFileStore held;
        for (const auto& record : records) {
            const std::string path = folder + "/2023年01月07日.jv" + record.substr(0, 2);
            if (!(store ? held.storeRecordLine(path, record, true) : StoreRecordLine(path, record, true))) std::abort();
        }
        if (!held.saveAll()) std::abort();
        state.PauseTiming();
        bytes = folderBytes(folder);
        for (const char* type : {"O1", "O2", "O3", "O4", "O5", "O6"})
            std::filesystem::remove(folder + "/2023年01月07日.jv" + type);
        state.ResumeTiming();
    }
    std::filesystem::remove_all(folder);
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(records.size()));
    state.counters["day_MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_StoreDayOdds)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace marovix
