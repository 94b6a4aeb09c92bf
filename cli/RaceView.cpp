#include "cli/RaceView.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <utility>

#include "cli/MainControls.h"
#include "cli/RaceActionArgs.h"
#include "core/kaime/BetPages.h"

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

void tickBetTypes(MainModel& model, const BetTypeChoice& choice) {
    switch (choice.kind) {
        case BetTypeChoice::Kind::All: return model.AllBakenBTnClick();
        case BetTypeChoice::Kind::None: return model.NoBakenBtnClick();
        case BetTypeChoice::Kind::Exactly: break;
    }
    for (const BetTypeInfo& bet : kBetTypes) {
        const auto box = static_cast<MainOption>(static_cast<int>(MainOption::BuyTan) + static_cast<int>(bet.type));
        const bool wanted = choice.ticked[static_cast<std::size_t>(bet.type)];
        if (model.state().options.on(box) != wanted) model.setOption(box, wanted ? 1 : 0);
    }
}

// The data rows a grid shows (the heading row not counted).
template <class Grid>
int dataRows(const Grid& grid) {
    return grid.rowCount() - 1;
}

}  // namespace

void addRaceViewOptions(CLI::App& sub, RaceViewArgs& args) {
    addAppFolderOption(sub, args.appFolder);
    addDayOption(sub, args.day, "the meeting day, e.g. 2025年03月01日 or 20250301")->required();
    sub.add_option("--race", args.race, "the race-list entry to show, from 0")
        ->check(CLI::NonNegativeNumber)
        ->capture_default_str();
    addParsedOption(sub, "--control", args.controls, "NAME=VALUE", parseControlChange,
                    "set a control of the main window by its name (list below) before the day is loaded, as its "
                    "click does; kept in the settings like the window's; repeatable");
    sub.add_option("--page", args.page,
                   "turn the selection tabs (PageControl4) to page P before the day is loaded and the marks are "
                   "clicked: 0 the combined list \"一括\", 1-8 単勝 ... ３連単")
        ->check(CLI::Range(0, kBetPageCount - 1));
    addParsedOption(sub, "--bet-types", args.betTypes, "all|none|" + betTypePrefixList(), parseBetTypes,
                    "the bet types that take part, every other one not (their check boxes clicked), or all / none "
                    "(the buttons \"全選択\" / \"全解除\"); set before the day is loaded");
    addParsedOption(sub, "--mark-button", args.markButtons, "NAME", parseMarkButton,
                    "press a button over the marks after showing the race: AllCkBtn1-3 \"全\" puts ◎ ○ ▲ on every "
                    "runner, AllDlBtn1-3 \"CL\" takes it off; repeatable, before --click-mark");
    sub.add_option("--click-mark", args.clickMarks,
                   "click mark cell ROW:COL of StringGrid26 (COL 18 ◎, 19 ○, 20 ▲) after showing the race; repeatable")
        ->type_name("ROW:COL")
        ->check(CLI::Validator(
            [](std::string& text) {
                return markCell(text) ? std::string()
                                      : "needs ROW:COL with a row from 1 and a column 18-20, got '" + text + "'";
            },
            "", "ROW:COL"));
    addParsedOption(sub, "--stake", args.stakes, "BET=YEN", parseStakeInput,
                    "type YEN into the stake edit of a bet type (" + betTypePrefixList() +
                        ") for the race shown, after the marks; repeatable");
    addParsedOption(sub, "--strike", args.strikes, "PAGE:ROW", parseStrikeCell,
                    "click the \"消\" cell of row ROW of page PAGE's grid (0 一括, 1 単勝) last: strikes the row "
                    "out, or back in; repeatable");
    sub.footer("Controls for --control (NAME=VALUE):\n" + controlList());
}

int openRaceView(CliSession& session, const RaceViewArgs& args, const std::string& command) {
    MainModel& model = session.model();
    if (!session.dayListed(args.day, command)) return 1;
    // 1. The controls that stay as they are from day to day (every text was checked when parsed).
    for (const std::string& control : args.controls) parseControlChange(control)->apply(model);
    if (args.page) model.PageControl4Change(*args.page);
    if (args.betTypes) tickBetTypes(model, *parseBetTypes(*args.betTypes));

    // 2. The day and the race.
    model.DateComboChange(args.day);
    const int entries = static_cast<int>(model.state().datList.size());
    if (args.race >= entries) {
        std::fprintf(stderr, "marovix-cli %s: race %d is outside the race list of %s (%d races)\n", command.c_str(),
                     args.race, args.day.c_str(), entries);
        return 1;
    }
    if (args.race != model.state().currentEntry()) model.DatListClick(args.race);

    // 3. The marks.
    for (const std::string& button : args.markButtons) {
        const MarkButton pressed = *parseMarkButton(button);
        if (pressed.all)
            model.AllCkBtnClick(pressed.mark);
        else
            model.AllDlBtnClick(pressed.mark);
    }
    const int runnerRows = dataRows(model.state().stringGrid26);
    for (const std::string& click : args.clickMarks) {
        const auto [row, column] = *markCell(click);
        if (row > runnerRows) {
            std::fprintf(stderr, "marovix-cli %s: --click-mark %s: race %d shows %d runner rows\n", command.c_str(),
                         click.c_str(), args.race, runnerRows);
            return 2;
        }
        model.StringGrid26Click(column, row);
    }

    // 4. The stakes of the race.
    for (const std::string& stake : args.stakes) {
        const StakeInput input = *parseStakeInput(stake);
        model.tohyoEditChange(input.bet, input.yen);
    }

    // 5. The rows struck out.
    for (const std::string& strike : args.strikes) {
        const StrikeCell cell = *parseStrikeCell(strike);
        const KaimeGrid& grid = cell.page == 0 ? model.state().allKaimeGrid : model.state().kaimeGrid(BetType::Tan);
        if (cell.row > dataRows(grid)) {
            std::fprintf(stderr, "marovix-cli %s: --strike %s: page %d shows %d rows\n", command.c_str(),
                         strike.c_str(), cell.page, dataRows(grid));
            return 2;
        }
        constexpr int kKesuColumn = KaimeGrid::index(KaimeCol::Kesu);
        if (cell.page == 0)
            model.AllKaimeGridClick(kKesuColumn, cell.row);
        else
            model.TanKaimeGridClick(kKesuColumn, cell.row);
    }
    return 0;
}

}  // namespace marovix
