// marovix-cli show --app-folder DIR --day DAYTEXT [--race N] [--control NAME=VALUE ...] [--page P]
// [--bet-types LIST] [--mark-button NAME ...] [--click-mark ROW:COL ...] [--stake BET=YEN ...]
// [--strike PAGE:ROW ...]: loads the day and shows race-list entry N exactly as the main window does, with
// the actions a user takes there in the order a user takes them (see RaceView.h), then prints the main
// window's state as one JSON object.
#include <cstdio>

#include "cli/RaceView.h"
#include "cli/StateJson.h"

namespace marovix {
namespace {

CliRunner defineShow(CLI::App& sub) {
    auto args = std::make_shared<RaceViewArgs>();
    addRaceViewOptions(sub, *args);
    return [args](CliContext& context) {
        CliSession session(context, appFolderOf(args->appFolder, context), "", ConsoleDialogs::Options{false, true});
        if (!session.created()) {
            for (const auto& message : session.dialogs().messages()) std::fprintf(stderr, "%s\n", message.c_str());
            return 1;
        }
        if (int status = openRaceView(session, *args, "show"); status != 0) return status;
        nlohmann::ordered_json json = stateJson(session.model());
        json["messages"] = session.dialogs().messages();
        session.close();
        std::printf("%s\n", json.dump(1).c_str());
        return 0;
    };
}

const bool registered = registerCliCommand(
    {"show", "load a meeting day, show one of its races as the main window does and print the window's state as JSON",
     defineShow});

}  // namespace
}  // namespace marovix
