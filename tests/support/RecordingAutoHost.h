#pragma once
// An automatic-operation host for tests: it holds the snapshot the decisions see, records every call as a
// line of text, and changes the snapshot as the window's handlers would (a fetch leaves win/place odds, a
// vote TohyoDone, a shown race is the current one).
#include <functional>
#include <string>
#include <vector>

#include "core/auto/AutoHost.h"
#include "core/common/DateTime.h"
#include "core/race/RaceSchedule.h"

namespace marovix {

class RecordingAutoHost : public AutoHost {
public:
    // Today's day selected: Tokyo on 2024-05-26 (meeting 02, day 08), no races yet.
    RecordingAutoHost() { today.shownDay = "2024年05月26日"; }

    SchedulerDay today;
    SchedulerSettings options;
    bool autoRun = false;
    bool busyNow = false;
    // Every call, in order: "fetchOdds 2024052605020801 0", "vote 3", "note ...", ...
    std::vector<std::string> calls;
    // Run inside fetchOdds, as events let through by a fetch (a tick of the window's timer).
    std::function<void()> duringFetch;

    // Race `slot` + 1 of the day in `slot`, posting at `postHhmm`, its schedule by `timing`.
    void addRace(RaceSlot slot, const std::string& postHhmm, const ScheduleTiming& timing = {});

    bool busy() const override { return busyNow; }
    SchedulerDay day() const override { return today; }
    SchedulerSettings settings() const override { return options; }
    bool autoRunMode() const override { return autoRun; }
    void setOzFetched(RaceSlot slot) override;
    void fetchOdds(const std::vector<std::string>& fetchList) override;
    bool showRace(RaceSlot slot) override;
    void voteAutomatically() override;
    void fetchMining() override { calls.push_back("fetchMining"); }
    void fetchPayouts(const std::vector<std::string>& fetchList) override;
    void queryBalance() override { calls.push_back("queryBalance"); }
    void note(const std::string& text) override { calls.push_back("note " + text); }

private:
    RaceSlot m_shown = -1;
};

}  // namespace marovix
