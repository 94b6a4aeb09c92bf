// marovix-cli vote --app-folder DIR --day DAYTEXT [--race N] [the actions of show: --page P, --click-mark
// ROW:COL, --stake BET=YEN, --strike PAGE:ROW ...] [--answer yes|no] [--wait-limit SECONDS] [--wait-end]:
// brings the window to the race as `show` does (the selection page turned before the marks are clicked),
// then runs the manual vote with its confirmation answered as --answer says; the vote waits its turn in
// the queue (see VoteWait.h); prints the messages and the day-log lines as JSON. Exit status 1 when the
// vote was refused or not handed over.
#include <cstdio>
#include <optional>

#include <nlohmann/json.hpp>

#include "cli/RaceView.h"
#include "cli/VoteWait.h"

namespace marovix {
namespace {

struct VoteArgs {
    RaceViewArgs view;
    std::string answer = "yes";
    VoteWaitOptions wait;
};

CliRunner defineVote(CLI::App& sub) {
    auto args = std::make_shared<VoteArgs>();
    addRaceViewOptions(sub, args->view);
    sub.add_option("--answer", args->answer,
                   "the answer to the question \"…に投票します。実行してよろしいですか？\": no ends the vote before "
                   "anything is written")
        ->check(CLI::IsMember({"yes", "no"}))
        ->capture_default_str();
    sub.add_option("--wait-limit", args->wait.limitSeconds,
                   "seconds the vote may wait for the previous plug-in run or another program's vote (default 60)")
        ->check(CLI::Range(0.0, 86400.0));
    sub.add_flag("--wait-end", args->wait.waitEnd,
                 "wait (within the same limit) for the plug-in run to end and report how it ended");
    return [args](CliContext& context) {
        CliSession session(context, appFolderOf(args->view.appFolder, context), "",
                           ConsoleDialogs::Options{false, args->answer == "yes"});
        if (!session.ready()) return 1;
        if (int status = openRaceView(session, args->view, "vote"); status != 0) return status;
        MainModel& model = session.model();
        const std::size_t before = model.state().autoNaviList.size();
        const std::size_t messagesBefore = session.dialogs().messages().size();
        const std::optional<int> lastVote = model.lastVote();
        model.TohyouBtnClick();
        const VoteWaitReport report = waitForVote(model, lastVote, args->wait);
        const auto& log = model.state().autoNaviList;
        nlohmann::ordered_json json;
        json["voted"] = report.outcome == VoteOutcome::HandedOver;
        const auto& messages = session.dialogs().messages();
        json["messages"] =
            std::vector<std::string>(messages.begin() + static_cast<std::ptrdiff_t>(messagesBefore), messages.end());
        json["dayLog"] = std::vector<std::string>(log.begin() + static_cast<std::ptrdiff_t>(before), log.end());
        addVoteWaitJson(json, report, args->wait);
        session.close();
        std::printf("%s\n", json.dump(1).c_str());
        return voteExitStatus(report, args->wait);
    };
}

const bool voteCommandRegistered = registerCliCommand(
    {"vote", "vote the selections of a race through the vote plug-in, as the window's \"投票\" does", defineVote});

}  // namespace
}  // namespace marovix
