#include "cli/VoteWait.h"

#include <chrono>
#include <thread>

#include "cli/ConsoleInterrupt.h"
#include "core/vote/VoteQueue.h"

namespace marovix {
namespace {

using Steady = std::chrono::steady_clock;
constexpr auto kPollInterval = std::chrono::milliseconds(100);

const char* outcomeName(VoteOutcome outcome) {
    switch (outcome) {
        case VoteOutcome::Waiting: return "waiting";
        case VoteOutcome::HandedOver: return "handedOver";
        case VoteOutcome::Refused: return "refused";
        case VoteOutcome::Failed: return "failed";
        case VoteOutcome::Withdrawn: return "withdrawn";
    }
    return "failed";
}

// Pumps the queue until `done` holds, the bound passes or Ctrl-C comes; true when `done` holds.
template <class Done>
bool pumpUntil(MainModel& model, Steady::time_point deadline, Done done) {
    while (!done()) {
        if (Steady::now() >= deadline || ConsoleInterrupt::requested()) return false;
        std::this_thread::sleep_for(kPollInterval);
        model.VoteQueueTimerTimer();
    }
    return true;
}

}  // namespace

VoteWaitReport waitForVote(MainModel& model, std::optional<int> before, const VoteWaitOptions& options) {
    VoteWaitReport report;
    if (model.lastVote() == before) return report;  // refused by a check, or answered No
    ConsoleInterrupt interrupt;
    const int id = *model.lastVote();
    report.vote = id;
    const VoteQueue& queue = model.voteQueue();
    const auto start = Steady::now();
    const auto limit =
        std::chrono::duration_cast<Steady::duration>(std::chrono::duration<double>(options.limitSeconds));
    if (!pumpUntil(model, start + limit, [&] { return queue.outcome(id) != VoteOutcome::Waiting; }))
        model.withdrawVote(id);
    report.outcome = queue.outcome(id);
    report.waitedSeconds = std::chrono::duration<double>(Steady::now() - start).count();
    if (options.waitEnd && report.outcome == VoteOutcome::HandedOver) {
        pumpUntil(model, Steady::now() + limit, [&] { return !queue.running(id); });
        report.runEnd = queue.runEnd(id);
    }
    return report;
}

void addVoteWaitJson(nlohmann::ordered_json& json, const VoteWaitReport& report, const VoteWaitOptions& options) {
    json["outcome"] = report.vote ? outcomeName(report.outcome) : "notQueued";
    json["waitedSeconds"] = static_cast<double>(static_cast<long>(report.waitedSeconds * 10)) / 10;
    if (!options.waitEnd || report.outcome != VoteOutcome::HandedOver) return;
    nlohmann::ordered_json run;
    run["ended"] = report.runEnd.has_value();
    if (report.runEnd && report.runEnd->kind == PluginRunState::Kind::Exited) run["exitCode"] = report.runEnd->code;
    if (report.runEnd && report.runEnd->kind == PluginRunState::Kind::Signalled) run["signal"] = report.runEnd->code;
    json["run"] = run;
}

int voteExitStatus(const VoteWaitReport& report, const VoteWaitOptions& options) {
    if (!report.vote || report.outcome != VoteOutcome::HandedOver) return 1;
    if (options.waitEnd && (!report.runEnd || report.runEnd->failed())) return 1;
    return 0;
}

}  // namespace marovix
