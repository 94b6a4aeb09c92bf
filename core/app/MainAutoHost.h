#pragma once
// Automatic operation's host over the main model: the scheduler's snapshot of the day is read from the
// model's state, and its actions press the model's handlers, as the window's timers did.
#include <functional>
#include <string>
#include <vector>

#include "core/auto/AutoHost.h"

namespace marovix {

class MainModel;

class MainAutoHost : public AutoHost {
public:
    // `frontBusy` says whether the front end waits on something a handler opened (a modal dialog); may be
    // empty. REQUIRES: the model outlives the host.
    explicit MainAutoHost(MainModel& model, std::function<bool()> frontBusy = {});

    // A real-time fetch runs, a handler lets events run, or the front end is busy.
    bool busy() const override;
    SchedulerDay day() const override;
    SchedulerSettings settings() const override;
    bool autoRunMode() const override;

    void setOzFetched(RaceSlot slot) override;
    // FetchQueueOdds, then OzGetLoopBtn, then what Timer1 does after its fetch (the red label, the sound).
    void fetchOdds(const std::vector<std::string>& fetchList) override;
    // DatListClick on the race's entry; true when the race then shows with its runners (a race without
    // runner data keeps the selections of the race shown before, which must never be voted for it).
    bool showRace(RaceSlot slot) override;
    // AutoTohyoBtn.
    void voteAutomatically() override;
    // GetDMBtn under SilentFetch.
    void fetchMining() override;
    // FetchQueueResults, then HRGetLoopBtn.
    void fetchPayouts(const std::vector<std::string>& fetchList) override;
    // The balance watch is not built yet: nothing.
    void queryBalance() override;
    // A day-log line "[エラー]" + "hh:nn:ss" + " " + the text.
    void note(const std::string& text) override;

private:
    MainModel& m_model;
    std::function<bool()> m_frontBusy;
};

}  // namespace marovix
