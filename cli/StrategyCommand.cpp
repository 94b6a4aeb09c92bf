// marovix-cli strategy [--app-folder DIR] [--day DAYTEXT] [--index MARK=ITEM ...] [--set-rank MARK=RANKS ...]
// [--rank MARK=RANK:0|1 ...] [--borrow MARK=0|1 ...] [--own-index N=PREFIX ...] [--targets SPEC ...]
// [--navi-quit SEL[:GOAL:FLOOR]] [--sirusi MARK] [--import FILE] [--race N] [--click-mark ROW:COL ...]
// [--apply-targets]: the window "買い目設定" through its model, over the main window's model of the folder
// (with --day the day is loaded first, as DateCombo does, which computes the targets once). MARK is 1 (◎),
// 2 (○) or 3 (▲). Each option clicks the window's controls as a user does, in the order of this list:
// every setting is written at once, a rank click rewrites "selecteduma.dat", a mark click or an import
// saves the day's ".Uset" file; --apply-targets clicks NaviSetBtn last. Then the window's state is printed
// as JSON. Exits 1 when something could not be stored or a message was shown.
#include <charconv>
#include <cstdio>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <sstream>

#include "cli/CliApp.h"
#include "cli/CliSession.h"
#include "cli/StateJson.h"
#include "core/common/Result.h"
#include "core/strategy/KaimeSettingModel.h"

