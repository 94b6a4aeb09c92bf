#pragma once
// The fixed heading rows and column widths of the main window's grids.
#include "core/app/TextGrid.h"

namespace marovix {

// The race card of the selection page: marks in columns 18-20, 8-17 hidden.
void layoutStringGrid26(TextGrid& grid);
// A selection grid of one bet type (`TanKaimeGrid` … `SRTKaimeGrid`).
void layoutKaimeGrid(TextGrid& grid);
// The combined selection list.
void layoutAllKaimeGrid(TextGrid& grid);
// The full race card.
void layoutStringGrid1(TextGrid& grid);
void layoutHyosuGrid(TextGrid& grid);
void layoutOddsGrid(TextGrid& grid);

}  // namespace marovix
