// marovix-cli show --app-folder DIR --day DAYTEXT [--race N] [--click-mark ROW:COL ...]: loads the day and
// shows race-list entry N exactly as the main window does, clicks the mark cells given (in order, as a
// click on StringGrid26 does), then prints the main window's state as one JSON object.
#include <algorithm>
#include <cstdio>
#include <optional>
#include <utility>

#include "cli/CliSession.h"
#include "cli/StateJson.h"
#include "core/race/MeetingDays.h"

namespace marovix {
namespace {

struct ShowArgs {
    std::string appFolder;
    std::string day;
    int race = 0;
    std::vector<std::string> clickMarks;
};

constexpr int kFirstMarkColumn = 18;
constexpr int kLastMarkColumn = 20;

// "ROW:COL" with a row from 1 and a mark column (18 ◎, 19 ○, 20 ▲).
std::optional<std::pair<int, int>> markCell(const std::string& text) {
    int row = 0, column = 0;
    char end = 0;
    if (std::sscanf(text.c_str(), "%d:%d%c", &row, &column, &end) != 2 || row < 1 || column < kFirstMarkColumn ||
        column > kLastMarkColumn || text.find_first_not_of("0123456789:") != std::string::npos)
        return std::nullopt;
    return std::pair{row, column};
}

CliRunner defineShow(CLI::App& sub) {
    auto args = std::make_shared<ShowArgs>();
    addAppFolderOption(sub, args->appFolder);
    sub.add_option("--day", args->day, "the meeting day as DateCombo lists it, e.g. 2025年03月01日")
        ->required()
        ->type_name("DAYTEXT");
    sub.add_option("--race", args->race, "the race-list entry to show, from 0")
        ->check(CLI::NonNegativeNumber)
        ->capture_default_str();
    sub.add_option("--click-mark", args->clickMarks,
                   "click mark cell ROW:COL of StringGrid26 (COL 18 ◎, 19 ○, 20 ▲) before printing; repeatable")
        ->type_name("ROW:COL")
        ->check(CLI::Validator(
            [](std::string& text) {
                return markCell(text) ? std::string()
                                      : "needs ROW:COL with a row from 1 and a column 18-20, got '" + text + "'";
            },
            "ROW:COL"));
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
        const int runnerRows = model.state().stringGrid26.rowCount() - 1;
        for (const std::string& click : args->clickMarks) {
            const auto [row, column] = *markCell(click);
            if (row > runnerRows) {
                std::fprintf(stderr, "marovix-cli show: --click-mark %s: race %d shows %d runner rows\n", click.c_str(),
                             args->race, runnerRows);
                return 2;
            }
            model.StringGrid26Click(column, row);
        }
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
