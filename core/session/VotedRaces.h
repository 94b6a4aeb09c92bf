#pragma once
// The races of a loaded day that were voted before it was loaded, by this program or another, as the
// vote blocks of the day logs record them.
#include <set>
#include <span>
#include <string>
#include <vector>

#include "core/common/DateTime.h"
#include "core/session/DaySession.h"
#include "core/vote/VoteLogScan.h"

namespace marovix {

// The days whose day logs can hold votes of the session's races: the race day and the two days before it
// (a vote is made on the race day or the day before, and a program writes to the log of the day it
// started). None when the session has no race with a usable date.
std::vector<DateTime> voteLogDays(const DaySession& session);

// Sets TohyoDone of every race a vote of `votes` names by its vote lines (date, course and race number).
// A vote without vote lines names its race by the race list's entry text alone: it is taken only when
// one race of the day has that text and the vote's date leaves no other meeting day of `meetingDays`
// (DayTexts) it could have been for.
void markVotedRaces(DaySession& session, std::span<const LoggedVote> votes, const std::set<std::string>& meetingDays);

}  // namespace marovix
