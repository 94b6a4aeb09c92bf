// marovix-cli kensho [--app-folder DIR] [--select LIST=ITEM ...] [--kyori FROM-TO]: the window "検証"
// through its model. LIST is a list's control name (BashoList0, TrackList0, AgeList0, ClassList0,
// JuryoList0, TosuList0) and ITEM its item from 0; the distance edits take FROM and TO. Then "検証" is
// pressed and the filter, the results and the grid's rows are printed as JSON.
#include <cstdio>

#include <nlohmann/json.hpp>

#include "cli/CliApp.h"
#include "core/common/Result.h"
#include "core/strategy/KenshoModel.h"

namespace marovix {
namespace {

struct KenshoArgs {
    std::string appFolder;
    std::vector<std::string> selections;
    std::string kyori;
};

struct ListItem {
    FilterListId list = FilterListId::BashoList0;
    int item = 0;
};

Result<ListItem> listItem(std::string_view text) {
    const auto equals = text.find('=');
    for (int i = 0; i < kFilterListCount && equals != std::string_view::npos; ++i) {
        const auto list = static_cast<FilterListId>(i);
        if (filterListName(list) != text.substr(0, equals)) continue;
        const std::string item(text.substr(equals + 1));
        const auto count = filterListItems(list).size();
        for (std::size_t k = 0; k < count; ++k)
            if (item == std::to_string(k)) return ListItem{list, static_cast<int>(k)};
        return Error{std::string(filterListName(list)) + " has items 0 to " + std::to_string(count - 1) + ", got '" +
                     item + "'"};
    }
    return Error{
        "a selection is LIST=ITEM with LIST one of BashoList0, TrackList0, AgeList0, ClassList0, "
        "JuryoList0, TosuList0, got '" +
        std::string(text) + "'"};
}

Result<std::pair<int, int>> distanceRange(std::string_view text) {
    const auto dash = text.find('-');
    auto number = [](std::string_view digits) {
        return !digits.empty() && digits.size() <= 5 && digits.find_first_not_of("0123456789") == std::string_view::npos
                   ? std::stoi(std::string(digits))
                   : -1;
    };
    const int from = dash == std::string_view::npos ? -1 : number(text.substr(0, dash));
    const int to = dash == std::string_view::npos ? -1 : number(text.substr(dash + 1));
    if (from < 0 || to < 0) return Error{"a distance range is FROM-TO in metres, got '" + std::string(text) + "'"};
    return std::pair{from, to};
}

CliRunner defineKensho(CLI::App& sub) {
    auto args = std::make_shared<KenshoArgs>();
    addAppFolderOption(sub, args->appFolder);
    addParsedOption(sub, "--select", args->selections, "LIST=ITEM", listItem,
                    "selects an item of a race-attribute list; repeatable");
    addParsedOption(sub, "--kyori", args->kyori, "FROM-TO", distanceRange, "the distance edits, in metres");
    return [args](CliContext& context) {
        KenshoModel model(appFolderOf(args->appFolder, context));
        for (const std::string& text : args->selections) {
            const ListItem selection = *listItem(text);
            model.listClick(selection.list, selection.item, true);
        }
        if (!args->kyori.empty()) {
            const auto [from, to] = *distanceRange(args->kyori);
            model.KyoriEditChange(true, from);
            model.KyoriEditChange(false, to);
        }
        model.ReadDataBtnClick();
        const KenshoState& state = model.state();
        nlohmann::ordered_json json;
        for (int i = 0; i < kFilterListCount; ++i) {
            const auto list = static_cast<FilterListId>(i);
            std::vector<int> selected;
            for (std::size_t k = 0; k < state.filter.list(list).size(); ++k)
                if (state.filter.list(list)[k]) selected.push_back(static_cast<int>(k));
            json[std::string(filterListName(list))] = selected;
        }
        json["kyori"] = {state.filter.kyoriFrom, state.filter.kyoriTo};
        json["DataSuLabel"] = state.labels[KenshoModel::LabelId::DataSuLabel].text;
        json["TekichuRLabel"] = state.labels[KenshoModel::LabelId::TekichuRLabel].text;
        json["KaishuRLabel"] = state.labels[KenshoModel::LabelId::KaishuRLabel].text;
        json["rows"] = nlohmann::json::array();
        for (int row = 1; row < state.stringGrid1.rowCount(); ++row) {
            std::vector<std::string> cells;
            for (int column = 0; column < state.stringGrid1.columnCount(); ++column)
                cells.push_back(state.stringGrid1.cell(column, row));
            json["rows"].push_back(cells);
        }
        std::printf("%s\n", json.dump(1).c_str());
        return 0;
    };
}

const bool registered = registerCliCommand(
    {"kensho", "the verification window \"検証\": choose race attributes and a distance range, press \"検証\"",
     defineKensho});

}  // namespace
}  // namespace marovix
