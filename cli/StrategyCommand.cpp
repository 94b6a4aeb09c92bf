// marovix-cli strategy [--app-folder DIR] [--index MARK=ITEM ...] [--rank MARK=RANK:0|1 ...]
// [--borrow MARK=0|1 ...] [--own-index N=PREFIX ...]: the window "買い目設定" through its model. MARK is 1
// (◎), 2 (○) or 3 (▲). Each option clicks the window's control as a user does, in the order given per kind
// (index radio groups, rank lists, CheckBox items, prefix edits): every setting is written at once and a
// rank click rewrites "selecteduma.dat". Then the strategy is printed as JSON. Exits 1 when something
// could not be stored.
#include <charconv>
#include <cstdio>

#include <nlohmann/json.hpp>

#include "cli/CliApp.h"
#include "cli/ConsoleDialogs.h"
#include "core/common/Result.h"
#include "core/settings/Settings.h"
#include "core/strategy/KaimeSettingModel.h"

namespace marovix {
namespace {

struct StrategyArgs {
    std::string appFolder;
    std::vector<std::string> indexes, ranks, borrows, ownIndexes;
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

Result<std::pair<int, std::string>> ownIndex(std::string_view text) {
    const auto [which, prefix] = splitAssignment(text);
    auto number = numberIn(which, 1, 2, "N");
    if (!number) return number.failure();
    return std::pair{*number - 1, prefix};
}

nlohmann::ordered_json strategyJson(const KaimeSettingState& state) {
    nlohmann::ordered_json json;
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
    return json;
}

CliRunner defineStrategy(CLI::App& sub) {
    auto args = std::make_shared<StrategyArgs>();
    addAppFolderOption(sub, args->appFolder);
    addParsedOption(
        sub, "--index", args->indexes, "MARK=ITEM", [](std::string_view t) { return markValue(t, 0, 5); },
        "the mark's index radio group takes item 0 (単人気) to 5 (独自指2); repeatable");
    addParsedOption(sub, "--rank", args->ranks, "MARK=RANK:0|1", rankClick,
                    "a click selecting (1) or deselecting (0) a rank of the mark's list; repeatable");
    addParsedOption(
        sub, "--borrow", args->borrows, "MARK=0|1", [](std::string_view t) { return markValue(t, 0, 1); },
        "the mark's CheckBox: borrowed from the rank choice in the pre-marked mode; repeatable");
    addParsedOption(sub, "--own-index", args->ownIndexes, "N=PREFIX", ownIndex,
                    "the name prefix of own index 1 or 2; repeatable");
    return [args](CliContext& context) {
        const std::string appFolder = appFolderOf(args->appFolder, context);
        Settings settings(appFolder, context.sharedDataFolder(), context.clock());
        ConsoleDialogs dialogs(ConsoleDialogs::Options{true, true});
        KaimeSettingModel model({settings, dialogs, appFolder});
        const std::size_t before = dialogs.messages().size();
        for (const std::string& text : args->indexes) {
            const auto [mark, item] = *markValue(text, 0, 5);
            model.SihyoRadioClick(mark, item);
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
        std::printf("%s\n", strategyJson(model.state()).dump(1).c_str());
        return dialogs.messages().size() == before ? 0 : 1;
    };
}

const bool registered = registerCliCommand(
    {"strategy",
     "show the strategy of the window \"買い目設定\", or click its indexes, ranks, CheckBox items and prefixes",
     defineStrategy});

}  // namespace
}  // namespace marovix