namespace marovix {
namespace {

struct StrategyArgs {
    std::string appFolder;
    std::string day;
    std::vector<std::string> indexes, setRanks, ranks, borrows, ownIndexes, targets, clickMarks;
    std::string naviQuit;
    int sirusi = 0;
    std::string importFile;
    std::optional<int> race;
    bool applyTargets = false;
};

// "NAME=VALUE" split at the first "=".
std::pair<std::string, std::string> splitAssignment(std::string_view text) {
    const auto equals = text.find('=');
    if (equals == std::string_view::npos) return {std::string(text), ""};
    return {std::string(text.substr(0, equals)), std::string(text.substr(equals + 1))};
}

// A whole number from `low` to `high`.
Result<int> numberIn(const std::string& text, int low, int high, const std::string& what) {
    int value = 0;
    const auto [end, fault] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || fault != std::errc{} || end != text.data() + text.size() || value < low || value > high)
        return Error{what + " takes " + std::to_string(low) + " to " + std::to_string(high) + ", got '" + text + "'"};
    return value;
}

// "1,2,5" (or "none"): the numbers from `low` to `high`.
Result<std::vector<int>> numberList(const std::string& text, int low, int high) {
    std::vector<int> numbers;
    if (text == "none" || text.empty()) return numbers;
    if (text == "all") {
        for (int n = low; n <= high; ++n) numbers.push_back(n);
        return numbers;
    }
    std::stringstream stream(text);
    std::string item;
    while (std::getline(stream, item, ',')) {
        auto number = numberIn(item, low, high, "an item");
        if (!number) return number.failure();
        numbers.push_back(*number);
    }
    return numbers;
}

// MARK=N with N from `low` to `high`: the mark (0-based) and the number.
Result<std::pair<int, int>> markValue(std::string_view text, int low, int high) {
    const auto [mark, value] = splitAssignment(text);
    auto markNumber = numberIn(mark, 1, kMarkCount, "MARK");
    if (!markNumber) return markNumber.failure();
    auto number = numberIn(value, low, high, "the value");
    if (!number) return number.failure();
    return std::pair{*markNumber - 1, *number};
}

// MARK=RANK:0|1.
Result<std::pair<int, int>> rankClick(std::string_view text) {
    const auto colon = text.rfind(':');
    if (colon == std::string_view::npos || (text.substr(colon + 1) != "0" && text.substr(colon + 1) != "1"))
        return Error{"a rank click is MARK=RANK:0 or MARK=RANK:1, got '" + std::string(text) + "'"};
    return markValue(text.substr(0, colon), 1, KaimeSettingModel::kRankCount);
}

// MARK=RANKS: the mark (0-based) and the ranks to be selected, every other rank not.
Result<std::pair<int, std::vector<int>>> rankSet(std::string_view text) {
    const auto [mark, ranks] = splitAssignment(text);
    auto markNumber = numberIn(mark, 1, kMarkCount, "MARK");
    if (!markNumber) return markNumber.failure();
    auto list = numberList(ranks, 1, KaimeSettingModel::kRankCount);
    if (!list) return list.failure();
    return std::pair{*markNumber - 1, *list};
}

// A change of the tab "対象レース指定": pick=0|1, kyori=FROM-TO, race=ENTRIES (RaceList0, from 0) or
// LIST=ITEMS with LIST a list's control name (BashoList0 ...) and ITEMS its items from 0; ITEMS and ENTRIES
// are "all", "none" or numbers separated by commas, and the list is clicked until exactly those are selected.
struct TargetChange {
    std::string what;
    std::vector<int> items;
    int from = 0, to = 0;
};

std::optional<FilterListId> filterListNamed(const std::string& name) {
    for (int id = 0; id < kFilterListCount; ++id)
        if (filterListName(static_cast<FilterListId>(id)) == name) return static_cast<FilterListId>(id);
    return std::nullopt;
}

Result<TargetChange> targetChange(std::string_view text) {
    const auto [what, value] = splitAssignment(text);
    TargetChange change{what, {}, 0, 0};
    if (what == "pick") {
        auto pick = numberIn(value, 0, 1, "pick");
        if (!pick) return pick.failure();
        change.from = *pick;
        return change;
    }
    if (what == "kyori") {
        const auto dash = value.find('-');
        if (dash == std::string::npos) return Error{"kyori takes FROM-TO, got '" + value + "'"};
        auto from = numberIn(value.substr(0, dash), kKyoriEdit01Range.minimum, kKyoriEdit01Range.maximum, "FROM");
        if (!from) return from.failure();
        auto to = numberIn(value.substr(dash + 1), kKyoriEdit02Range.minimum, kKyoriEdit02Range.maximum, "TO");
        if (!to) return to.failure();
        change.from = *from;
        change.to = *to;
        return change;
    }
    int count = 36;
    if (what != "race") {
        const auto list = filterListNamed(what);
        if (!list)
            return Error{"no list '" + what +
                         "' (pick, kyori, race, BashoList0, TrackList0, AgeList0, "
                         "ClassList0, JuryoList0, TosuList0)"};
        count = static_cast<int>(filterListItems(*list).size());
    }
    auto items = numberList(value, 0, count - 1);
    if (!items) return items.failure();
    change.items = *items;
    return change;
}

// Clicks the items of a multi-select list until exactly `wanted` are selected.
void selectExactly(const std::vector<bool>& now, const std::vector<int>& wanted,
                   const std::function<void(int, bool)>& click) {
    for (std::size_t item = 0; item < now.size(); ++item) {
        const bool on = std::find(wanted.begin(), wanted.end(), static_cast<int>(item)) != wanted.end();
        if (now[item] != on) click(static_cast<int>(item), on);
    }
}

void applyTargetChange(KaimeSettingModel& model, const TargetChange& change) {
    if (change.what == "pick") return model.PickMethodGroupClick(change.from);
    if (change.what == "kyori") {
        model.KyoriEditChange(true, change.from);
        model.KyoriEditChange(false, change.to);
        return;
    }
    if (change.what == "race")
        return selectExactly(model.state().targets.raceList0, change.items,
                             [&](int entry, bool on) { model.RaceList0Click(entry, on); });
    const FilterListId list = *filterListNamed(change.what);
    selectExactly(model.state().targets.filter.list(list), change.items,
                  [&](int item, bool on) { model.filterListClick(list, item, on); });
}

// SEL[:GOAL:FLOOR].
Result<std::vector<int>> naviQuit(std::string_view text) {
    std::vector<int> parts;
    std::stringstream stream{std::string(text)};
    std::string item;
    while (std::getline(stream, item, ':')) {
        auto number = numberIn(item, parts.empty() ? 1 : 0, parts.empty() ? 3 : 99999999, "SEL, GOAL and FLOOR");
        if (!number) return number.failure();
        parts.push_back(*number);
    }
    if (parts.size() != 1 && parts.size() != 3) return Error{"--navi-quit takes SEL or SEL:GOAL:FLOOR"};
    return parts;
}

Result<std::pair<int, int>> markCell(std::string_view text) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos) return Error{"a mark cell is ROW:COL, got '" + std::string(text) + "'"};
    auto row = numberIn(std::string(text.substr(0, colon)), 1, 18, "ROW");
    if (!row) return row.failure();
    auto column = numberIn(std::string(text.substr(colon + 1)), 18, 20, "COL");
    if (!column) return column.failure();
    return std::pair{*row, *column};
}

Result<std::pair<int, std::string>> ownIndex(std::string_view text) {
    const auto [which, prefix] = splitAssignment(text);
    auto number = numberIn(which, 1, 2, "N");
    if (!number) return number.failure();
    return std::pair{*number - 1, prefix};
}

