#pragma once
// The stake input ("入力投票金額"): one whole-yen amount per bet type and race slot. When a day is opened
// every amount takes its bet type's default (KaimeSet/DefaultAmountTan ... DefaultAmountSRT); the stake
// edits of the shown race show and change that race's amounts.
#include <array>
#include <string_view>

#include "core/common/BetType.h"
#include "core/common/Yen.h"
#include "core/race/RaceSlot.h"

namespace marovix {

// The eight default amounts of the settings (KaimeSet/DefaultAmountTan ...), in bet-type order.
using BetAmounts = std::array<int, 8>;

class StakeInputs {
public:
    // All 288 amounts from the eight defaults.
    void reset(const BetAmounts& defaults);
    // 0 for a slot outside 0..35.
    Yen amount(BetType bet, RaceSlot slot) const;
    // Ignored for a slot outside 0..35.
    void set(BetType bet, RaceSlot slot, Yen amount);

private:
    std::array<std::array<Yen, kRaceSlotCount>, 8> m_amounts{};
};

// The amount a stake edit's text stands for: its whole number of yen (64-bit), 0 when it holds none.
Yen stakeAmountOf(std::string_view editText);

// The default-stake window "投資金設定" raises every amount below 100 to 100 before storing it.
BetAmounts raisedDefaultStakes(BetAmounts amounts);

}  // namespace marovix
