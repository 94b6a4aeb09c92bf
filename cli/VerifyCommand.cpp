// marovix-cli verify --app-folder DIR [--basho …] [--track …] [--age …] [--class …] [--juryo …] [--tosu …]
// [--distance MIN-MAX] [--csv FILE]: the verification window "検証" over "tmpData.dat". Each list option
// selects items by their text as the window lists them ("東京", "芝", "３歳上", "G１", "別定"; the runner
// counts also as numbers 5-18) and may repeat; --distance sets the range (1000-5000 when left out). Prints
// the labels and the grid as JSON; --csv writes the passing records as CSV (UTF-8, a heading row). Exits 1
// with a message when there is no work file or it holds no record.
#include <cstdio>

#include <nlohmann/json.hpp>

#include "cli/CliApp.h"
#include "core/common/TextFile.h"
#include "core/common/Trim.h"
#include "core/settings/AppFolders.h"
#include "core/strategy/KenshoModel.h"

namespace marovix {
namespace {

struct VerifyArgs {
    std::string appFolder;
    std::array<std::vector<std::string>, kAttributeListCount> items;
    std::string distance;
    std::string csv;
};

// The item of `list` a text names (its text without blanks; a runner count also as its number).
std::optional<int> itemOf(AttributeList list, std::string_view text) {
    const auto items = attributeItems(list);
    const std::string_view wanted = trimmed(text, Blanks::Space);
    for (std::size_t i = 0; i < items.size(); ++i)
        if (trimmed(items[i], Blanks::Space) == wanted ||
            (list == AttributeList::Tosu && wanted == std::to_string(i + 5)))
            return static_cast<int>(i);
    return std::nullopt;
}

Result<std::pair<int, int>> distanceRange(std::string_view text) {
    const auto dash = text.find('-');
    auto number = [](std::string_view part) -> std::optional<int> {
        if (part.empty() || part.size() > 5 || part.find_first_not_of("0123456789") != std::string_view::npos)
            return std::nullopt;
        return std::stoi(std::string(part));
    };
    if (dash != std::string_view::npos) {
        const auto from = number(text.substr(0, dash)), to = number(text.substr(dash + 1));
        if (from && to && *from <= *to) return std::pair{*from, *to};
    }
    return Error{"needs MIN-MAX in metres, got '" + std::string(text) + "'", ErrorKind::Refused};
}

std::string csvCell(const std::string& text) {
    const std::string cell(trimmed(text, Blanks::Space));
    if (cell.find_first_of(",\"\r\n") == std::string::npos) return cell;
    std::string quoted = "\"";
    for (char c : cell) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string csvText(const TextGrid& grid, std::size_t rows) {
    std::string text;
    for (std::size_t row = 0; row <= rows; ++row) {
        for (int c = 0; c < kKenshoColumnCount; ++c) {
            if (c > 0) text += ',';
            text += csvCell(grid.cell(c, static_cast<int>(row)));
        }
        text += "\r\n";
    }
    return text;
}

// A rate label as a number; nothing for an empty label or "-".
nlohmann::json rate(const std::string& label) {
    const std::string text(trimmed(label, Blanks::Space));
    if (text.empty() || text == "-") return nullptr;
    return std::stod(text);
}

CliRunner defineVerify(CLI::App& sub) {
    auto args = std::make_shared<VerifyArgs>();
    addAppFolderOption(sub, args->appFolder);
    const std::pair<AttributeList, const char*> options[] = {
        {AttributeList::Basho, "--basho"}, {AttributeList::Track, "--track"}, {AttributeList::Age, "--age"},
        {AttributeList::Class, "--class"}, {AttributeList::Juryo, "--juryo"}, {AttributeList::Tosu, "--tosu"}};
    for (const auto& option : options) {
        // Named copies: a lambda may not capture a structured binding with clang 14.
        const AttributeList list = option.first;
        const char* const name = option.second;
        std::string names;
        for (std::string_view item : attributeItems(list))
            names += (names.empty() ? "" : " ") + std::string(trimmed(item, Blanks::Space));
        addParsedOption(
            sub, name, args->items[static_cast<std::size_t>(list)], "ITEM",
            [list, names](std::string_view text) -> Result<int> {
                if (auto item = itemOf(list, text)) return *item;
                return Error{"'" + std::string(text) + "' is none of: " + names, ErrorKind::Refused};
            },
            "select an item of the list \"" + std::string(attributeListCaption(list)) + "\" (" + names +
                "); repeatable");
    }
    addParsedOption(sub, "--distance", args->distance, "MIN-MAX", distanceRange, "distance range in metres");
    sub.add_option("--csv", args->csv, "write the passing records as CSV (UTF-8, a heading row)")->type_name("FILE");
    return [args](CliContext& context) {
        const AppFolders folders(appFolderOf(args->appFolder, context));
        const std::string path = folders.path(kSimulationFileName);
        if (!fileExists(path))
            return commandFailed("検証データ(tmpData.dat)がありません。先に馬券シミュレーションを行ってください。");
        KenshoModel model(path);
        for (std::size_t list = 0; list < kAttributeListCount; ++list)
            for (const std::string& item : args->items[list])
                model.filter().select(static_cast<AttributeList>(list), *itemOf(static_cast<AttributeList>(list), item),
                                      true);
        if (!args->distance.empty()) {
            const auto [from, to] = *distanceRange(args->distance);
            model.filter().setDistanceRange(from, to);
        }
        model.ReadDataBtnClick();
        if (!model.notice().empty()) std::fprintf(stderr, "%s\n", model.notice().c_str());
        const Result<std::string> bytes = readFileBytes(path);
        if (!bytes || simulationRecords(*bytes).empty())
            return commandFailed("検証データ(tmpData.dat)にレコードがありません。対象データがありませんでした。");
        if (!args->csv.empty()) {
            if (Status written = replaceFile(args->csv, csvText(model.grid(), model.passing().size())); !written)
                return commandFailed("CSVファイルを書き込めませんでした。" + written.error());
        }
        nlohmann::ordered_json json;
        json["DataSuLabel"] = model.dataSuLabel();
        json["TekichuRLabel"] = model.tekichuRLabel();
        json["KaishuRLabel"] = model.kaishuRLabel();
        json["dataCount"] =
            model.dataSuLabel().empty() ? 0 : std::stoll(std::string(trimmed(model.dataSuLabel(), Blanks::Space)));
        json["hitRate"] = rate(model.tekichuRLabel());
        json["returnRate"] = rate(model.kaishuRLabel());
        nlohmann::ordered_json headings = nlohmann::json::array();
        for (int c = 0; c < kKenshoColumnCount; ++c) headings.push_back(model.grid().cell(c, 0));
        json["columns"] = headings;
        nlohmann::ordered_json rows = nlohmann::json::array();
        for (std::size_t row = 1; row <= model.passing().size(); ++row) {
            nlohmann::ordered_json cells = nlohmann::json::array();
            for (int c = 0; c < kKenshoColumnCount; ++c) cells.push_back(model.grid().cell(c, static_cast<int>(row)));
            rows.push_back(cells);
        }
        json["rows"] = rows;
        std::printf("%s\n", json.dump(1).c_str());
        return 0;
    };
}

const bool verifyCommandRegistered = registerCliCommand(
    {"verify",
     "filter the records of \"tmpData.dat\" by race attributes and show the hit and return rates (the window "
     "\"検証\")",
     defineVerify});

}  // namespace
}  // namespace marovix
