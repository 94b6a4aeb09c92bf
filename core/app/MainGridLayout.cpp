#include "core/app/MainGridLayout.h"

#include <initializer_list>
#include <string_view>

namespace marovix {
namespace {

constexpr int kHidden = -1;

void setHeadings(TextGrid& grid, std::initializer_list<std::string_view> headings) {
    grid.resize(grid.rowCount() < 2 ? 2 : grid.rowCount(), static_cast<int>(headings.size()));
    int column = 0;
    for (std::string_view heading : headings) grid.setCell(column++, 0, std::string(heading));
}

void hide(TextGrid& grid, std::initializer_list<int> columns) {
    for (int column : columns) grid.setColumnWidth(column, kHidden);
}

}  // namespace

void layoutStringGrid26(TextGrid& grid) {
    setHeadings(grid, {"枠", "馬", "馬名", "性齢", "騎手", "斤量", "単OZ", "順", "",  "", "",
                       "",   "",   "",     "",     "",     "",     "",     "◎",  "○", "▲"});
    const int widths[] = {24, 24, 130, 40, 70, 40, 48, 28};
    for (int c = 0; c < 8; ++c) grid.setColumnWidth(c, widths[c]);
    hide(grid, {8, 9, 10, 11, 12, 13, 14, 15, 16, 17});
    for (int c = 18; c <= 20; ++c) grid.setColumnWidth(c, 24);
}

void layoutKaimeGrid(TextGrid& grid) {
    setHeadings(grid, {"消", "No.", "馬券", "買い目", "人気", "オッズ", "購入額", "回収額", "回収率", "出現率1",
                       "出現率2", "出現率3", "結果配当", "結果回収", "結果人気"});
    const int widths[] = {24, 36, 48, 80, 36, 60, 60, 64, 56, 56, 56, 56, 64, 64, 56};
    for (int c = 0; c < 15; ++c) grid.setColumnWidth(c, widths[c]);
    hide(grid, {4, 9, 10, 11});
}

void layoutAllKaimeGrid(TextGrid& grid) {
    layoutKaimeGrid(grid);
    grid.setCell(2, 0, "馬券種");
    grid.setCell(4, 0, "連順位");
    hide(grid, {4, 8, 9, 10, 11, 14});
}

void layoutStringGrid1(TextGrid& grid) {
    setHeadings(grid, {"枠",   "馬", "馬名",   "性齢", "騎手",    "斤量", "調教師", "ｺﾝﾋﾟ", "順", "単OZ", "順",
                       "複OZ", "順", "ﾀｲﾑ型M", "順",   "対戦型M", "順",   "独1",    "独2",  "着", "人",   "確ｵｯｽﾞ"});
    const int widths[] = {24, 24, 130, 40, 70, 40, 70, 40, 28, 48, 28, 48, 28, 56, 28, 56, 28, 40, 40, 28, 28, 56};
    for (int c = 0; c < 22; ++c) grid.setColumnWidth(c, widths[c]);
}

void layoutHyosuGrid(TextGrid& grid) {
    setHeadings(grid, {"レース", "条件", "", "時刻", "単勝", "複勝", "枠連", "馬連", "ワイド", "馬単", "３連複",
                       "３連単", "票数計"});
    hide(grid, {2});
}

void layoutOddsGrid(TextGrid& grid) { setHeadings(grid, {"", "順", "馬券", "オッズ", "対応人気"}); }

}  // namespace marovix
