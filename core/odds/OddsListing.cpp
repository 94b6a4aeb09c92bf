#include "core/odds/OddsListing.h"

#include <algorithm>
#include <span>

namespace marovix {
namespace {

bool listed(double odds) { return odds > 0 || odds == kScratchedOdds; }

// Calls `visit(index, prefix, odds, high, popularity)` for the eight bet types in their order (`high`
// empty but for place).
template <class Visit>
void forEachBetType(const OddsTable& table, Visit visit) {
    visit(0, std::string_view("Tan"), std::span<const double>(table.TanOdds), std::span<const double>(),
          std::span<const int>(table.TanPop));
    visit(1, std::string_view("Fuk"), std::span<const double>(table.FukOddsLow),
          std::span<const double>(table.FukOddsHigh), std::span<const int>(table.FukLowPop));
    for (const auto& layout : kOddsKindLayouts)
        visit(2 + static_cast<std::size_t>(kindIndex(layout.kind)), layout.prefix, table.combinationOdds(layout.kind),
              std::span<const double>(), table.combinationPopularity(layout.kind));
}

}  // namespace

std::array<BetOddsList, 8> listOdds(const OddsTable& table) {
    std::array<BetOddsList, 8> lists;
    forEachBetType(table, [&](std::size_t index, std::string_view prefix, std::span<const double> odds,
                              std::span<const double> high, std::span<const int> popularity) {
        BetOddsList& list = lists[index];
        list.prefix = prefix;
        for (std::size_t i = 1; i < odds.size(); ++i)
            if (listed(odds[i]))
                list.entries.push_back({static_cast<int>(i), odds[i], high.empty() ? 0.0 : high[i], popularity[i]});
    });
    return lists;
}

std::array<BetOddsGaps, 8> listOddsGaps(const OddsTable& table, int runners) {
    std::array<BetOddsGaps, 8> lists;
    forEachBetType(table, [&](std::size_t index, std::string_view prefix, std::span<const double> odds,
                              std::span<const double>, std::span<const int>) {
        BetOddsGaps& gaps = lists[index];
        gaps.prefix = prefix;
        // Win and place are read for the registered runners only; the other horses' entries stay unread.
        const std::size_t end =
            index < 2 ? std::min(odds.size(), static_cast<std::size_t>(std::max(runners, 0)) + 1) : odds.size();
        for (std::size_t i = 1; i < end; ++i) {
            if (odds[i] == kEmptyOdds) gaps.empty.push_back(static_cast<int>(i));
            if (odds[i] == 0) gaps.noVotes.push_back(static_cast<int>(i));
        }
    });
    return lists;
}

}  // namespace marovix
