#include "core/race/RecordLayout.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace marovix::record_layout_test {
namespace {

TEST(RecordLayout, EveryTypeOnceWithItsLengthAndTheLongestIsH6) {
    std::set<std::string_view> types;
    const RecordLayout* longest = &kRecordLayouts[0];
    for (const auto& layout : kRecordLayouts) {
        EXPECT_TRUE(types.insert(layout.type).second) << layout.type << " twice";
        EXPECT_EQ(layout.type.size(), 2u);
        EXPECT_GT(layout.length, 27) << layout.type << " must hold the identification block and CR LF";
        EXPECT_EQ(recordLength(layout.type), layout.length);
        if (layout.length > longest->length) longest = &layout;
    }
    EXPECT_EQ(types.size(), 38u);
    EXPECT_EQ(longest->type, "H6");
    EXPECT_EQ(longest->length, 102890);
    EXPECT_EQ(recordLength("O6"), 83285);
}

TEST(RecordLayout, StoredAreTheRaceCardOddsPayoutMiningAndChangeTypes) {
    const std::set<std::string_view> stored = {"RA", "SE", "HR", "DM", "TM", "O1", "O2",
                                               "O3", "O4", "O5", "O6", "WE", "AV", "TC"};
    for (const auto& layout : kRecordLayouts) {
        EXPECT_EQ(layout.stored, stored.count(layout.type) == 1) << layout.type;
        EXPECT_EQ(isStoredType(layout.type), layout.stored) << layout.type;
    }
    for (const char* known : {"H1", "H6", "WF", "JG", "WH", "JC", "CC", "TK"}) {
        EXPECT_TRUE(recordLayout(known).has_value()) << known;
        EXPECT_FALSE(isStoredType(known)) << known;
    }
    for (const char* unknown : {"ZZ", "ra", "R", ""}) {
        EXPECT_FALSE(recordLayout(unknown).has_value()) << unknown;
        EXPECT_FALSE(recordLength(unknown).has_value()) << unknown;
        EXPECT_FALSE(isStoredType(unknown)) << unknown;
    }
}

}  // namespace
}  // namespace marovix::record_layout_test
