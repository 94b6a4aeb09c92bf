#pragma once
// Stakes of a selection grid (AllocateStakes), the return of each row if it hits, the grid's totals and
// its synthetic odds (ShowSyntheticOdds).
#include <optional>
#include <string_view>

#include "core/common/MainGrids.h"
#include "core/common/MainLabels.h"
#include "core/common/Yen.h"

namespace marovix {

// The allocation methods of "資金配分" (HaibunRadio), numbered as stored in KaimeSet/HaibunSet.
enum class HaibunMethod {
    Kinto,    // "均等" equal stakes that together make about the input amount
    Hirei,    // "比例" in proportion to the inverse odds
    Kinitsu,  // "均一" the input amount on every row
    Kihai,    // "期配" a stake per row that returns about the input amount if it hits
};
// The method of a stored HaibunSet value; nothing for a value outside 0..3.
std::optional<HaibunMethod> haibunMethodOf(int value);

// Allocation needs at least this input amount; every stake is at least this much.
inline constexpr int kMinimumStake = 100;
// A grid with more data rows than this (the trifecta combinations) is never allocated.
inline constexpr int kMaxKaimeRows = 4896;

// The odds of an "オッズ" cell: a number above 0, nothing for blanks or anything else.
std::optional<double> kaimeOdds(std::string_view text);
// A row is valid for stakes and totals when its "No." is not blank, it is not marked "消", and its odds
// are a number above 0.
bool isValidKaimeRow(const KaimeGrid& grid, int row);

// The labels of a bet-type tab that the allocation fills.
struct StakeLabels {
    Label& tensu;       // "買い点数"
    Label& toshi;       // "投票金額"
    Label& yosoKaishu;  // "予想回収率"
};

// AllocateStakes with the input amount `amount` (yen). Nothing happens when the amount is below 100, the
// grid has more than 4896 data rows, or row 1's odds cell is blank. Otherwise "購入額", "回収額" and
// "回収率" of every data row are emptied and each valid row gets its stake s by the method, its return
// s x odds in whole yen (a half upwards, "%7d") and that return as a percentage of the investment T,
// Format("%7.1f"). The labels get Format("%3d", N) valid rows, Format("%6d", T) and the expected return
// rate E = sum(Trunc(s x odds)) / N / T x 100 as Format("%7.1f"), black when above 100 and red when above
// 0. Returns are computed from the odds in whole tenths, in integers (100 x 33.8 is 3380). Without a valid
// row the three labels are emptied.
void AllocateStakes(KaimeGrid& grid, HaibunMethod method, Yen amount, StakeLabels labels);

// The synthetic odds over the valid rows, 1 / sum(1 / odds), as Format("%7.2f"); nothing when the grid has
// no valid row, no data row or more than 4896, or row 1's odds cell is blank.
std::optional<double> syntheticOdds(const KaimeGrid& grid);
// ShowSyntheticOdds: the synthetic odds into the label ("合成オッズ" of a tab, SoGOLabel for the combined
// list); the label is emptied when there are none.
void ShowSyntheticOdds(const KaimeGrid& grid, Label& label);

}  // namespace marovix
