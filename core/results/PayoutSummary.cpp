#include "core/results/PayoutSummary.h"

#include "core/results/PayoutRecord.h"

namespace marovix {

PayoutSummary summarisePayout(std::string_view hr) {
    PayoutSummary summary;
    for (const BetTypeInfo& bet : kBetTypes) {
        const bool single = bet.type == BetType::Tan || bet.type == BetType::Fuk;
        auto& entries = summary.bets[static_cast<std::size_t>(bet.type)];
        for (const PayoutEntry& entry : payoutEntries(hr, bet.type)) {
            PayoutSummaryEntry out;
            if (single)
                out.horse = entry.numbers[0];
            else if (hasWinner(entry))
                out.combination = combinationText(entry);
            out.payout = entry.payout;
            out.popularity = entry.popularity;
            entries.push_back(std::move(out));
        }
    }
    return summary;
}

}  // namespace marovix
