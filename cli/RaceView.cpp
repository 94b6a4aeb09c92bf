#include "cli/RaceView.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <utility>

namespace marovix {
namespace {

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

}  // namespace

void addRaceViewOptions(CLI::App& sub, RaceViewArgs& args) {
    addAppFolderOption(sub, args.appFolder);
    sub.add_option("--day", args.day, "the meeting day as DateCombo lists it, e.g. 2025年03月01日")
        ->required()
        ->type_name("DAYTEXT");
    sub.add_option("--race", args.race, "the race-list entry to show, from 0")
        ->check(CLI::NonNegativeNumber)
        ->capture_default_str();
    sub.add_option("--click-mark", args.clickMarks,
                   "click mark cell ROW:COL of StringGrid26 (COL 18 ◎, 19 ○, 20 ▲) after showing the race; repeatable")
        ->type_name("ROW:COL")
        ->check(CLI::Validator(
            [](std::string& text) {
                return markCell(text) ? std::string()
                                      : "needs ROW:COL with a row from 1 and a column 18-20, got '" + text + "'";
            },
            "ROW:COL"));
}

int openRaceView(CliSession& session, const RaceViewArgs& args, const std::string& command) {
    MainModel& model = session.model();
    const auto& days = model.state().dateCombo;
    if (std::find(days.begin(), days.end(), args.day) == days.end()) {
        std::fprintf(stderr, "marovix-cli %s: no meeting day %s in %s/Data\n", command.c_str(), args.day.c_str(),
                     model.folders().dataFolder().c_str());
        return 1;
    }
    model.DateComboChange(args.day);
    const int entries = static_cast<int>(model.state().datList.size());
    if (args.race >= entries) {
        std::fprintf(stderr, "marovix-cli %s: race %d is outside the race list of %s (%d races)\n", command.c_str(),
                     args.race, args.day.c_str(), entries);
        return 1;
    }
    if (args.race != model.state().currentEntry()) model.DatListClick(args.race);
    const int runnerRows = model.state().stringGrid26.rowCount() - 1;
    for (const std::string& click : args.clickMarks) {
        const auto [row, column] = *markCell(click);
        if (row > runnerRows) {
            std::fprintf(stderr, "marovix-cli %s: --click-mark %s: race %d shows %d runner rows\n", command.c_str(),
                         click.c_str(), args.race, runnerRows);
            return 2;
        }
        model.StringGrid26Click(column, row);
    }
    return 0;
}

}  // namespace marovix
