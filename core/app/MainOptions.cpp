#include "core/app/MainOptions.h"

namespace marovix {
namespace {

constexpr std::array<std::string_view, 4> kTwoHorseMethods = {"Box", "流し", "", ""};
constexpr std::array<std::string_view, 4> kThreeHorseMethods = {"BOX", "1軸流し", "2軸流し", "ﾌｫｰﾒｰｼｮﾝ"};
constexpr std::pair<std::string_view, MainOption> kNoMulti{"", MainOption::Count};

// In bet-type order from the bracket quinella on.
constexpr BetPageOptions kBetPages[] = {
    {MainOption::KaikataWR, kTwoHorseMethods, {kNoMulti, kNoMulti, kNoMulti, kNoMulti}},
    {MainOption::KaikataUR, kTwoHorseMethods, {kNoMulti, kNoMulti, kNoMulti, kNoMulti}},
    {MainOption::KaikataWD, kTwoHorseMethods, {kNoMulti, kNoMulti, kNoMulti, kNoMulti}},
    {MainOption::KaikataUT, kTwoHorseMethods, {{{"マルチ", MainOption::MultiUmatan}, kNoMulti, kNoMulti, kNoMulti}}},
    {MainOption::KaikataSRF, kThreeHorseMethods, {kNoMulti, kNoMulti, kNoMulti, kNoMulti}},
    {MainOption::KaikataSRT,
     kThreeHorseMethods,
     {{{"マルチ", MainOption::MultiSRT},
       {"1,2着マルチ", MainOption::MultiSRT12},
       {"2,3着マルチ", MainOption::MultiSRT23},
       {"1,3着マルチ", MainOption::MultiSRT13}}}},
};

}  // namespace

const BetPageOptions* betPageOptions(BetType type) {
    const int index = static_cast<int>(type) - static_cast<int>(BetType::WR);
    return index < 0 ? nullptr : &kBetPages[index];
}

}  // namespace marovix
