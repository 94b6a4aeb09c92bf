#include "core/session/RaceView.h"

namespace marovix {

RaceView::RaceView() {
    layoutGrid(GridId::StringGrid26, stringGrid26.text());
    layoutGrid(GridId::StringGrid1, stringGrid1.text());
    for (const auto& bet : kBetTypes) layoutGrid(kaimeGridOf(bet.type), kaimeGrid(bet.type).text());
    layoutGrid(GridId::AllKaimeGrid, allKaimeGrid.text());
}

}  // namespace marovix
