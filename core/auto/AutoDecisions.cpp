#include "core/auto/AutoDecisions.h"

#include "core/common/Format.h"

namespace marovix {
namespace {

using Kind = AutoAction::Kind;

std::vector<AutoAction> balanceQuery(const SchedulerDay& day, const std::string& now) {
    for (RaceSlot slot = 0; slot < kRaceSlotCount; ++slot) {
        const SchedulerSlot& race = day.races[static_cast<std::size_t>(slot)];
        if (race.raceNumber > 0 && race.naviTarget && !race.tohyoDone && race.schedule.PreFetchTime == now)
            return {AutoAction{Kind::QueryBalance, slot, {}, {}}};
    }
    return {};
}

std::vector<AutoAction> oddsFetch(const SchedulerDay& day, const SchedulerSettings& settings, const std::string& now) {
    AutoAction fetch{Kind::FetchOdds, -1, {}, {}};
    for (RaceSlot slot = 0; slot < kRaceSlotCount; ++slot) {
        const SchedulerSlot& race = day.races[static_cast<std::size_t>(slot)];
        const bool due = !now.empty() && (race.schedule.OzGetTime1 == now || race.schedule.OzGetTime2 == now);
        if (!due || (race.ozFetched && !settings.ozOverWriteOK)) continue;
        fetch.races.push_back(slot);
        fetch.fetchList.push_back(race.fetchLine);
    }
    if (fetch.races.empty()) return {};
    return {fetch};
}

std::vector<AutoAction> autoVote(const SchedulerDay& day, const SchedulerSettings& settings, const std::string& now) {
    for (RaceSlot slot = 0; slot < kRaceSlotCount; ++slot) {
        const SchedulerSlot& race = day.races[static_cast<std::size_t>(slot)];
        if (race.winPlaceOdds && race.ozFetched && race.naviTarget && (settings.dupTohyoOK || !race.tohyoDone) &&
            race.schedule.TohyoTime == now)
            return {AutoAction{Kind::VoteRace, slot, {}, {}}};
    }
    return {};
}

std::vector<AutoAction> results(const SchedulerDay& day, const SchedulerSettings& settings, const DateTime& second) {
    std::vector<AutoAction> actions;
    if (!settings.notGetMining) actions.push_back(AutoAction{Kind::FetchMining, -1, {}, {}});
    if (hhnnOf(second) > payoutThreshold(day) && !settings.notGetKekka) {
        AutoAction payouts{Kind::FetchPayouts, -1, {}, {}};
        for (RaceSlot slot = 0; slot < kRaceSlotCount; ++slot) {
            const SchedulerSlot& race = day.races[static_cast<std::size_t>(slot)];
            if (race.raceNumber <= 0) continue;
            payouts.races.push_back(slot);
            payouts.fetchList.push_back(race.fetchLine);
        }
        if (!payouts.races.empty()) actions.push_back(std::move(payouts));
    }
    return actions;
}

}  // namespace

std::string hhmmssOf(const DateTime& now) { return formatted("%02d%02d%02d", now.hour, now.minute, now.second); }

std::string hhnnOf(const DateTime& now) { return formatted("%02d%02d", now.hour, now.minute); }

bool passesDayGate(const std::string& shownDay, const DateTime& now) {
    if (shownDay.empty() || shownDay != now.dayText()) return false;
    const std::string hhnn = hhnnOf(now);
    return hhnn >= "0900" && hhnn <= "1800";
}

std::string payoutThreshold(const SchedulerDay& day) {
    return ShiftHhmm(day.races[0].postTime, -(day.resultsTimer.intervalMinutes + 30));
}

std::vector<AutoAction> timerActions(SchedulerTimer timer, const SchedulerDay& day, const SchedulerSettings& settings,
                                     bool autoRunMode, const DateTime& second) {
    if (!passesDayGate(day.shownDay, second)) return {};
    const std::string now = hhmmssOf(second);
    switch (timer) {
        case SchedulerTimer::ZanDakaNaviTimer: return balanceQuery(day, now);
        case SchedulerTimer::Timer1: return oddsFetch(day, settings, now);
        case SchedulerTimer::TimerNavi: return autoRunMode ? autoVote(day, settings, now) : std::vector<AutoAction>{};
        case SchedulerTimer::Timer4:
            return day.resultsTimer.firesAt(second.serial()) ? results(day, settings, second)
                                                             : std::vector<AutoAction>{};
        case SchedulerTimer::Count: break;
    }
    return {};
}

std::vector<AutoAction> dueActions(const SchedulerDay& day, const SchedulerSettings& settings, bool autoRunMode,
                                   const DateTime& second) {
    std::vector<AutoAction> all;
    for (int timer = 0; timer < static_cast<int>(SchedulerTimer::Count); ++timer) {
        std::vector<AutoAction> some =
            timerActions(static_cast<SchedulerTimer>(timer), day, settings, autoRunMode, second);
        all.insert(all.end(), some.begin(), some.end());
    }
    return all;
}

}  // namespace marovix
