#pragma once
// The grids of the main window: their names, their named columns and their fixed heading rows.
// Every grid is addressed by column name (never by bare index) through ColumnGrid<Column>.
#include <span>
#include <string_view>

#include "core/common/BetType.h"
#include "core/common/ColumnLayout.h"
#include "core/common/TextGrid.h"

namespace marovix {

enum class GridId {
    StringGrid26,  // the race card beside the selections, with the marks
    StringGrid1,   // the full race card
    TanKaimeGrid,
    FukKaimeGrid,
    WRKaimeGrid,
    URKaimeGrid,
    WDKaimeGrid,
    UTKaimeGrid,
    SRFKaimeGrid,
    SRTKaimeGrid,
    AllKaimeGrid,  // the combined selection list
    HyosuGrid,
    OddsGrid,
    Count
};

// The control name of a grid ("StringGrid26", "TanKaimeGrid", ...).
std::string_view gridName(GridId grid);
// The selection grid of a bet type.
GridId kaimeGridOf(BetType bet);

// StringGrid26: the short race card; columns 8-17 exist but are hidden and unused.
enum class Card26Col {
    Waku,        // "枠" bracket
    Uma,         // "馬" horse number
    Bamei,       // "馬名" horse name
    SeiRei,      // "性齢" sex and age
    Kishu,       // "騎手" jockey
    Kinryo,      // "斤量" carried weight
    TanOz,       // "単OZ" win odds
    TanJun,      // "順" win popularity
    Mark1 = 18,  // "◎"
    Mark2 = 19,  // "○"
    Mark3 = 20,  // "▲"
    Count = 21
};

// StringGrid1: the full race card with every index.
enum class Card1Col {
    Waku,       // "枠"
    Uma,        // "馬"
    Bamei,      // "馬名"
    SeiRei,     // "性齢"
    Kishu,      // "騎手"
    Kinryo,     // "斤量"
    Chokyoshi,  // "調教師" trainer
    Compi,      // "ｺﾝﾋﾟ" computer index
    CompiRank,  // "順"
    TanOz,      // "単OZ"
    TanPop,     // "順"
    FukOz,      // "複OZ" lower place odds
    FukPop,     // "順"
    DMTime,     // "ﾀｲﾑ型M" time-type mining
    DMRank,     // "順"
    TMScore,    // "対戦型M" match-type mining
    TMRank,     // "順"
    Own1,       // "独1"
    Own2,       // "独2"
    Chakujun,   // "着" finishing position
    Ninki,      // "人" final win popularity
    KakuOdds,   // "確ｵｯｽﾞ" final win odds
    Count
};

// A selection row (KaimeRow): the eight bet-type grids and the combined list share these columns.
enum class KaimeCol {
    Kesu,          // "消" the user struck the row out (kKesuMark)
    No,            // "No." row number
    Baken,         // "馬券" ("馬券種" in the combined list) bet type name
    Kaime,         // "買い目" combination text
    Ninki,         // "人気" ("連順位"), not filled
    Odds,          // "オッズ"
    Stake,         // "購入額"
    Return,        // "回収額" return if the row hits
    ReturnRate,    // "回収率"
    Rate1,         // "出現率1", not filled
    Rate2,         // "出現率2", not filled
    Rate3,         // "出現率3", not filled
    ResultPayout,  // "結果配当"
    ResultReturn,  // "結果回収"
    ResultPop,     // "結果人気"
    Count
};
// The mark of a struck-out selection row in its Kesu column.
inline constexpr std::string_view kKesuMark = "消";

enum class HyosuCol { Race, Joken, Hidden, Jikoku, Tan, Fuk, WR, UR, WD, UT, SRF, SRT, Total, Count };
enum class OddsCol { Blank, Jun, Baken, Odds, Pop, Count };

using RaceCard26Grid = ColumnGrid<Card26Col>;
using RaceCard1Grid = ColumnGrid<Card1Col>;
using KaimeGrid = ColumnGrid<KaimeCol>;
using HyosuGrid = ColumnGrid<HyosuCol>;
using OddsViewGrid = ColumnGrid<OddsCol>;

// Every column of the grid in order, with its heading and width.
std::span<const ColumnLayout> gridLayout(GridId grid);
// Writes the grid's heading row and column widths. The grid takes the layout's column count and keeps
// at least one body row.
void layoutGrid(GridId grid, TextGrid& text);

}  // namespace marovix
