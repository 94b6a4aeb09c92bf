#include "core/settings/SettingsTable.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace marovix::settings {
namespace {

template <std::size_t N>
constexpr auto rowsOf(const SettingKey (&rows)[N]) {
    std::array<const SettingKey*, N> out{};
    for (std::size_t i = 0; i < N; ++i) out[i] = &rows[i];
    return out;
}

template <std::size_t... N>
constexpr auto joined(const std::array<const SettingKey*, N>&... parts) {
    std::array<const SettingKey*, (N + ...)> out{};
    std::size_t at = 0;
    ((std::copy(parts.begin(), parts.end(), out.begin() + static_cast<std::ptrdiff_t>(at)), at += N), ...);
    return out;
}

constexpr auto singleRows = std::to_array<const SettingKey*>({
    &DirVQMTohyo2,
    &DirLumidex,
    &DirJikeiretu,
    &LocateTop,
    &LocateLeft,
    &LocateWidth,
    &LocateHeight,
    &LocateDETop,
    &LocateDELeft,
    &LocateDEWidth,
    &LocateDEHeight,
    &LocateKaiSetTop,
    &LocateKaiSetLeft,
    &IpatLogLocateTop,
    &IpatLogLocateLeft,
    &IpatLogLocateWidth,
    &IpatLogLocateHeight,
    &TohyoSimMode,
    &TohyoDupOK,
    &NotGetDataMining,
    &NotGetDataKekka,
    &PlaySound1,
    &PlaySoundTohyo,
    &OzGetOverWriteOK,
    &KaikataWR,
    &KaikataUR,
    &KaikataWD,
    &KaikataUT,
    &KaikataSRF,
    &KaikataSRT,
    &MultiSetUmatan,
    &MultiSetSRTmulti,
    &MultiSetSRTmulti12,
    &MultiSetSRTmulti23,
    &MultiSetSRTmulti13,
    &KaimeSetShihyoSet,
    &KaimeSetTabIndex,
    &KaimeSetHaibunSet,
    &KaimemakeKakesiki,
    &OzViewKakesiki,
    &DispNotRefresh,
    &TimeAutoOzGet,
    &TimeAutoOzGetSec,
    &TimeAutoTohyoInterval,
    &TimeAutoRdataGet,
    &InfoSettingsOzAlarm,
    &InfoSettingsTohyoAlarm,
    &JvDataGetKakuteiOzGet,
    &JvDataGetLastTime,
    &SihyoSel1,
    &SihyoSel2,
    &SihyoSel3,
    &OriginalSisu1,
    &OriginalSisu2,
    &NaviQuitSel,
    &NaviQuitZandaka1,
    &NaviQuitZandaka2,
    &SetUmaMaru2,
    &SetUmaMaru1,
    &SetUmaSankaku,
    &TaishoRPickWay,
    &RaceFilterKyori1,
    &RaceFilterKyori2,
});

constexpr auto allRows =
    joined(singleRows, rowsOf(OzSpanA), rowsOf(OzSpanB), rowsOf(BuyBaken), rowsOf(KaimeSetDefaultAmount));

}  // namespace

std::span<const SettingKey* const> allKeys() { return allRows; }

std::string listItemKey(int index) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", index);
    return text;
}

}  // namespace marovix::settings
