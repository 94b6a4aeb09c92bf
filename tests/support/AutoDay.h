#pragma once
// A race day for automatic operation in an application folder: the test day of TestDayFiles (six races
// of ten runners at Tokyo on 26 May 2024, race r posting at 10:00 + 30r minutes), the alert sounds in
// its shared-data folder "share", a vote plug-in folder "plugin", every race a target (one by one), the
// win bet taking part with a stake of 500 and ◎ on the favourite; mining and payouts left out of the
// schedule.
#include <string>
#include <vector>

#include "core/common/Result.h"

namespace marovix {

class Clock;
class FakeClock;
class Scheduler;
class ScriptedJvLink;
struct DateTime;

Status writeAutoDay(const std::string& appFolder, const Clock& clock);

// The next real-time fetch of `jvLink` serves win odds of race `race` of that day, `favourite` the
// favourite at 2.1.
void queueWinOdds(ScriptedJvLink& jvLink, int race, int favourite = 3);

// Advances `clock` one second at a time up to `last`, ticking `scheduler` at each, as the window's timer
// does.
void stepTo(FakeClock& clock, Scheduler& scheduler, const DateTime& last);

// The JVRTOpen calls `jvLink` was given, in order ("JVRTOpen 0B30 2024052605020801").
std::vector<std::string> rtOpens(const ScriptedJvLink& jvLink);

}  // namespace marovix
