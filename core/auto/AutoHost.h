#pragma once
// The interface through which automatic operation acts: the window's handlers (core/app implements it over
// the main model), the command line's replay, or a recording fake in tests.
#include <string>
#include <vector>

#include "core/auto/AutoAction.h"
#include "core/auto/SchedulerDay.h"

namespace marovix {

class AutoHost {
public:
    virtual ~AutoHost() = default;

    // The busy guard: true while a handler runs (a fetch, a day load, a dialog it waits on). A tick then
    // does nothing; the seconds it would have handled are caught up by the next tick.
    virtual bool busy() const = 0;

    // What the decisions look at, as it is now.
    virtual SchedulerDay day() const = 0;
    virtual SchedulerSettings settings() const = 0;
    // AutoRunMode: automatic operation ("自動運転") is switched on.
    virtual bool autoRunMode() const = 0;

    // The actions.
    virtual void setOzFetched(RaceSlot slot) = 0;
    // The odds fetch over a list of races (FetchQueueOdds, OzGetLoopBtn).
    virtual void fetchOdds(const std::vector<std::string>& fetchList) = 0;
    // Selects race `slot` in the race list and loads it as a click does; true when it is then the race
    // shown (only then is it voted).
    virtual bool showRace(RaceSlot slot) = 0;
    // The vote command in automatic mode for the race shown (AutoTohyoBtn).
    virtual void voteAutomatically() = 0;
    // The day's mining fetch without beeps (SilentFetch, GetDMBtn).
    virtual void fetchMining() = 0;
    // The payout fetch over a list of races (FetchQueueResults, HRGetLoopBtn).
    virtual void fetchPayouts(const std::vector<std::string>& fetchList) = 0;
    // The balance query of the vote plug-in (IPTZanDakaBtn).
    virtual void queryBalance() = 0;

    // A line about the scheduler itself (the clock jumped), for the run log.
    virtual void note(const std::string& text) = 0;
};

// Runs one action through the host. A vote is made only when its race could be shown.
void runAutoAction(AutoHost& host, const AutoAction& action);

}  // namespace marovix
