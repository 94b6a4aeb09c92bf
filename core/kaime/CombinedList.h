#pragma once
// The combined selection list AllKaimeGrid on the tab "一括": the rows of every participating bet type
// in one list (KaimeMixBtnClick), its overall totals (SogoKaiKeiBtnClick) and its "消" marks.
#include <span>

#include "core/common/MainGrids.h"
#include "core/common/MainLabels.h"

namespace marovix {

// The combined list's own labels, emptied whenever the list is rebuilt.
struct CombinedListLabels {
    Label& tensu;       // TensuLabel
    Label& toshi;       // ToshiLabel
    Label& yosoKaishu;  // YosoKaishuLabel
};

// Rebuilds the combined list from the bet-type grids that take part, given in bet-type order (the
// caller leaves out the bet types whose participation box is not ticked). Columns 1-14 of every row are
// emptied and the list set to one data row; column 0 keeps the "消" marks, which stay on their row
// numbers whatever selection then lands on them (a mark on a row the new list no longer has is gone).
// Then every data row of each grid whose row 1 has a number in "No." is appended with its columns 2-14,
// numbered Format("%3d", running count).
void KaimeMix(KaimeGrid& all, std::span<const KaimeGrid* const> participating, CombinedListLabels labels);

// The overall totals of the combined list.
struct CombinedTotalsLabels {
    Label& soTensu;      // SoTensuLabel
    Label& soTohyoGaku;  // SoTohyoGakuLabel
    Label& yosoKaisyu;   // YosoKaisyuLabel
    Label& soGO;         // SoGOLabel
};

// SogoKaiKeiBtnClick: over the rows whose stake is above 0 (the "消" marks are not looked at) the count C,
// the stake sum S and the sum R of their returns: Format("%4d", C), Format("%8d", S) and, when S > 0,
// Format("%6.1f", R / C / S x 100), blue when above 100 and red otherwise, and the synthetic odds of the
// list (where the marks count). The labels are emptied first.
void SogoKaiKei(const KaimeGrid& all, CombinedTotalsLabels labels);

// Toggles "消" in column 0 of a data row (empty to "消", "消" to empty). False for the heading row or a
// row the grid does not have.
bool toggleKesu(KaimeGrid& grid, int row);

}  // namespace marovix
