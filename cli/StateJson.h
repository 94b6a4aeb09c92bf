#pragma once
// The main window's state as one JSON object (UTF-8), named as the window's controls are.
#include <nlohmann/json.hpp>

#include "core/app/MainModel.h"

namespace marovix {

// "DateCombo" (the items), "selectedDay", "DatList" (the entry texts), "DatListSlots" (the race slot of
// each entry), "CurrentRace" (the race slot shown, -1 none), "CurrentEntry" (the selected entry of DatList,
// -1 none), "labels" (every named label's text by name), "colors" (named panels and labels that have a
// colour, "#RRGGBB"), "grids" (every grid by name: rows of the texts of the columns shown, the heading row
// first), "odds" (see oddsJson), "oddsEmpty" and "oddsNoVotes" (see oddsGapsJson), "payout" (the payout
// panel of the tab "結果", see payoutJson).
nlohmann::ordered_json stateJson(const MainModel& model);

// The odds of race slot `slot` (OddsTable): "Tan" and "Fuk" (per horse: odds, for place "low" and "high",
// and popularity) and per other bet type the odds and popularity by combination number.
// Entries with usable odds and scratched ones (odds -1) only.
nlohmann::ordered_json oddsJson(const MainModel& model, int slot);

// The other entries of race slot `slot`, per bet type by its prefix the horse or combination numbers: with
// `noVotes` false the empty entries (odds -2: a blank field, no such horse or combination), with `noVotes`
// true those without votes (odds 0: a field of zeros). Win and place cover the registered runners.
nlohmann::ordered_json oddsGapsJson(const MainModel& model, int slot, bool noVotes);

// The payout panel: per bet type by its prefix ("Tan" ... "SRT") its section "heading" and its "entries",
// each with the texts shown in the rows "結果：", "人気：" and "配当：" as "combination", "popularity" and
// "payout" (empty for an entry without a winner).
nlohmann::ordered_json payoutJson(const PayoutPanel& panel);

// A grid as shown: rows of cell texts of the columns that are not hidden, the heading row first.
nlohmann::ordered_json gridJson(const TextGrid& grid);

}  // namespace marovix
