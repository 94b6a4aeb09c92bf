#pragma once
// The main window's state as one JSON object (UTF-8), named as the window's controls are.
#include <nlohmann/json.hpp>

#include "core/app/MainModel.h"

namespace marovix {

// "DateCombo" (the items), "selectedDay", "DatList" (the entry texts), "CurrentRace", "labels" (every
// named label's text by name), "colors" (named panels and labels that have a colour, "#RRGGBB"), "grids"
// (every grid by name: rows of the texts of the columns shown, the heading row first).
nlohmann::ordered_json stateJson(const MainModel& model);

// The odds of race slot `slot` (OddsTable): "Tan" and "Fuk" (per horse: odds, for place "low" and "high",
// and popularity) and per other bet type the odds and popularity by combination number.
nlohmann::ordered_json oddsJson(const MainModel& model, int slot);

// A grid as shown: rows of cell texts of the columns that are not hidden, the heading row first.
nlohmann::ordered_json gridJson(const TextGrid& grid);

}  // namespace marovix
