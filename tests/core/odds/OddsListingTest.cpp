// The odds of a race listed per bet type.
#include "core/odds/OddsListing.h"

#include <gtest/gtest.h>

namespace marovix {
namespace {

TEST(OddsListing, EveryBetTypeInOrderWithItsReadAndScratchedEntries) {
    OddsTable table;
    table.TanOdds[1] = 2.5;
    table.TanPop[1] = 1;
    table.TanOdds[2] = kScratchedOdds;
    table.TanOdds[3] = kEmptyOdds;
    table.FukOddsLow[1] = 1.1;
    table.FukOddsHigh[1] = 1.4;
    table.FukLowPop[1] = 1;
    table.UROdds[153] = 1234.5;
    table.URPop[153] = 153;
    table.SRTOdds[4896] = kScratchedOdds;
    table.SRTOdds[1] = 0.0;  // no votes
    const auto lists = listOdds(table);
    const char* prefixes[] = {"Tan", "Fuk", "WR", "UR", "WD", "UT", "SRF", "SRT"};
    for (std::size_t i = 0; i < lists.size(); ++i) EXPECT_EQ(lists[i].prefix, prefixes[i]);
    EXPECT_EQ(lists[0].entries, (std::vector<OddsListEntry>{{1, 2.5, 0.0, 1}, {2, kScratchedOdds, 0.0, 0}}));
    EXPECT_EQ(lists[1].entries, (std::vector<OddsListEntry>{{1, 1.1, 1.4, 1}}));
    EXPECT_TRUE(lists[2].entries.empty());
    EXPECT_EQ(lists[3].entries, (std::vector<OddsListEntry>{{153, 1234.5, 0.0, 153}}));
    EXPECT_EQ(lists[7].entries, (std::vector<OddsListEntry>{{4896, kScratchedOdds, 0.0, 0}}));
}

}  // namespace
}  // namespace marovix
