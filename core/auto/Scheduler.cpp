#include "core/auto/Scheduler.h"

#include "core/auto/AutoDecisions.h"

namespace marovix {
namespace {

// Sets a flag for as long as it lives.
class Raised {
public:
    explicit Raised(bool& flag) : m_flag(flag) { m_flag = true; }
    ~Raised() { m_flag = false; }
    Raised(const Raised&) = delete;
    Raised& operator=(const Raised&) = delete;

private:
    bool& m_flag;
};

std::string clockText(std::int64_t second) { return DateTime::fromSerial(second).timeText(); }

}  // namespace

std::optional<DateTime> Scheduler::lastHandled() const {
    if (!m_last) return std::nullopt;
    return DateTime::fromSerial(*m_last);
}

void Scheduler::tick(const DateTime& now) {
    if (m_running || m_host.busy()) {
        ++m_counts.deferred;
        return;
    }
    Raised running(m_running);
    const std::int64_t target = now.serial();
    if (!m_last) {
        handle(now);
        return;
    }
    if (target <= *m_last) {
        if (*m_last - target <= kMaxCatchUpSeconds) return;  // handled already; wait for the clock to pass it
        jumped(*m_last, target);
        handle(now);
        return;
    }
    if (target - *m_last > kMaxCatchUpSeconds) {
        jumped(*m_last, target);
        handle(now);
        return;
    }
    while (*m_last < target) handle(DateTime::fromSerial(*m_last + 1));
}

void Scheduler::jumped(std::int64_t from, std::int64_t to) {
    if (to > from) {
        m_counts.skipped += to - from - 1;
        m_host.note("時計が" + std::to_string(to - from) + "秒進んだため、" + clockText(from + 1) + "から" +
                    clockText(to - 1) + "までの自動運転の処理を行いませんでした。");
    } else {
        m_host.note("時計が" + std::to_string(from - to) + "秒戻ったため、" + clockText(to) +
                    "から自動運転の処理をやり直します。");
    }
}

void Scheduler::handle(const DateTime& second) {
    m_last = second.serial();
    SchedulerDay day = m_host.day();
    bool stale = false;  // an action ran since the snapshot was made
    auto fresh = [&]() -> const SchedulerDay& {
        if (stale) day = m_host.day();
        stale = false;
        return day;
    };
    for (int timer = 0; timer < static_cast<int>(SchedulerTimer::Count); ++timer) {
        const auto which = static_cast<SchedulerTimer>(timer);
        if (which == SchedulerTimer::TimerNavi) {
            voteDueRaces(second, fresh, stale);
            continue;
        }
        for (const AutoAction& action : timerActions(which, fresh(), m_host.settings(), m_host.autoRunMode(), second)) {
            runAutoAction(m_host, action);
            ++m_counts.actions;
            stale = true;
        }
    }
    ++m_counts.handled;
    if (secondHandled) secondHandled(second);
}

void Scheduler::voteDueRaces(const DateTime& second, const std::function<const SchedulerDay&()>& fresh, bool& stale) {
    // The vote timer takes one race per decision. Races sharing the vote second are voted one after the
    // other, each decided again from a fresh snapshot without the races already taken at this second; the
    // vote queue hands them over in turn, checking each again.
    std::set<RaceSlot> taken;
    for (;;) {
        const SchedulerDay* day = &fresh();
        SchedulerDay masked;
        if (!taken.empty()) {
            masked = *day;
            for (RaceSlot slot : taken) masked.races[static_cast<std::size_t>(slot)].naviTarget = false;
            day = &masked;
        }
        const std::vector<AutoAction> actions =
            timerActions(SchedulerTimer::TimerNavi, *day, m_host.settings(), m_host.autoRunMode(), second);
        if (actions.empty()) return;
        const AutoAction& action = actions.front();
        if (!taken.insert(action.slot).second) return;
        const SchedulerSlot& race = day->races[static_cast<std::size_t>(action.slot)];
        if (!m_voted.insert(race.raceKey16 + race.schedule.TohyoTime).second) continue;
        runAutoAction(m_host, action);
        ++m_counts.actions;
        stale = true;
    }
}

void runAutoAction(AutoHost& host, const AutoAction& action) {
    switch (action.kind) {
        case AutoAction::Kind::QueryBalance: host.queryBalance(); break;
        case AutoAction::Kind::FetchOdds:
            for (RaceSlot slot : action.races) host.setOzFetched(slot);
            host.fetchOdds(action.fetchList);
            break;
        case AutoAction::Kind::VoteRace:
            if (host.showRace(action.slot)) host.voteAutomatically();
            break;
        case AutoAction::Kind::FetchMining: host.fetchMining(); break;
        case AutoAction::Kind::FetchPayouts: host.fetchPayouts(action.fetchList); break;
    }
}

}  // namespace marovix