nlohmann::ordered_json multiListJson(const std::vector<std::string>& items, const std::vector<bool>& selected) {
    nlohmann::ordered_json json;
    json["items"] = items;
    std::vector<int> chosen;
    for (std::size_t i = 0; i < selected.size(); ++i)
        if (selected[i]) chosen.push_back(static_cast<int>(i));
    json["selected"] = chosen;
    return json;
}

nlohmann::ordered_json labelJson(const Label& label) {
    nlohmann::ordered_json json;
    json["text"] = label.text;
    if (label.background) json["background"] = *label.background;
    return json;
}

nlohmann::ordered_json strategyJson(KaimeSettingModel& model, MainModel& main) {
    const KaimeSettingState& state = model.state();
    nlohmann::ordered_json json;
    nlohmann::ordered_json targets;
    targets["PickMethodGroup"] = static_cast<int>(state.targets.pickWay);
    for (int id = 0; id < kFilterListCount; ++id) {
        const auto list = static_cast<FilterListId>(id);
        std::vector<std::string> items;
        for (std::string_view item : filterListItems(list)) items.emplace_back(item);
        targets[std::string(filterListName(list))] = multiListJson(items, state.targets.filter.list(list));
    }
    targets["KyoriEdit01"] = state.targets.filter.kyoriFrom;
    targets["KyoriEdit02"] = state.targets.filter.kyoriTo;
    targets["RaceList0"] = multiListJson(state.raceList0, state.targets.raceList0);
    json["対象レース指定"] = targets;
    json["NavRListBox"] = state.navRListBox;
    std::vector<std::string> naviTargets;
    const MainState& mainState = main.state();
    for (std::size_t entry = 0; entry < mainState.datList.size(); ++entry)
        if (main.naviTarget(mainState.slotOfEntry(static_cast<int>(entry))))
            naviTargets.push_back(mainState.datList[entry]);
    json["NaviTarget"] = naviTargets;
    json["自動運転終了指定"] = {{"Sel", static_cast<int>(state.naviQuit.sel)},
                                {"NaviQuitEdit1", state.naviQuit.goal},
                                {"NaviQuitEdit2", state.naviQuit.floor}};
    json["index"] = state.strategy.index;
    json["ranks"] = nlohmann::json::array();
    for (const auto& ranks : state.strategy.ranks) {
        std::vector<int> selected;
        for (int r = 1; r <= KaimeSettingModel::kRankCount; ++r)
            if (ranks[static_cast<std::size_t>(r)]) selected.push_back(r);
        json["ranks"].push_back(selected);
    }
    json["borrowIndex"] = state.strategy.borrowIndex;
    json["ownIndexPrefix"] = state.ownIndexPrefix;
    using LabelId = KaimeSettingIds::LabelId;
    json["labels"] = {{"SampleCSVLabel1", labelJson(state.labels[LabelId::SampleCSVLabel1])},
                      {"SampleCSVLabel2", labelJson(state.labels[LabelId::SampleCSVLabel2])},
                      {"Org1ExistsLabel", labelJson(state.labels[LabelId::Org1ExistsLabel])},
                      {"Org2ExistsLabel", labelJson(state.labels[LabelId::Org2ExistsLabel])}};
    json["SirusiRadio"] = state.sirusiRadio;
    json["DatList"] = {{"items", state.datList.items}, {"selected", state.datList.selected}};
    json["StringGrid26"] = gridJson(state.stringGrid26);
    return json;
}

