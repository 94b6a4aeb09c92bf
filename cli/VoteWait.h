#pragma once
// The command line's part of a vote: the vote waits in the queue while the previous run of the day's vote
// file goes on or another program holds the vote lock, polling within a bound, and, when asked, the run
// handed the vote is waited for too and its end reported.
#include <optional>

#include <nlohmann/json.hpp>

#include "core/app/MainModel.h"
#include "core/ports/VotePluginLauncher.h"
#include "core/vote/VoteQueue.h"

namespace marovix {

struct VoteWaitOptions {
    double limitSeconds = 60;  // the longest wait, for the hand-over and again for the run's end
    bool waitEnd = false;      // wait for the run handed the vote to end
};

struct VoteWaitReport {
    std::optional<int> vote;  // the vote put into the queue; nothing when a check or the answer stopped it
    VoteOutcome outcome = VoteOutcome::Failed;
    double waitedSeconds = 0;              // in the queue
    std::optional<PluginRunState> runEnd;  // with waitEnd: how the run ended (nothing: still running)
};

// Waits for the vote numbered after `before` (the model's lastVote() before the click): pumps the queue
// every 100 ms until it is handed over or ends otherwise; a vote still waiting at the bound (or at a
// Ctrl-C) is given up. With waitEnd the run is then waited for within the same bound.
VoteWaitReport waitForVote(MainModel& model, std::optional<int> before, const VoteWaitOptions& options);

// The report's fields of the JSON output: "outcome", "waitedSeconds", and with waitEnd "run".
void addVoteWaitJson(nlohmann::ordered_json& json, const VoteWaitReport& report, const VoteWaitOptions& options);

// 0 for a vote handed over (whose run, when waited for, ended with status 0), else 1.
int voteExitStatus(const VoteWaitReport& report, const VoteWaitOptions& options);

}  // namespace marovix
