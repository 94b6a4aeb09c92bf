#include "core/settings/MainOptions.h"

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

const MainOptionKey kOptionKeys[] = {
    {MainOption::SimMode, settings::TohyoSimMode, true},
    {MainOption::NotGetMining, settings::NotGetDataMining, true},
    {MainOption::NotGetKekka, settings::NotGetDataKekka, true},
    {MainOption::KaikataWR, settings::KaikataWR, true},
    {MainOption::KaikataUR, settings::KaikataUR, true},
    {MainOption::KaikataWD, settings::KaikataWD, true},
    {MainOption::KaikataUT, settings::KaikataUT, true},
    {MainOption::KaikataSRF, settings::KaikataSRF, true},
    {MainOption::KaikataSRT, settings::KaikataSRT, true},
    {MainOption::MultiUmatan, settings::MultiSetUmatan, true},
    {MainOption::MultiSRT, settings::MultiSetSRTmulti, true},
    {MainOption::MultiSRT12, settings::MultiSetSRTmulti12, true},
    {MainOption::MultiSRT23, settings::MultiSetSRTmulti23, true},
    {MainOption::MultiSRT13, settings::MultiSetSRTmulti13, true},
    {MainOption::Sound1, settings::PlaySound1, true},
    {MainOption::SoundTohyo, settings::PlaySoundTohyo, true},
    {MainOption::DupOK, settings::TohyoDupOK, true},
    {MainOption::OverWriteOK, settings::OzGetOverWriteOK, true},
    {MainOption::BuyTan, settings::BuyBaken[0], true},
    {MainOption::BuyFuk, settings::BuyBaken[1], true},
    {MainOption::BuyWR, settings::BuyBaken[2], true},
    {MainOption::BuyUR, settings::BuyBaken[3], true},
    {MainOption::BuyWD, settings::BuyBaken[4], true},
    {MainOption::BuyUT, settings::BuyBaken[5], true},
    {MainOption::BuySRF, settings::BuyBaken[6], true},
    {MainOption::BuySRT, settings::BuyBaken[7], true},
    {MainOption::ShihyoSet, settings::KaimeSetShihyoSet, true},
    {MainOption::TabIndex, settings::KaimeSetTabIndex, true},
    {MainOption::HaibunSet, settings::KaimeSetHaibunSet, true},
    {MainOption::KaimemakeKakesiki, settings::KaimemakeKakesiki, false},
    {MainOption::NotRefresh, settings::DispNotRefresh, false},
    {MainOption::OzViewKakesiki, settings::OzViewKakesiki, true},
};
static_assert(std::size(kOptionKeys) == static_cast<std::size_t>(MainOption::Count));

}  // namespace

std::span<const MainOptionKey> mainOptionKeys() { return kOptionKeys; }

const MainOptionKey& mainOptionKey(MainOption option) {
    for (const auto& row : kOptionKeys)
        if (row.option == option) return row;
    return kOptionKeys[0];  // every option has a row (checked above)
}

MainOptions readMainOptions(const SettingsSnapshot& settings) {
    MainOptions options;
    for (const MainOptionKey& row : kOptionKeys)
        options.set(row.option, row.key.type == SettingType::Bool ? (settings.readBool(row.key) ? 1 : 0)
                                                                  : settings.readInt(row.key));
    return options;
}

const BetPageOptions* betPageOptions(BetType type) {
    const int index = static_cast<int>(type) - static_cast<int>(BetType::WR);
    return index < 0 ? nullptr : &kBetPages[index];
}

}  // namespace marovix
