#pragma once
// The payout summary of a race, built from its payout record for display (CalcBtnClick): per bet type
// and entry the winning combination, the payout and the popularity.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/BetType.h"

namespace marovix {

struct PayoutSummaryEntry {
    int horse = 0;            // win and place: the horse number (0 without a winner)
    std::string combination;  // the other bet types: the combination text, empty without a winner
    int payout = 0;
    int popularity = 0;
    friend bool operator==(const PayoutSummaryEntry&, const PayoutSummaryEntry&) = default;
};

struct PayoutSummary {
    // Per bet type in bet-type order, payoutEntryCount(bet) entries each.
    std::array<std::vector<PayoutSummaryEntry>, 8> bets;
    const std::vector<PayoutSummaryEntry>& of(BetType bet) const { return bets[static_cast<std::size_t>(bet)]; }
    friend bool operator==(const PayoutSummary&, const PayoutSummary&) = default;
};

// The summary of one payout record. The combination text is formed (as in the hit judgement) only when
// all its numbers are above 0.
PayoutSummary summarisePayout(std::string_view hr);

}  // namespace marovix
