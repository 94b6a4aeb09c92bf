#include "core/odds/OddsListing.h"

#include <span>

namespace marovix {
namespace {

bool listed(double odds) { return odds > 0 || odds == kScratchedOdds; }

void addEntries(std::span<const double> odds, std::span<const double> high, std::span<const int> popularity,
                std::vector<OddsListEntry>& out) {
    for (std::size_t i = 1; i < odds.size(); ++i)
        if (listed(odds[i])) out.push_back({static_cast<int>(i), odds[i], high.empty() ? 0.0 : high[i], popularity[i]});
}

}  // namespace

std::array<BetOddsList, 8> listOdds(const OddsTable& table) {
    std::array<BetOddsList, 8> lists;
    lists[0].prefix = "Tan";
    addEntries(table.TanOdds, {}, table.TanPop, lists[0].entries);
    lists[1].prefix = "Fuk";
    addEntries(table.FukOddsLow, table.FukOddsHigh, table.FukLowPop, lists[1].entries);
    for (const auto& layout : kOddsKindLayouts) {
        BetOddsList& list = lists[2 + static_cast<std::size_t>(kindIndex(layout.kind))];
        list.prefix = layout.prefix;
        addEntries(table.combinationOdds(layout.kind), {}, table.combinationPopularity(layout.kind), list.entries);
    }
    return lists;
}

}  // namespace marovix