CliRunner defineStrategy(CLI::App& sub) {
    auto args = std::make_shared<StrategyArgs>();
    addAppFolderOption(sub, args->appFolder);
    addDayOption(sub, args->day, "load this meeting day first, e.g. 2025年03月01日 or 20250301");
    addParsedOption(
        sub, "--index", args->indexes, "MARK=ITEM", [](std::string_view t) { return markValue(t, 0, 5); },
        "the mark's index radio group takes item 0 (単人気) to 5 (独自指2); repeatable");
    addParsedOption(sub, "--set-rank", args->setRanks, "MARK=RANKS", rankSet,
                    "the mark's rank list clicked until exactly RANKS (e.g. 1,2,3, all or none) are selected; "
                    "repeatable");
    addParsedOption(sub, "--rank", args->ranks, "MARK=RANK:0|1", rankClick,
                    "a click selecting (1) or deselecting (0) a rank of the mark's list; repeatable");
    addParsedOption(
        sub, "--borrow", args->borrows, "MARK=0|1", [](std::string_view t) { return markValue(t, 0, 1); },
        "the mark's CheckBox: borrowed from the rank choice in the pre-marked mode; repeatable");
    addParsedOption(sub, "--own-index", args->ownIndexes, "N=PREFIX", ownIndex,
                    "the name prefix of own index 1 or 2; repeatable");
    addParsedOption(sub, "--targets", args->targets, "SPEC", targetChange,
                    "a change of the tab 対象レース指定: pick=0|1, kyori=FROM-TO, race=ENTRIES or LIST=ITEMS (LIST "
                    "BashoList0, TrackList0, AgeList0, ClassList0, JuryoList0 or TosuList0; items from 0, "
                    "all or none); repeatable");
    addParsedOption(sub, "--navi-quit", args->naviQuit, "SEL[:GOAL:FLOOR]", naviQuit,
                    "the stop rule: 1 none, 2 above the goal, 3 below the floor, with the two amounts in yen");
    sub.add_option("--sirusi", args->sirusi, "the mark --import reads: 1 ◎, 2 ○, 3 ▲")->check(CLI::Range(1, 3));
    sub.add_option("--import", args->importFile, "ReadCSVBtn with this CSV file (answered Yes)")->type_name("FILE");
    sub.add_option("--race", args->race, "DatList: show race-list entry N (from 0)")->check(CLI::NonNegativeNumber);
    addParsedOption(sub, "--click-mark", args->clickMarks, "ROW:COL", markCell,
                    "click mark cell ROW:COL of the window's StringGrid26 (COL 18 ◎, 19 ○, 20 ▲); repeatable");
    sub.add_flag("--apply-targets", args->applyTargets, "click NaviSetBtn last");
    return [args](CliContext& context) {
        CliSession session(context, appFolderOf(args->appFolder, context), "", ConsoleDialogs::Options{false, true});
        if (!session.ready()) return 1;
        MainModel& main = session.model();
        if (!args->day.empty()) {
            if (!session.dayListed(args->day, "strategy")) return 1;
            main.DateComboChange(args->day);
        }
        KaimeSettingModel& model = main.kaimeSetting();
        const std::size_t before = session.dialogs().messages().size();
        for (const std::string& text : args->indexes) {
            const auto [mark, item] = *markValue(text, 0, 5);
            model.SihyoRadioClick(mark, item);
        }
        for (const std::string& text : args->setRanks) {
            const auto set = *rankSet(text);
            const auto mark = set.first;
            const auto& ranks = set.second;
            const auto& now = model.state().strategy.ranks[static_cast<std::size_t>(mark)];
            selectExactly(
                std::vector<bool>(now.begin() + 1, now.end()),
                [&] {
                    std::vector<int> items;
                    for (int rank : ranks) items.push_back(rank - 1);
                    return items;
                }(),
                [&](int item, bool on) { model.NinListClick(mark, item + 1, on); });
        }
        for (const std::string& text : args->ranks) {
            const auto [mark, rank] = *rankClick(text);
            model.NinListClick(mark, rank, text.back() == '1');
        }
        for (const std::string& text : args->borrows) {
            const auto [mark, ticked] = *markValue(text, 0, 1);
            model.CheckBoxClick(mark, ticked != 0);
        }
        for (const std::string& text : args->ownIndexes) {
            const auto [which, prefix] = *ownIndex(text);
            model.OrgEditChange(which, prefix);
        }
        for (const std::string& text : args->targets) applyTargetChange(model, *targetChange(text));
        if (!args->naviQuit.empty()) {
            const std::vector<int> quit = *naviQuit(args->naviQuit);
            model.NaviQuitRadioClick(quit[0]);
            if (quit.size() == 3) {
                model.NaviQuitEditChange(0, std::to_string(quit[1]));
                model.NaviQuitEditChange(1, std::to_string(quit[2]));
            }
        }
        if (args->sirusi > 0) model.SirusiRadioClick(args->sirusi - 1);
        if (!args->importFile.empty()) model.importPreMarked(args->importFile);
        if (args->race) model.DatListClick(*args->race);
        for (const std::string& text : args->clickMarks) {
            const auto [row, column] = *markCell(text);
            model.StringGrid26Click(column, row);
        }
        if (args->applyTargets) model.NaviSetBtnClick();
        nlohmann::ordered_json json = strategyJson(model, main);
        const auto& messages = session.dialogs().messages();
        json["messages"] =
            std::vector<std::string>(messages.begin() + static_cast<std::ptrdiff_t>(before), messages.end());
        const bool quiet = messages.size() == before;
        session.close();
        std::printf("%s\n", json.dump(1).c_str());
        return quiet ? 0 : 1;
    };
}

const bool strategyCommandRegistered = registerCliCommand(
    {"strategy",
     "show the window \"買い目設定\" (targets, stop rule, marks' strategy, pre-marked horses) as JSON, or click "
     "its controls",
     defineStrategy});

}  // namespace
}  // namespace marovix
