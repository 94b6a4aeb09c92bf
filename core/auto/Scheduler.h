#pragma once
// The scheduler seam of automatic operation. One tick(now), driven by the window's one-second timer, the
// command line's fast clock or a test's fake clock, handles every second since the last one handled,
// exactly once and in order: a late tick (a long fetch, a busy machine) catches up the seconds it missed
// instead of skipping them. For each second it runs the timers of the main window in a fixed order
// (SchedulerTimer), each deciding from a fresh snapshot of the day what is due (AutoDecisions.h) and
// acting through the host (AutoHost.h).
//
// Guards:
// - A tick never runs inside another handler: while the host is busy, or while the scheduler's own
//   actions run (a fetch lets events through), a tick only counts itself deferred; the next free tick
//   catches the seconds up.
// - The clock jumping forward by more than kMaxCatchUpSeconds (a machine woken from sleep, a clock set
//   forward) is not replayed: the seconds between are skipped with a note, and the current second is
//   handled.
// - A second is never handled twice: a clock set back by up to kMaxCatchUpSeconds waits until it passes the
//   last second handled. One set back further starts again from its new time with a note; a race the
//   scheduler voted at a vote time is still never voted again at that same time.
#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>

#include "core/auto/AutoHost.h"
#include "core/common/DateTime.h"

namespace marovix {

class Scheduler {
public:
    // The most seconds one tick catches up (and the most a clock set back is waited for).
    static constexpr std::int64_t kMaxCatchUpSeconds = 300;

    struct Counts {
        std::int64_t handled = 0;   // seconds handled
        std::int64_t deferred = 0;  // ticks that found a handler running
        std::int64_t skipped = 0;   // seconds passed over by jumps of the clock
        std::int64_t actions = 0;   // actions run
    };

    // REQUIRES: the host outlives the scheduler.
    explicit Scheduler(AutoHost& host) : m_host(host) {}

    // Handles every second after the last one handled up to `now` (only `now` on the first tick).
    void tick(const DateTime& now);

    // The last second handled; nothing before the first tick.
    std::optional<DateTime> lastHandled() const;
    const Counts& counts() const { return m_counts; }

    // Told after each second handled, with the second (for progress and tests); may be empty.
    std::function<void(const DateTime& second)> secondHandled;

private:
    void handle(const DateTime& second);
    void jumped(std::int64_t from, std::int64_t to);
    // TimerNavi at `second`: every due target, one after the other, each at most once at its vote time.
    void voteDueRaces(const DateTime& second, const std::function<const SchedulerDay&()>& fresh, bool& stale);

    AutoHost& m_host;
    std::optional<std::int64_t> m_last;
    bool m_running = false;
    Counts m_counts;
    // The votes made, as RaceKey16 + TohyoTime: each race is voted at most once at a vote time.
    std::set<std::string> m_voted;
};

}  // namespace marovix
