// The odds of a race listed per bet type.
#include "core/odds/OddsListing.h"

#include <gtest/gtest.h>

namespace marovix::odds_listing_test {
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

TEST(OddsListing, EmptyEntriesAndEntriesWithoutVotesAreToldApart) {
    OddsTable table;  // every entry 0 (not read) to begin with
    for (int h = 1; h <= 4; ++h) table.TanOdds[static_cast<std::size_t>(h)] = 3.0;
    table.TanOdds[2] = kEmptyOdds;
    table.TanOdds[3] = 0.0;  // "0000": no votes
    table.TanOdds[4] = kScratchedOdds;
    for (int h = 1; h <= 4; ++h) table.FukOddsLow[static_cast<std::size_t>(h)] = kEmptyOdds;
    table.FukOddsLow[1] = 0.0;
    for (double& odds : table.UROdds) odds = kEmptyOdds;
    table.UROdds[5] = 0.0;
    table.UROdds[7] = 12.5;
    const auto gaps = listOddsGaps(table, 4);
    const char* prefixes[] = {"Tan", "Fuk", "WR", "UR", "WD", "UT", "SRF", "SRT"};
    for (std::size_t i = 0; i < gaps.size(); ++i) EXPECT_EQ(gaps[i].prefix, prefixes[i]);
    // Horses 5..18 were never read (four runners): in neither list.
    EXPECT_EQ(gaps[0].empty, (std::vector<int>{2}));
    EXPECT_EQ(gaps[0].noVotes, (std::vector<int>{3}));
    EXPECT_EQ(gaps[1].empty, (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(gaps[1].noVotes, (std::vector<int>{1}));
    EXPECT_EQ(gaps[3].noVotes, (std::vector<int>{5}));
    EXPECT_EQ(gaps[3].empty.size(), 151u);
    EXPECT_EQ(gaps[3].empty.front(), 1);
    EXPECT_EQ(gaps[3].empty.back(), 153);
}

}  // namespace
}  // namespace marovix::odds_listing_test
