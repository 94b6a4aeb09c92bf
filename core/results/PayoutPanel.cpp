#include "core/results/PayoutPanel.h"

#include <cstdio>

#include "core/common/Format.h"
#include "core/results/PayoutRecord.h"

namespace marovix {
namespace {

constexpr std::array<std::string_view, 8> kHeadings = {"単勝", "複勝", "枠連",   "馬連",
                                                       "ﾜｲﾄﾞ", "馬単", "三連複", "三連単"};

}  // namespace

PayoutPanel::PayoutPanel() {
    for (const BetTypeInfo& bet : kBetTypes)
        bets[static_cast<std::size_t>(bet.type)].resize(static_cast<std::size_t>(payoutEntryCount(bet.type)));
}

std::string_view payoutPanelHeading(BetType bet) { return kHeadings[static_cast<std::size_t>(bet)]; }

PayoutPanel payoutPanel(const PayoutSummary& summary) {
    PayoutPanel panel;
    for (const BetTypeInfo& bet : kBetTypes) {
        const auto& entries = summary.of(bet.type);
        auto& shown = panel.bets[static_cast<std::size_t>(bet.type)];
        for (std::size_t e = 0; e < entries.size() && e < shown.size(); ++e) {
            const PayoutSummaryEntry& entry = entries[e];
            const bool single = bet.type == BetType::Tan || bet.type == BetType::Fuk;
            if (single ? entry.horse <= 0 : entry.combination.empty()) continue;
            shown[e] = {single ? formatted("%2d", entry.horse) : entry.combination, formatted("%2d", entry.popularity),
                        formatted("%8d", entry.payout)};
        }
    }
    return panel;
}

}  // namespace marovix
