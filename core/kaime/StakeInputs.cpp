#include "core/kaime/StakeInputs.h"

#include <algorithm>

#include "core/kaime/StakeAllocation.h"
#include "core/race/JvRecord.h"

namespace marovix {
void StakeInputs::reset(const BetAmounts& defaults) {
    for (std::size_t bet = 0; bet < m_amounts.size(); ++bet) m_amounts[bet].fill(Yen{defaults[bet]});
}

Yen StakeInputs::amount(BetType bet, RaceSlot slot) const {
    return validSlot(slot) ? m_amounts[static_cast<std::size_t>(bet)][static_cast<std::size_t>(slot)] : 0;
}

void StakeInputs::set(BetType bet, RaceSlot slot, Yen amount) {
    if (validSlot(slot)) m_amounts[static_cast<std::size_t>(bet)][static_cast<std::size_t>(slot)] = amount;
}

Yen stakeAmountOf(std::string_view editText) { return std::max<Yen>(0, lenientYen(editText)); }

BetAmounts raisedDefaultStakes(BetAmounts amounts) {
    for (int& amount : amounts) amount = std::max(amount, kMinimumStake);
    return amounts;
}

}  // namespace marovix
