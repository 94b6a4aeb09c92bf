#pragma once
// The controls of the bet-type pages as the builders read them (participation, buying method, multi
// boxes, odds filter), and which multi boxes show (RefSpanBtn).
#include <array>
#include <span>
#include <string>
#include <string_view>

#include "core/common/BetType.h"
#include "core/kaime/SelectionBuilder.h"
#include "core/settings/MainOptions.h"

namespace marovix {

// The page index of the bet type's tab in PageControl4 (0 is "一括", then win 1 ... trifecta 8).
int betTypeTab(BetType bet);

// What the build of `bet` reads: it takes part when its participation box is ticked or its tab is the
// active page (TabIndex); its buying method and multi boxes; its two odds filter edits out of `ozSpan`
// (the edits in the order Toz1A, Toz1B, Foz1A, ... SRToz1B).
SelectionOptions selectionOptions(BetType bet, const MainOptions& options, std::span<const std::string, 16> ozSpan);

// The setting of an odds-range edit (index in the order Toz1A, Toz1B, Foz1A, ... SRToz1B).
// REQUIRES: 0 <= index < 16.
const SettingKey& ozSpanKey(int index);
// The sixteen odds-range edits as the settings hold them, in that order.
std::array<std::string, 16> readOzSpan(const SettingsSnapshot& settings);

// The multi check boxes of the exacta and trifecta pages, by control name.
struct MultiBox {
    MainOption option;
    std::string_view name;
};
inline constexpr std::array<MultiBox, 5> kMultiBoxes = {{
    {MainOption::MultiUmatan, "CheckMultiUT"},
    {MainOption::MultiSRT, "CheckMulti3T"},
    {MainOption::MultiSRT12, "CheckMulti3T12"},
    {MainOption::MultiSRT23, "CheckMulti3T23"},
    {MainOption::MultiSRT13, "CheckMulti3T13"},
}};
// The control name of a multi box option ("" for any other option).
std::string_view multiBoxName(MainOption option);

// RefSpanBtn: which multi boxes show, in the order of kMultiBoxes. Trifecta "BOX" hides its four,
// "1軸流し" and "2軸流し" show "マルチ" only, "ﾌｫｰﾒｰｼｮﾝ" shows all four; the exacta's "マルチ" shows only
// while its method is "流し".
std::array<bool, kMultiBoxes.size()> multiBoxesVisible(const MainOptions& options);

}  // namespace marovix
