#include "core/kaime/KaimeGridStyle.h"

#include "core/common/MainGrids.h"

namespace marovix {
namespace {

struct GridColors {
    Rgb heading;
    Rgb number;
};

// The colours as 0xRRGGBB (the bet-type heading is 0x9292C9 in the platform's blue-green-red order).
constexpr GridColors kBetGrid{0xC99292, 0xC1FFC1};
constexpr GridColors kCombinedList{0xC1FFC1, 0xFFFF00};
constexpr Rgb kMagenta = 0xFF00FF;

}  // namespace

CellStyle kaimeCellStyle(bool combinedList, int column, int row, bool winningRow) {
    const GridColors& colors = combinedList ? kCombinedList : kBetGrid;
    CellStyle style;
    if (row == 0)
        style.background = colors.heading;
    else if (column == KaimeGrid::index(KaimeCol::No))
        style.background = colors.number;
    else if (column == KaimeGrid::index(KaimeCol::Kaime) && winningRow)
        style.background = kMagenta;
    else
        style.background = kWhite;
    return style;
}

}  // namespace marovix
