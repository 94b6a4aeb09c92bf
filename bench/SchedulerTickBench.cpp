// The scheduler's cost per second of a race day, held against the fetch it runs: one race's scheduled odds
// fetch through the host alone (open, read, store, close, the day-log lines, the odds reading).
//
// - BM_SchedulerIdleTick: one tick at a second with nothing due (every timer decides from a fresh
//   snapshot of the 36-race day and does nothing).
// - BM_SchedulerTickWithFetch: one tick at a race's first fetch second (OzOverWriteOK on, so each
//   iteration fetches again): the decisions and the fetch.
// Each iteration runs the fetch alone as well; the counters give both times and the ratio.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "bench/BenchLimit.h"
#include "bench/BenchRaceDay.h"
#include "core/app/MainAutoHost.h"
#include "core/app/MainModel.h"
#include "core/auto/Scheduler.h"
#include "core/jv/FetchQueue.h"

namespace marovix {
namespace {

using bench::threadSeconds;

// The benchmarks' Sunday selected as today's day at 09:00; mining and payouts left out of the schedule,
// OzOverWriteOK on.
class TickDay {
public:
    TickDay()
        : m_day(DateTime{2024, 4, 7, 9, 0, 0}, [](MainModel& model) {
              for (MainOption option : {MainOption::NotGetMining, MainOption::NotGetKekka, MainOption::OverWriteOK})
                  model.setOption(option, 1);
          }) {
        m_host = std::make_unique<MainAutoHost>(m_day.model());
        const RaceSlot last = kRaceSlotCount - 1;
        const std::string fetchAt = m_day.model().session().slot(last).schedule.OzGetTime1;
        m_fetchSecond = DateTime{2024,
                                 4,
                                 7,
                                 std::stoi(fetchAt.substr(0, 2)),
                                 std::stoi(fetchAt.substr(2, 2)),
                                 std::stoi(fetchAt.substr(4, 2))};
        m_fetchLine = fetchQueueLine(m_day.model().session().day().race(last), last);
        // The odds of the last race are served from its snapshot before its post.
        m_day.fakes().clock.set(m_fetchSecond);
    }

    MainAutoHost& host() { return *m_host; }
    MainModel& model() { return m_day.model(); }
    const DateTime& fetchSecond() const { return m_fetchSecond; }
    const std::string& fetchLine() const { return m_fetchLine; }

private:
    bench::BenchRaceDay m_day;
    std::unique_ptr<MainAutoHost> m_host;
    DateTime m_fetchSecond;
    std::string m_fetchLine;
};

TickDay& tickDay() {
    static TickDay day;
    return day;
}

// Times `tick` (one tick of a new scheduler at `second`) against the fetch alone.
void againstTheFetch(benchmark::State& state, const DateTime& second) {
    TickDay& day = tickDay();
    double fetchSeconds = 0, tickSeconds = 0;
    for (auto _ : state) {
        const double start = threadSeconds();
        day.host().fetchOdds({day.fetchLine()});
        const double fetched = threadSeconds();
        Scheduler scheduler(day.host());
        scheduler.tick(second);
        const double done = threadSeconds();
        fetchSeconds += fetched - start;
        tickSeconds += done - fetched;
        state.SetIterationTime(done - fetched);
        if (scheduler.counts().handled != 1) state.SkipWithError("the tick handled no second");
    }
    if (!day.model().state().labels[LabelId::DLlabel].text.empty())
        state.SkipWithError("the fetch ended with an error");
    const auto n = static_cast<double>(state.iterations());
    state.counters["tick_us"] = tickSeconds / n * 1e6;
    state.counters["fetch_alone_us"] = fetchSeconds / n * 1e6;
    state.counters["ratio"] = tickSeconds / fetchSeconds;
}

void BM_SchedulerIdleTick(benchmark::State& state) {
    againstTheFetch(state, tickDay().fetchSecond().addSeconds(1));  // between the two fetch seconds
}
BENCHMARK(BM_SchedulerIdleTick)->Unit(benchmark::kMicrosecond)->UseManualTime()->Iterations(200);

void BM_SchedulerTickWithFetch(benchmark::State& state) { againstTheFetch(state, tickDay().fetchSecond()); }
BENCHMARK(BM_SchedulerTickWithFetch)->Unit(benchmark::kMicrosecond)->UseManualTime()->Iterations(200);

}  // namespace
}  // namespace marovix
