#include "core/common/MainGrids.h"

#include <array>

namespace marovix {
namespace {

constexpr int kHidden = -1;

template <class Column>
constexpr ColumnLayout col(Column column, std::string_view heading, int width) {
    return columnLayout(column, heading, width);
}

constexpr ColumnLayout kCard26[] = {
    col(Card26Col::Waku, "枠", 20),
    col(Card26Col::Uma, "馬", 20),
    col(Card26Col::Bamei, "馬名", 130),
    col(Card26Col::SeiRei, "性齢", 35),
    col(Card26Col::Kishu, "騎手", 60),
    col(Card26Col::Kinryo, "斤量", 35),
    col(Card26Col::TanOz, "単OZ", 45),
    col(Card26Col::TanJun, "順", 20),
    {8, "", kHidden},
    {9, "", kHidden},
    {10, "", kHidden},
    {11, "", kHidden},
    {12, "", kHidden},
    {13, "", kHidden},
    {14, "", kHidden},
    {15, "", kHidden},
    {16, "", kHidden},
    {17, "", kHidden},
    col(Card26Col::Mark1, "◎", 30),
    col(Card26Col::Mark2, "○", 30),
    col(Card26Col::Mark3, "▲", 30),
};

constexpr ColumnLayout kCard1[] = {
    col(Card1Col::Waku, "枠", 20),          col(Card1Col::Uma, "馬", 20),        col(Card1Col::Bamei, "馬名", 130),
    col(Card1Col::SeiRei, "性齢", 35),      col(Card1Col::Kishu, "騎手", 60),    col(Card1Col::Kinryo, "斤量", 35),
    col(Card1Col::Chokyoshi, "調教師", 60), col(Card1Col::Compi, "ｺﾝﾋﾟ", 30),    col(Card1Col::CompiRank, "順", 20),
    col(Card1Col::TanOz, "単OZ", 40),       col(Card1Col::TanPop, "順", 20),     col(Card1Col::FukOz, "複OZ", 40),
    col(Card1Col::FukPop, "順", 20),        col(Card1Col::DMTime, "ﾀｲﾑ型M", 50), col(Card1Col::DMRank, "順", 20),
    col(Card1Col::TMScore, "対戦型M", 50),  col(Card1Col::TMRank, "順", 20),     col(Card1Col::Own1, "独1", 30),
    col(Card1Col::Own2, "独2", 30),         col(Card1Col::Chakujun, "着", 20),   col(Card1Col::Ninki, "人", 20),
    col(Card1Col::KakuOdds, "確ｵｯｽﾞ", 45),
};

constexpr ColumnLayout kKaime[] = {
    col(KaimeCol::Kesu, "消", 24),
    col(KaimeCol::No, "No.", 36),
    col(KaimeCol::Baken, "馬券", 48),
    col(KaimeCol::Kaime, "買い目", 80),
    col(KaimeCol::Ninki, "人気", kHidden),
    col(KaimeCol::Odds, "オッズ", 60),
    col(KaimeCol::Stake, "購入額", 60),
    col(KaimeCol::Return, "回収額", 64),
    col(KaimeCol::ReturnRate, "回収率", 56),
    col(KaimeCol::Rate1, "出現率1", kHidden),
    col(KaimeCol::Rate2, "出現率2", kHidden),
    col(KaimeCol::Rate3, "出現率3", kHidden),
    col(KaimeCol::ResultPayout, "結果配当", 64),
    col(KaimeCol::ResultReturn, "結果回収", 64),
    col(KaimeCol::ResultPop, "結果人気", 56),
};

constexpr ColumnLayout kAllKaime[] = {
    col(KaimeCol::Kesu, "消", 24),
    col(KaimeCol::No, "No.", 36),
    col(KaimeCol::Baken, "馬券種", 48),
    col(KaimeCol::Kaime, "買い目", 80),
    col(KaimeCol::Ninki, "連順位", kHidden),
    col(KaimeCol::Odds, "オッズ", 60),
    col(KaimeCol::Stake, "購入額", 60),
    col(KaimeCol::Return, "回収額", 64),
    col(KaimeCol::ReturnRate, "回収率", kHidden),
    col(KaimeCol::Rate1, "出現率1", kHidden),
    col(KaimeCol::Rate2, "出現率2", kHidden),
    col(KaimeCol::Rate3, "出現率3", kHidden),
    col(KaimeCol::ResultPayout, "結果配当", 64),
    col(KaimeCol::ResultReturn, "結果回収", 64),
    col(KaimeCol::ResultPop, "結果人気", kHidden),
};

constexpr ColumnLayout kHyosu[] = {
    col(HyosuCol::Race, "レース", 64),  col(HyosuCol::Joken, "条件", 64), col(HyosuCol::Hidden, "", kHidden),
    col(HyosuCol::Jikoku, "時刻", 48),  col(HyosuCol::Tan, "単勝", 64),   col(HyosuCol::Fuk, "複勝", 64),
    col(HyosuCol::WR, "枠連", 64),      col(HyosuCol::UR, "馬連", 64),    col(HyosuCol::WD, "ワイド", 64),
    col(HyosuCol::UT, "馬単", 64),      col(HyosuCol::SRF, "３連複", 64), col(HyosuCol::SRT, "３連単", 64),
    col(HyosuCol::Total, "票数計", 72),
};

constexpr ColumnLayout kOdds[] = {
    col(OddsCol::Blank, "", 24),      col(OddsCol::Jun, "順", 28),       col(OddsCol::Baken, "馬券", 80),
    col(OddsCol::Odds, "オッズ", 64), col(OddsCol::Pop, "対応人気", 64),
};

struct GridEntry {
    std::string_view name;
    std::span<const ColumnLayout> layout;
};

constexpr std::array<GridEntry, static_cast<std::size_t>(GridId::Count)> kGrids = {{
    {"StringGrid26", kCard26},
    {"StringGrid1", kCard1},
    {"TanKaimeGrid", kKaime},
    {"FukKaimeGrid", kKaime},
    {"WRKaimeGrid", kKaime},
    {"URKaimeGrid", kKaime},
    {"WDKaimeGrid", kKaime},
    {"UTKaimeGrid", kKaime},
    {"SRFKaimeGrid", kKaime},
    {"SRTKaimeGrid", kKaime},
    {"AllKaimeGrid", kAllKaime},
    {"HyosuGrid", kHyosu},
    {"OddsGrid", kOdds},
}};

static_assert(std::size(kCard26) == static_cast<std::size_t>(Card26Col::Count));
static_assert(std::size(kCard1) == static_cast<std::size_t>(Card1Col::Count));
static_assert(std::size(kKaime) == static_cast<std::size_t>(KaimeCol::Count));
static_assert(std::size(kAllKaime) == static_cast<std::size_t>(KaimeCol::Count));
static_assert(std::size(kHyosu) == static_cast<std::size_t>(HyosuCol::Count));
static_assert(std::size(kOdds) == static_cast<std::size_t>(OddsCol::Count));

const GridEntry& entry(GridId grid) { return kGrids[static_cast<std::size_t>(grid)]; }

}  // namespace

std::string_view gridName(GridId grid) { return entry(grid).name; }

GridId kaimeGridOf(BetType bet) {
    return static_cast<GridId>(static_cast<int>(GridId::TanKaimeGrid) + static_cast<int>(bet));
}

std::span<const ColumnLayout> gridLayout(GridId grid) { return entry(grid).layout; }

void layoutGrid(GridId grid, TextGrid& text) { applyColumnLayout(gridLayout(grid), text); }

}  // namespace marovix
