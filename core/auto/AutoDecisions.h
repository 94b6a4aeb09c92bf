#pragma once
// The decisions of automatic operation: for each timer of the main window, what is due at one second, as
// a pure function of a snapshot of the day, the options, AutoRunMode and the second. The scheduler runs
// them second by second; tests and the replay call them directly.
#include <string>
#include <vector>

#include "core/auto/AutoAction.h"
#include "core/auto/SchedulerDay.h"
#include "core/common/DateTime.h"

namespace marovix {

// The one-second timers, in the order the scheduler runs them within a second.
enum class SchedulerTimer {
    ZanDakaNaviTimer,  // the balance query before a target race
    Timer1,            // the scheduled odds fetch
    TimerNavi,         // the automatic vote (only while AutoRunMode is on)
    Timer4,            // mining and payouts, when the results timer fires
    Count
};

// The clock as "hhmmss" and as "hhnn".
std::string hhmmssOf(const DateTime& now);
std::string hhnnOf(const DateTime& now);

// The day gate: a day is selected, it is today (its DayText is the clock's), and the clock's "hhnn" lies
// between "0900" and "1800", both included (09:00:00 to 18:00:59).
bool passesDayGate(const std::string& shownDay, const DateTime& now);

// Timer4's threshold: the post time of slot 0 shifted by -(R + 30) minutes (ShiftHhmm); payouts are
// fetched once the clock's "hhnn" sorts after it.
std::string payoutThreshold(const SchedulerDay& day);

// What `timer` does at `second`, nothing outside the day gate:
// - ZanDakaNaviTimer: the balance query of the first slot with a race number above 0, NaviTarget set,
//   TohyoDone clear and PreFetchTime equal to the second;
// - Timer1: one FetchOdds of every slot whose OzGetTime1 or OzGetTime2 equals the second, unless its
//   OzFetched is set and OzOverWriteOK is off, in slot order;
// - TimerNavi (AutoRunMode on): VoteRace of the first slot whose win/place odds were read, OzFetched and
//   NaviTarget set, TohyoDone clear or DupTohyoOK on, and TohyoTime equal to the second: at most one;
// - Timer4 (when the results timer fires): FetchMining unless NotGetMining, then FetchPayouts of every slot
//   with a race number above 0 when the clock's "hhnn" sorts after the threshold and NotGetKekka is off.
std::vector<AutoAction> timerActions(SchedulerTimer timer, const SchedulerDay& day, const SchedulerSettings& settings,
                                     bool autoRunMode, const DateTime& second);

// Every timer's actions at `second` from one snapshot, in timer order.
std::vector<AutoAction> dueActions(const SchedulerDay& day, const SchedulerSettings& settings, bool autoRunMode,
                                   const DateTime& second);

}  // namespace marovix
