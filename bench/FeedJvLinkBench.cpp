// Reading a large stored feed through the JV-Link stand-in: one file of 100000 runner records.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/common/TextFile.h"
#include "core/race/RecordFields.h"
#include "platform/SystemClock.h"
#include "standins/jvlink/FeedJvLink.h"
#include "standins/records/RecordBuilder.h"

namespace marovix {
namespace {

constexpr int kRecords = 100000;

// A feed folder with one stored file of kRecords SE records, made once and removed at exit.
class LargeFeed {
public:
    LargeFeed() {
        std::string pattern = (std::filesystem::temp_directory_path() / "marovix-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        m_folder = pattern;
        std::filesystem::create_directories(m_folder + "/stored");
        std::string bytes;
        for (int i = 0; i < kRecords; ++i)
            bytes += RecordBuilder(SeField::type)
                         .field(SeField::dayKey8, "20240106")
                         .number(SeField::raceNumber, i % 12 + 1)
                         .number(SeField::horseNumber, i % 18 + 1)
                         .field(SeField::horseName, "ベンチマークホース")
                         .record();
        if (!replaceFile(m_folder + "/stored/20240106093000_SE.jvf", bytes)) std::abort();
    }
    ~LargeFeed() { std::filesystem::remove_all(m_folder); }
    const std::string& folder() const { return m_folder; }

private:
    std::string m_folder;
};

void BM_ReadStoredFile(benchmark::State& state) {
    static LargeFeed feed;
    SystemClock clock;
    for (auto _ : state) {
        FeedJvLink link(clock, feed.folder());
        link.JVInit("BENCH");
        int reads = 0, downloads = 0;
        std::string stamp, record, fileName;
        link.JVOpen("RACEMING", "20240101000000", 1, reads, downloads, stamp);
        while (link.JVStatus() < downloads) {
        }
        long long bytes = 0;
        for (int r; (r = link.JVRead(record, 100000, fileName)) != 0;)
            if (r > 0) bytes += r;
        link.JVClose();
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_ReadStoredFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace marovix
