#pragma once
// How the selection grids are painted: the eight bet-type grids and the combined list AllKaimeGrid.
#include "core/common/CellStyle.h"

namespace marovix {

// The bet-type grids paint the heading row in #C99292, column 1 ("No.") in #C1FFC1 and every other cell
// white; the combined list paints its heading row in #C1FFC1 and column 1 yellow. In both, the
// "買い目" cell of a winning row is magenta. Every text is centred.
CellStyle kaimeCellStyle(bool combinedList, int column, int row, bool winningRow);

}  // namespace marovix
