#pragma once
// The menu ticks and radio choices of the main window that are kept in the settings file.
#include <array>
#include <span>
#include <string_view>
#include <utility>

#include "core/common/BetType.h"
#include "core/settings/SettingsSnapshot.h"
#include "core/settings/SettingsTable.h"

namespace marovix {

enum class MainOption {
    SimMode,
    NotGetMining,
    NotGetKekka,
    DupOK,
    OverWriteOK,
    Sound1,
    SoundTohyo,
    KaikataWR,
    KaikataUR,
    KaikataWD,
    KaikataUT,
    KaikataSRF,
    KaikataSRT,
    MultiUmatan,
    MultiSRT,
    MultiSRT12,
    MultiSRT23,
    MultiSRT13,
    BuyTan,
    BuyFuk,
    BuyWR,
    BuyUR,
    BuyWD,
    BuyUT,
    BuySRF,
    BuySRT,
    ShihyoSet,
    TabIndex,
    HaibunSet,
    KaimemakeKakesiki,
    NotRefresh,
    OzViewKakesiki,
    Count
};

// The options on the page of a bet type that has a buying method: the method's option and captions,
// and its multi check boxes (caption and option; unused entries are empty).
struct BetPageOptions {
    MainOption kaikata;
    std::array<std::string_view, 4> methods;
    std::array<std::pair<std::string_view, MainOption>, 4> multi;
};

// Nothing for win and place, which have no buying method.
const BetPageOptions* betPageOptions(BetType type);

// Which setting keeps an option, and whether a change of its control writes it: a few options are only
// read when the main window is created (kaimemake/kakesiki, Disp/NotRefresh) and are never written.
struct MainOptionKey {
    MainOption option;
    const SettingKey& key;
    bool writtenOnChange;
};

// Every option with its setting, in the order the main window's create step loads them.
std::span<const MainOptionKey> mainOptionKeys();
const MainOptionKey& mainOptionKey(MainOption option);

// The values of the options, indexed by MainOption (booleans held as 0 and 1). Their defaults and
// keys live in the settings table; they are loaded when the main window is created.
class MainOptions {
public:
    int value(MainOption option) const { return m_values[static_cast<std::size_t>(option)]; }
    bool on(MainOption option) const { return value(option) != 0; }
    void set(MainOption option, int value) { m_values[static_cast<std::size_t>(option)] = value; }

private:
    std::array<int, static_cast<std::size_t>(MainOption::Count)> m_values{};
};

// Every option as the settings hold it (booleans as 0 and 1).
MainOptions readMainOptions(const SettingsSnapshot& settings);

}  // namespace marovix
