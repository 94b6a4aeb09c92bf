#pragma once
// Automatic operation as the main window shows it: the state of the race day (Idle, Watching, Running),
// the switch's texts and day-log lines, the indicator colours, the red "操作注意" period and the time left
// to the current race's post.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/DateTime.h"
#include "core/common/MainLabels.h"

namespace marovix {

// Idle: no day of today selected, or the clock outside 09:00:00-18:00:59: nothing is scheduled.
// Watching: today's day selected, automatic operation off: fetches and balance checks, no votes.
// Running: as Watching, plus the automatic vote of each target race at its vote time.
enum class AutoRunState { Idle, Watching, Running };

AutoRunState autoRunState(const std::string& shownDay, const DateTime& now, bool autoRunMode);
// "Idle", "Watching", "Running".
std::string_view autoRunStateName(AutoRunState state);

// The messages of the switch "自動運転".
inline constexpr std::string_view kAutoRunOnMessage = "自動運転を設定しました。";
inline constexpr std::string_view kAutoRunOffMessage = "自動運転を解除しました。";

// The day-log lines of the switch: "-----" and "■自動運転開始 " or "■自動運転解除 " + "yyyy/mm/dd hh:nn:ss".
std::vector<std::string> autoRunSwitchLines(bool on, const DateTime& now);

// The indicators AutoNaviLabel and SimModeLabel (green on, grey off) and operateLabel (red after a
// scheduled odds fetch in automatic operation, grey again when FormDisableTimer fires).
inline constexpr Rgb kIndicatorOn = 0x00FF00u;
inline constexpr Rgb kIndicatorOff = 0x808080u;
inline constexpr Rgb kOperateAlert = 0xFF0000u;
inline Rgb indicatorColor(bool on) { return on ? kIndicatorOn : kIndicatorOff; }

// FormDisableTimer's interval: I * 1000 + 15000 ms, I being AutoTohyoInterval as read at each use.
int formDisableIntervalMs(int autoTohyoInterval);

// The post moment of a race: the date of its RaceKey16 and its post time "hhmm", seconds 0; nothing when
// either is no valid time.
std::optional<DateTime> postMoment(std::string_view raceKey16, std::string_view postHhmm);

// RestTimeLabel: "発走までの残り時間：" + "hh:mm:ss" while the post lies ahead of the clock, "発走済み" from
// the post on; empty without a race (or a race whose post moment is unknown).
std::string restTimeText(const std::optional<DateTime>& post, const DateTime& now);

}  // namespace marovix
