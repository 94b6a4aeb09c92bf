#include "core/app/MainState.h"

#include <algorithm>

namespace marovix {

MainState::MainState() {
    layoutGrid(GridId::HyosuGrid, hyosuGrid.text());
    layoutGrid(GridId::OddsGrid, oddsGrid.text());
}

const TextGrid& MainState::grid(GridId id) const {
    switch (id) {
        case GridId::StringGrid26: return stringGrid26.text();
        case GridId::StringGrid1: return stringGrid1.text();
        case GridId::AllKaimeGrid: return allKaimeGrid.text();
        case GridId::HyosuGrid: return hyosuGrid.text();
        case GridId::OddsGrid: return oddsGrid.text();
        default: break;
    }
    const int bet = static_cast<int>(id) - static_cast<int>(GridId::TanKaimeGrid);
    return kaimeGrids[static_cast<std::size_t>(bet)].text();
}

int MainState::entryOfSlot(RaceSlot slot) const {
    if (slot < 0) return -1;
    const auto found = std::find(datListSlots.begin(), datListSlots.end(), slot);
    return found == datListSlots.end() ? -1 : static_cast<int>(found - datListSlots.begin());
}

RaceSlot MainState::slotOfEntry(int entry) const {
    if (entry < 0 || entry >= static_cast<int>(datListSlots.size())) return -1;
    return datListSlots[static_cast<std::size_t>(entry)];
}

}  // namespace marovix
