#pragma once
// Evaluating a race of a day session: showing its race cards, its marks, the eight selection builders
// with their stakes, synthetic odds and hit judgement, and the combined list with its totals. Each step
// is a function of the session, the race slot and the strategy that fills the race view it is given; the
// main window's handlers run them on the window's state and then say which parts changed, the simulation
// runs the same functions on a view of its own. Nothing here reads a file.
#include <span>
#include <string>

#include "core/common/BetType.h"
#include "core/kaime/MarkStrategy.h"
#include "core/race/RaceCard.h"
#include "core/race/RaceSlot.h"
#include "core/session/DaySession.h"
#include "core/session/RaceView.h"
#include "core/settings/MainOptions.h"

namespace marovix {

// The strategy a race's marks and selections follow: the options of the selection controls (the build
// method ShihyoSet, the buying methods, multi boxes, participation boxes and active page, the allocation
// method HaibunSet), the odds-range edits (Toz1A, Toz1B, Foz1A, ... SRToz1B) and the marks' strategy.
struct RaceStrategy {
    const MainOptions& options;
    std::span<const std::string, 16> ozSpan;
    const MarkStrategy& marks;
};

// The odds of a race as the race card shows them (nothing read for a slot outside 0..35).
CardOdds cardOdds(const DaySession& session, RaceSlot slot);

// ShowRace's race cards: the combined list emptied to one data row; StringGrid26's body emptied (only its
// columns 0-7 when `sameRace`, the race shown before being this one, so that its marks stay) and
// StringGrid1's body emptied, both set to the registered runners + 1 rows; then both filled from the
// race's runners, index values and odds. A view no window shows (RaceView::showsCards false) gets only
// StringGrid26's rows with their horse numbers. REQUIRES: 0 <= slot < 36.
void showRaceCards(const DaySession& session, RaceSlot slot, bool sameRace, RaceView& view);

// SetSihyoBtn: the marks of the race on StringGrid26 by the strategy's build method (see setMarks); a slot
// outside 0..35 changes nothing.
void markRace(const DaySession& session, RaceSlot slot, const RaceStrategy& strategy, RaceView& view);

// After the build of a bet type filled its grid (or its stake input changed): the race's stake input of the
// bet type allocated by the strategy's method, the grid's synthetic odds and its hit judgement against the
// race's payout record.
void finishBetGrid(const DaySession& session, RaceSlot slot, BetType bet, const RaceStrategy& strategy, RaceView& view);

// KaimeMixBtn: the combined list from the grids of the bet types whose participation box is ticked, its
// overall totals and its hit judgement.
void mixSelections(const DaySession& session, RaceSlot slot, const RaceStrategy& strategy, RaceView& view);

// SogoKaiKeiBtn: the overall totals of the combined list.
void totalCombinedList(RaceView& view);

// KaimeMakeBtn: the eight builders in bet-type order, each with its tab's labels emptied first and
// finished by finishBetGrid, then mixSelections. For a slot outside 0..35 the builders see no runners and
// no odds, so every grid is emptied.
void buildRaceSelections(const DaySession& session, RaceSlot slot, const RaceStrategy& strategy, RaceView& view);

// The marks, then the selections: what showing a race does after its race cards (markRace, then
// buildRaceSelections).
void evaluateRace(const DaySession& session, RaceSlot slot, const RaceStrategy& strategy, RaceView& view);

}  // namespace marovix
