// The odds fetch of a whole 36-race meeting day through the JV-Link stand-in (three courses, O1-O6 of
// every race served from the feed's snapshots at 17:00, after the last race), against the limit it is held
// to: reading the same 36 snapshot files once. Each iteration starts without odds files, as the first
// fetch of the day does, and does both; the ratio is reported.
//
// - BM_FetchDayOddsOverTheList: the scheduler's fetch over FetchQueueOdds (36 lines): per race the open,
//   the read, the six records stored, both closes, the day-log lines and the odds reading; the race shown
//   again once at the end.
// - BM_FetchDayOddsRaceByRace: "1日分の全オッズを一括取得", the quick odds fetch of each race in turn, each
//   followed by the odds reading, the race shown again and the selections built.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchLimit.h"
#include "core/app/MainModel.h"
#include "core/jv/FetchQueue.h"
#include "core/race/RecordKeys.h"
#include "standins/jvlink/FeedJvLink.h"
#include "standins/jvlink/FeedLayout.h"
#include "tests/support/DemoDay.h"
#include "tests/support/FakeMainPorts.h"

namespace marovix {
namespace {

using bench::readBytesOnce;
using bench::setLimitCounters;
using bench::threadSeconds;

// A downloaded Sunday of three courses (no odds files), its model on that day at 17:00 with the
// stand-in serving its feed, and the snapshot file the stand-in serves for each race.
class FetchDay {
public:
    FetchDay()
        : m_demo(DemoDayOptions{DateTime{2024, 4, 7}, DateTime{2024, 4, 7}, 1, false, false}),
          m_feed(m_fakes.clock, m_demo.feedFolder()) {
        if (!m_demo.problems().empty() || m_demo.days().empty()) std::abort();
        m_fakes.clock.set(DateTime{2024, 4, 7, 17, 0, 0});
        m_model = std::make_unique<MainModel>(m_demo.appFolder(), m_demo.appFolder() + "/share", m_fakes.ports(m_feed));
        if (!m_model->create()) std::abort();
        m_model->firstShow();
        m_model->DateComboChange(m_demo.days().front());
        if (m_model->state().datList.size() != kRaceSlotCount) std::abort();
        const std::string now = m_fakes.clock.now().compactText();
        for (RaceSlot slot = 0; slot < kRaceSlotCount; ++slot) {
            const RaceRecord& race = m_model->session().day().race(slot);
            m_queue.push_back(fetchQueueLine(race, slot));
            auto listing =
                feedlayout::listSnapshots(m_demo.feedFolder() + "/realtime/0B30/" + std::string(RaceKey16(race)));
            std::string served;
            for (const auto& file : listing.files)
                if (file.stamp <= now) served = file.path;
            if (served.empty()) std::abort();
            m_snapshots.push_back(served);
            m_bytes += static_cast<long long>(std::filesystem::file_size(served));
        }
    }

    MainModel& model() { return *m_model; }
    const std::vector<std::string>& queue() const { return m_queue; }
    const std::vector<std::string>& snapshots() const { return m_snapshots; }
    long long bytes() const { return m_bytes; }
    // The day as before its first odds fetch.
    void removeOddsFiles() const {
        for (int kind = 1; kind <= 6; ++kind)
            std::filesystem::remove(m_demo.appFolder() + "/Data/" + m_demo.days().front() + ".jvO" +
                                    std::to_string(kind));
    }

private:
    FakeMainPorts m_fakes;
    DemoDay m_demo;
    FeedJvLink m_feed;
    std::unique_ptr<MainModel> m_model;
    std::vector<std::string> m_queue;
    std::vector<std::string> m_snapshots;
    long long m_bytes = 0;
};

FetchDay& fetchDay() {
    static FetchDay day;
    return day;
}

template <class Fetch>
void againstTheLimit(benchmark::State& state, Fetch fetch) {
    FetchDay& day = fetchDay();
    std::string buffer;
    double limitSeconds = 0, fetchSeconds = 0;
    for (auto _ : state) {
        day.removeOddsFiles();
        const double start = threadSeconds();
        benchmark::DoNotOptimize(readBytesOnce(day.snapshots(), buffer));
        const double read = threadSeconds();
        fetch(day);
        const double done = threadSeconds();
        limitSeconds += read - start;
        fetchSeconds += done - read;
        state.SetIterationTime(done - read);
    }
    MainModel& model = day.model();
    for (RaceSlot slot = 0; slot < kRaceSlotCount; ++slot)
        if (!model.session().ozFetched(slot) && !(model.session().odds().table(slot).TanOdds[1] > 0)) {
            state.SkipWithError("a race has no odds after the fetch");
            return;
        }
    if (!model.state().labels[LabelId::DLlabel].text.empty()) state.SkipWithError("the fetch ended with an error");
    setLimitCounters(state, "fetch_ms", fetchSeconds, limitSeconds, day.bytes());
}

void BM_FetchDayOddsOverTheList(benchmark::State& state) {
    againstTheLimit(state, [](FetchDay& day) {
        day.model().setFetchQueueOdds(day.queue());
        day.model().OzGetLoopBtnClick();
    });
}
BENCHMARK(BM_FetchDayOddsOverTheList)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

void BM_FetchDayOddsRaceByRace(benchmark::State& state) {
    againstTheLimit(state, [](FetchDay& day) { day.model().N110Click(); });
}
BENCHMARK(BM_FetchDayOddsRaceByRace)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

}  // namespace
}  // namespace marovix
