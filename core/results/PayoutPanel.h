#pragma once
// The payout panel on the main window's tab "結果": one section per bet type, each with the rows
// "結果：" (the winning combination), "人気：" (popularity) and "配当：" (payout) and one column per entry.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/BetType.h"
#include "core/results/PayoutSummary.h"

namespace marovix {

struct PayoutPanelEntry {
    std::string combination;  // row "結果："
    std::string popularity;   // row "人気："
    std::string payout;       // row "配当："
    friend bool operator==(const PayoutPanelEntry&, const PayoutPanelEntry&) = default;
};

struct PayoutPanel {
    // Every entry empty: per bet type payoutEntryCount(bet) entries (3, 5, 3, 3, 7, 6, 3, 6).
    PayoutPanel();
    std::array<std::vector<PayoutPanelEntry>, 8> bets;
    const std::vector<PayoutPanelEntry>& of(BetType bet) const { return bets[static_cast<std::size_t>(bet)]; }
    friend bool operator==(const PayoutPanel&, const PayoutPanel&) = default;
};

// The section heading of a bet type: "単勝", "複勝", "枠連", "馬連", "ﾜｲﾄﾞ", "馬単", "三連複", "三連単".
std::string_view payoutPanelHeading(BetType bet);
// The captions of the three rows.
inline constexpr std::array<std::string_view, 3> kPayoutPanelRows = {"結果：", "人気：", "配当："};

// The panel of a race from its payout summary: the combination (Format "%2d" for a win or place horse,
// the text as stored for the others), Format("%2d", popularity) and Format("%8d", payout); the three
// texts of an entry without a winner (horse 0 or an empty combination) are empty.
PayoutPanel payoutPanel(const PayoutSummary& summary);

}  // namespace marovix
