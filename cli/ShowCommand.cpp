// marovix-cli show --app-folder DIR --day DAYTEXT [--race N] [--control NAME=VALUE ...] [--page P]
// [--bet-types LIST] [--mark-button NAME ...] [--click-mark ROW:COL ...] [--stake BET=YEN ...]
// [--strike PAGE:ROW ...] [--sort GRID.COLUMN[:desc]]: loads the day and shows race-list entry N exactly as the main
// window does, with the actions a user takes there in the order a user takes them (see RaceView.h), then prints the
// main window's state as one JSON object. --sort clicks the heading of a column of StringGrid26 (1, 7) or StringGrid1
// (1, 8, 10, 12, 14, 16-20) once, ascending, or twice, descending, as the user sorts the card.
#include <cstdio>

#include "cli/RaceView.h"
#include "cli/StateJson.h"
#include "core/race/GridRowSort.h"

namespace marovix {
namespace {

// A heading click of --sort: the grid, the column, and how often it is clicked.
struct SortClick {
    GridId grid = GridId::StringGrid1;
    int column = 0;
    int clicks = 1;
};

SortClick parseSort(const std::string& text) {
    std::string column = text;
    SortClick sort;
    if (const std::size_t colon = column.find(':'); colon != std::string::npos) {
        if (column.substr(colon + 1) != "desc")
            throw CLI::ValidationError("--sort", "ends in :desc or nothing: " + text);
        sort.clicks = 2;
        column.resize(colon);
    }
    const std::size_t dot = column.find('.');
    const std::string grid = dot == std::string::npos ? "" : column.substr(0, dot);
    if (grid == gridName(GridId::StringGrid26))
        sort.grid = GridId::StringGrid26;
    else if (grid != gridName(GridId::StringGrid1))
        throw CLI::ValidationError("--sort", "names StringGrid26 or StringGrid1 before the column: " + text);
    try {
        std::size_t used = 0;
        sort.column = std::stoi(column.substr(dot + 1), &used);
        if (used != column.size() - dot - 1) sort.column = -1;
    } catch (const std::exception&) {
        sort.column = -1;
    }
    if (!sortableHeading(sort.grid, sort.column))
        throw CLI::ValidationError("--sort", "is no sorting heading of " + grid + ": " + text);
    return sort;
}

CliRunner defineShow(CLI::App& sub) {
    auto args = std::make_shared<RaceViewArgs>();
    auto sort = std::make_shared<std::optional<SortClick>>();
    addRaceViewOptions(sub, *args);
    sub.add_option_function<std::string>(
           "--sort", [sort](const std::string& text) { *sort = parseSort(text); },
           "sort the race card by a heading, e.g. StringGrid26.7 (win popularity) or StringGrid1.14:desc")
        ->type_name("GRID.COLUMN[:desc]");
    return [args, sort](CliContext& context) {
        CliSession session(context, appFolderOf(args->appFolder, context), "", ConsoleDialogs::Options{false, true});
        if (!session.ready()) return 1;
        if (int status = openRaceView(session, *args, "show"); status != 0) return status;
        if (*sort)
            for (int click = 0; click < (*sort)->clicks; ++click)
                session.model().raceCardHeadingClick((*sort)->grid, (*sort)->column);
        nlohmann::ordered_json json = stateJson(session.model());
        json["messages"] = session.dialogs().messages();
        session.close();
        std::printf("%s\n", json.dump(1).c_str());
        return 0;
    };
}

const bool showCommandRegistered = registerCliCommand(
    {"show", "load a meeting day, show one of its races as the main window does and print the window's state as JSON",
     defineShow});

}  // namespace
}  // namespace marovix
