// Absurd input in bounded memory: a feed file holding one line of 100 MB, read through the JV-Link stand-in
// (which refuses the line without holding it), and a settings file of 100 MB, read through the settings
// store (which refuses the file whole). Each is held against reading the same bytes once with a 64 KiB
// buffer; the counters give the time ratio, the bytes the reader held and the growth of the process's peak
// memory.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/common/TextFile.h"
#include "core/settings/TIniGT.h"
#include "platform/SystemClock.h"
#include "standins/jvlink/FeedJvLink.h"
#include "standins/records/RecordBuilder.h"

namespace marovix {
namespace {

constexpr std::size_t kLineBytes = 100'000'000;

// A folder with a feed whose one stored file holds a record, a 100 MB line and a record, and a settings
// file whose one line is 100 MB long; made once, removed at exit.
class AbsurdFiles {
public:
    AbsurdFiles() {
        std::string pattern = (std::filesystem::temp_directory_path() / "marovix-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        m_folder = pattern;
        std::filesystem::create_directories(m_folder + "/feed/stored");
        const std::string record = RecordBuilder("RA").text(12, "20240106").number(26, 2, 1).record();
        write(feedFile(), record, record);
        write(m_folder + "/Marovix.ini", "[locate]\r\ntop=", "");
    }
    ~AbsurdFiles() { std::filesystem::remove_all(m_folder); }
    const std::string& folder() const { return m_folder; }
    std::string feedFile() const { return m_folder + "/feed/stored/20240106093000_RA.jvf"; }

private:
    // `before`, the long line written a megabyte at a time (so that making it does not raise the peak
    // memory the benchmarks measure), CR LF, `after`.
    static void write(const std::string& path, const std::string& before, const std::string& after) {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (!file) std::abort();
        const std::string megabyte(1'000'000, 'x');
        std::fwrite(before.data(), 1, before.size(), file);
        for (std::size_t i = 0; i < kLineBytes / megabyte.size(); ++i)
            std::fwrite(megabyte.data(), 1, megabyte.size(), file);
        std::fputs("\r\n", file);
        std::fwrite(after.data(), 1, after.size(), file);
        if (std::fclose(file) != 0) std::abort();
    }

    std::string m_folder;
};

AbsurdFiles& files() {
    static AbsurdFiles made;
    return made;
}

long peakKilobytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Seconds to read the file once with a 64 KiB buffer (the best of three).
double plainReadSeconds(const std::string& path) {
    double best = 1e9;
    for (int round = 0; round < 3; ++round) {
        const auto start = std::chrono::steady_clock::now();
        const int fd = ::open(path.c_str(), O_RDONLY);
        static char buffer[1 << 16];
        long long total = 0;
        for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) total += n;
        ::close(fd);
        benchmark::DoNotOptimize(total);
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

void BM_FeedLineOf100MBRefused(benchmark::State& state) {
    const std::string folder = files().folder() + "/feed";
    const double plain = plainReadSeconds(files().feedFile());
    const long peakBefore = peakKilobytes();
    SystemClock clock;
    std::size_t held = 0;
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        FeedJvLink link(clock, folder);
        link.setProblemReporter([](const std::string&) {});
        link.JVInit("BENCH");
        int reads = 0, downloads = 0;
        std::string stamp, record, fileName;
        link.JVOpen("RACEMING", "20240101000000", 1, reads, downloads, stamp);
        while (link.JVStatus() < downloads) {
        }
        int results = 0;
        for (int r; (r = link.JVRead(record, 100000, fileName)) != 0 && results < 10; ++results) {
        }
        link.JVClose();
        held = std::max(held, record.capacity());
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["held_bytes"] = static_cast<double>(held);
    state.counters["held_per_line_byte"] = static_cast<double>(held) / kLineBytes;
    state.counters["peak_growth_kB"] = static_cast<double>(peakKilobytes() - peakBefore);
    state.counters["vs_plain_read"] = seconds / static_cast<double>(state.iterations()) / plain;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(kLineBytes));
}
BENCHMARK(BM_FeedLineOf100MBRefused)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SettingsFileOf100MBRefused(benchmark::State& state) {
    const std::string path = files().folder() + "/Marovix.ini";
    const double plain = plainReadSeconds(path);
    const long peakBefore = peakKilobytes();
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        TIniGT ini(files().folder(), "");
        ini.setFileName("Marovix.ini");
        benchmark::DoNotOptimize(ini.ReadInteger("locate", "top", 10));
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["peak_growth_kB"] = static_cast<double>(peakKilobytes() - peakBefore);
    state.counters["vs_plain_read"] = seconds / static_cast<double>(state.iterations()) / plain;
}
BENCHMARK(BM_SettingsFileOf100MBRefused)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace marovix
