// marovix-cli vote --app-folder DIR --day DAYTEXT [--race N] [the actions of show: --page P, --click-mark
// ROW:COL, --stake BET=YEN, --strike PAGE:ROW ...] [--answer yes|no]: brings the window to the race as
// `show` does (the selection page turned before the marks are clicked), then runs the manual vote with its
// confirmation answered as --answer says; prints the messages and the day-log block as JSON.
#include <cstdio>

#include <nlohmann/json.hpp>

#include "cli/RaceView.h"

namespace marovix {
namespace {

struct VoteArgs {
    RaceViewArgs view;
    std::string answer = "yes";
};

CliRunner defineVote(CLI::App& sub) {
    auto args = std::make_shared<VoteArgs>();
    addRaceViewOptions(sub, args->view);
    sub.add_option("--answer", args->answer,
                   "the answer to the question \"…に投票します。実行してよろしいですか？\": no ends the vote before "
                   "anything is written")
        ->check(CLI::IsMember({"yes", "no"}))
        ->capture_default_str();
    return [args](CliContext& context) {
        CliSession session(context, appFolderOf(args->view.appFolder, context), "",
                           ConsoleDialogs::Options{false, args->answer == "yes"});
        if (!session.created()) {
            for (const auto& message : session.dialogs().messages()) std::fprintf(stderr, "%s\n", message.c_str());
            return 1;
        }
        if (int status = openRaceView(session, args->view, "vote"); status != 0) return status;
        MainModel& model = session.model();
        const std::size_t before = model.state().autoNaviList.size();
        const std::size_t messagesBefore = session.dialogs().messages().size();
        model.TohyouBtnClick();
        const auto& log = model.state().autoNaviList;
        nlohmann::ordered_json json;
        json["voted"] = model.tohyoDone(model.state().currentRace);
        const auto& messages = session.dialogs().messages();
        json["messages"] =
            std::vector<std::string>(messages.begin() + static_cast<std::ptrdiff_t>(messagesBefore), messages.end());
        json["dayLog"] = std::vector<std::string>(log.begin() + static_cast<std::ptrdiff_t>(before), log.end());
        session.close();
        std::printf("%s\n", json.dump(1).c_str());
        return 0;
    };
}

const bool registered = registerCliCommand(
    {"vote", "vote the selections of a race through the vote plug-in, as the window's \"投票\" does", defineVote});

}  // namespace
}  // namespace marovix
