#pragma once
// The vote plug-in stand-in, a paper-trading VQMTohyoPlugIn2.exe. Started with a vote file path it
// checks the file's lines and takes each accepted stake from a simulated balance; started with
// " money" it leaves ipatbalance.ini. All its files live in its own folder (see docs/vote-plugin.md):
// VQMTohyoPlugIn2.ini (INETID and the balance), ipatbalance.ini, and the day logs
// logs/yyyymmdd.log (the date of the run). It never uses a network.
#include <functional>
#include <string>
#include <vector>

#include "core/common/Result.h"
#include "core/ports/Clock.h"

namespace marovix {

// Tests: called between the steps of a vote run.
struct VoteRunHooks {
    std::function<void()> logged;  // the entry is in the day log, the balance not yet changed
};

// Places a vote file on paper: decides it whole (decideVoteFile), appends every line with its verdict
// to the day log, then takes the accepted stakes from the balance. Nothing is taken when the file is
// refused whole, when the balance cannot be read, or when the log cannot be written; when the balance
// cannot be written after the entry, a "[取消]" entry follows it. An error only when the files cannot be
// written.
Status runVote(const std::string& folder, const std::string& voteFile, const Clock& clock,
               const VoteRunHooks& hooks = {});

// Writes ipatbalance.ini ("[ipatbalance]", "date=" + time, "balance=" + yen) and logs the query.
// A settings file without a balance gets the initial one stored.
Status runBalanceQuery(const std::string& folder, const Clock& clock);

// The program: `parameters` are its arguments, joined by blanks into one parameter text (a start
// that split a path with blanks loses nothing). "money", blanks around it ignored, asks for the
// balance; any other text is a vote file path (relative paths from the working folder). Exit code:
// 0 when done (refused lines included), 1 when its files could not be written, 2 without a parameter.
int runVotePlugin(const std::vector<std::string>& parameters, const std::string& folder, const Clock& clock);

}  // namespace marovix
