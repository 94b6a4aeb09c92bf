// marovix-cli show --app-folder DIR --day DAYTEXT [--race N]: loads the day and shows race-list entry N
// exactly as the main window does, then prints the main window's state as one JSON object.
#include <algorithm>
#include <cstdio>

#include "cli/CliSession.h"
#include "cli/StateJson.h"
#include "core/race/MeetingDays.h"

namespace marovix {
namespace {

struct ShowArgs {
    std::string appFolder;
    std::string day;
    int race = 0;
};

CliRunner defineShow(CLI::App& sub) {
    auto args = std::make_shared<ShowArgs>();
    addAppFolderOption(sub, args->appFolder);
    sub.add_option("--day", args->day, "the meeting day as DateCombo lists it, e.g. 2025年03月01日")
        ->required()
        ->type_name("DAYTEXT");
    sub.add_option("--race", args->race, "the race-list entry to show, from 0")
        ->check(CLI::NonNegativeNumber)
        ->capture_default_str();
    return [args](CliContext& context) {
        const std::string appFolder = appFolderOf(args->appFolder, context);
        CliSession session(context, appFolder, "", ConsoleDialogs::Options{false, true});
        if (!session.created()) {
            for (const auto& message : session.dialogs().messages()) std::fprintf(stderr, "%s\n", message.c_str());
            return 1;
        }
        MainModel& model = session.model();
        const auto& days = model.state().dateCombo;
        if (std::find(days.begin(), days.end(), args->day) == days.end()) {
            std::fprintf(stderr, "marovix-cli show: no meeting day %s in %s/Data\n", args->day.c_str(),
                         appFolder.c_str());
            return 1;
        }
        model.DateComboChange(args->day);
        const int entries = static_cast<int>(model.state().datList.size());
        if (args->race >= entries) {
            std::fprintf(stderr, "marovix-cli show: race %d is outside the race list of %s (%d races)\n", args->race,
                         args->day.c_str(), entries);
            return 1;
        }
        if (args->race != model.state().currentRace) model.DatListClick(args->race);
        nlohmann::ordered_json json = stateJson(model);
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
