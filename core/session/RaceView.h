#pragma once
// The view a race's evaluation fills: the two race cards (the marks in StringGrid26's columns 18-20),
// the eight selection grids, the combined list and the labels the builders, the allocation, the totals
// and the hit judgement write. The main window's state is one (MainState); the simulation keeps its own,
// from race to race, as the window does.
#include <array>

#include "core/common/BetType.h"
#include "core/common/MainGrids.h"
#include "core/common/MainLabels.h"

namespace marovix {

struct RaceView {
    // Every grid laid out with its headings and one empty body row.
    RaceView();

    // Whether a window shows the view. The simulation's view is shown nowhere: its race cards get only the
    // horse numbers, all that the marks and the builders read of them (StringGrid1 stays empty); its
    // selection grids and labels are filled as the window's.
    bool showsCards = true;

    RaceCard26Grid stringGrid26;
    RaceCard1Grid stringGrid1;
    std::array<KaimeGrid, 8> kaimeGrids;  // in bet-type order
    KaimeGrid allKaimeGrid;
    MainLabels labels;

    KaimeGrid& kaimeGrid(BetType bet) { return kaimeGrids[static_cast<std::size_t>(bet)]; }
    const KaimeGrid& kaimeGrid(BetType bet) const { return kaimeGrids[static_cast<std::size_t>(bet)]; }
};

}  // namespace marovix
