#pragma once
// The main window's state as one JSON object (UTF-8), named as the window's controls are.
#include <nlohmann/json.hpp>

#include "core/app/MainModel.h"

namespace marovix {

// "DateCombo" (the items), "selectedDay", "DatList" (the entry texts), "CurrentRace", "labels" (every
// named label's text by name), "colors" (named panels and labels that have a colour, "#RRGGBB"), "grids"
// (every grid by name: rows of the texts of the columns shown, the heading row first), "payout" (the payout
// panel of the tab "結果", see payoutJson).
nlohmann::ordered_json stateJson(const MainModel& model);

// The odds of race slot `slot` (OddsTable): "Tan" and "Fuk" (per horse: odds, for place "low" and "high",
// and popularity) and per other bet type the odds and popularity by combination number.
nlohmann::ordered_json oddsJson(const MainModel& model, int slot);

// The payout panel: per bet type by its prefix ("Tan" ... "SRT") its section "heading" and its "entries",
// each with the texts shown in the rows "結果：", "人気：" and "配当：" as "combination", "popularity" and
// "payout" (empty for an entry without a winner).
nlohmann::ordered_json payoutJson(const PayoutPanel& panel);

// A grid as shown: rows of cell texts of the columns that are not hidden, the heading row first.
nlohmann::ordered_json gridJson(const TextGrid& grid);

}  // namespace marovix
