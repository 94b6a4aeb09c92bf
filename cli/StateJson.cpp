#include "cli/StateJson.h"

#include <cstdio>

#include "core/odds/OddsListing.h"
#include "core/race/JvRecord.h"
#include "core/race/RecordFields.h"

namespace marovix {
namespace {

std::string colorText(Rgb color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", color & 0xFFFFFFu);
    return text;
}

}  // namespace

nlohmann::ordered_json gridJson(const TextGrid& grid) {
    auto rows = nlohmann::ordered_json::array();
    for (int r = 0; r < grid.rowCount(); ++r) {
        auto row = nlohmann::ordered_json::array();
        for (int c = 0; c < grid.columnCount(); ++c)
            if (!grid.columnHidden(c)) row.push_back(grid.cell(c, r));
        rows.push_back(std::move(row));
    }
    return rows;
}

nlohmann::ordered_json oddsJson(const MainModel& model, int slot) {
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    if (slot < 0 || slot >= kRaceSlotCount) return json;
    for (const BetOddsList& list : listOdds(model.session().odds().table(slot))) {
        auto entries = nlohmann::ordered_json::array();
        const bool place = list.prefix == "Fuk";
        for (const OddsListEntry& entry : list.entries) {
            nlohmann::ordered_json e;
            e[list.prefix == "Tan" || place ? "horse" : "combination"] = entry.number;
            if (place) {
                e["low"] = entry.odds;
                e["high"] = entry.oddsHigh;
            } else {
                e["odds"] = entry.odds;
            }
            e["popularity"] = entry.popularity;
            entries.push_back(std::move(e));
        }
        json[std::string(list.prefix)] = std::move(entries);
    }
    return json;
}

nlohmann::ordered_json oddsGapsJson(const MainModel& model, int slot, bool noVotes) {
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    if (slot < 0 || slot >= kRaceSlotCount) return json;
    const int runners = fieldNumber(model.session().day().race(slot), RaField::registeredRunners);
    for (const BetOddsGaps& gaps : listOddsGaps(model.session().odds().table(slot), runners))
        json[std::string(gaps.prefix)] = noVotes ? gaps.noVotes : gaps.empty;
    return json;
}

nlohmann::ordered_json payoutJson(const PayoutPanel& panel) {
    auto json = nlohmann::ordered_json::object();
    for (const BetTypeInfo& bet : kBetTypes) {
        auto entries = nlohmann::ordered_json::array();
        for (const PayoutPanelEntry& entry : panel.of(bet.type))
            entries.push_back(
                {{"combination", entry.combination}, {"popularity", entry.popularity}, {"payout", entry.payout}});
        json[std::string(bet.prefix)] = {{"heading", std::string(payoutPanelHeading(bet.type))},
                                         {"entries", std::move(entries)}};
    }
    return json;
}

nlohmann::ordered_json stateJson(const MainModel& model) {
    const MainState& state = model.state();
    nlohmann::ordered_json json;
    json["DateCombo"] = state.dateCombo;
    json["selectedDay"] = state.shownDay ? nlohmann::ordered_json(*state.shownDay) : nlohmann::ordered_json();
    json["DatList"] = state.datList;
    json["DatListSlots"] = state.datListSlots;
    json["CurrentRace"] = state.currentRace;
    json["CurrentEntry"] = state.currentEntry();
    auto labels = nlohmann::ordered_json::object();
    auto colors = nlohmann::ordered_json::object();
    for (int i = 0; i < static_cast<int>(LabelId::Count); ++i) {
        const auto id = static_cast<LabelId>(i);
        const Label& label = state.labels[id];
        if (id != LabelId::Panel21) labels[labelName(id)] = label.text;
        if (label.background)
            colors[labelName(id)] = colorText(*label.background);
        else if (label.color)
            colors[labelName(id)] = colorText(*label.color);
    }
    json["labels"] = std::move(labels);
    json["colors"] = std::move(colors);
    auto grids = nlohmann::ordered_json::object();
    for (int i = 0; i < static_cast<int>(GridId::Count); ++i) {
        const auto id = static_cast<GridId>(i);
        grids[std::string(gridName(id))] = gridJson(state.grid(id));
    }
    json["grids"] = std::move(grids);
    json["odds"] = oddsJson(model, state.currentRace);
    json["oddsEmpty"] = oddsGapsJson(model, state.currentRace, false);
    json["oddsNoVotes"] = oddsGapsJson(model, state.currentRace, true);
    json["payout"] = payoutJson(state.payoutPanel);
    return json;
}

}  // namespace marovix
