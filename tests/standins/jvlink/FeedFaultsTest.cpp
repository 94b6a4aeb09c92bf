#include "standins/jvlink/FeedFaults.h"

#include <gtest/gtest.h>

namespace marovix::feed_faults_test {
namespace {

TEST(FeedFaults, ParsesRulesAndListsTheLinesThatAreNone) {
    FeedFaults faults = FeedFaults::parse(
        "JVOpen -504            # every JVOpen returns -504\r\n"
        "JVRead -402 after 25\n"
        "\n"
        "   # a comment line\n"
        "JVRTOpen -1 0B30\n"
        "JVRead -403 0B12 after 2\n"
        "JVStatus\n"
        "JVStatus x\n"
        "JVOpen -1 after\n"
        "JVOpen -1 after -2\n"
        "JVOpen -1 A B\n"
        "jvopen -1\n"
        "JVRead 0 afer 25\n"
        "JVRead -402 afer\n"
        "JVRead -402 RACEMING after 1\n");
    ASSERT_EQ(faults.rules().size(), 5u);
    const auto& r = faults.rules();
    EXPECT_EQ(r[0].operation, "JVOpen");
    EXPECT_EQ(r[0].code, -504);
    EXPECT_EQ(r[0].after, 0);
    EXPECT_EQ(r[1].after, 25);
    EXPECT_EQ(r[2].dataspec, "0B30");
    EXPECT_EQ(r[3].dataspec, "0B12");
    EXPECT_EQ(r[3].after, 2);
    EXPECT_EQ(faults.problems(),
              (std::vector<std::string>{"line 7: JVStatus", "line 8: JVStatus x", "line 9: JVOpen -1 after",
                                        "line 10: JVOpen -1 after -2", "line 11: JVOpen -1 A B", "line 12: jvopen -1",
                                        "line 13: JVRead 0 afer 25", "line 14: JVRead -402 afer"}));
    EXPECT_EQ(r[4].dataspec, "RACEMING");
}

TEST(FeedFaults, JVReadTakesNoPositiveCode) {
    // "JVRead 121106" made JVRead report a record of that length that it never read. Other counts stay
    // rules: JVRead 0 ends the data early, JVStatus 99 counts beyond the download.
    FeedFaults faults = FeedFaults::parse("JVRead 121106\nJVRead 1 0B12\nJVRead 0 after 2\nJVStatus 99\n");
    ASSERT_EQ(faults.rules().size(), 2u);
    EXPECT_EQ(faults.rules()[0].code, 0);
    EXPECT_EQ(faults.rules()[1].operation, "JVStatus");
    EXPECT_EQ(faults.problems(), (std::vector<std::string>{"line 1: JVRead 121106", "line 2: JVRead 1 0B12"}));
}

TEST(FeedFaults, RuleFiresOnceItsAllowanceIsUsedAndOnlyForItsDataspec) {
    FeedFaults faults = FeedFaults::parse("JVRead -402 0B30 after 2\nJVRead -502 after 3\n");
    std::vector<std::optional<int>> seen;
    for (int i = 0; i < 5; ++i) {
        seen.push_back(faults.failure("JVRead", "0B30"));
        if (!seen.back()) faults.passed("JVRead", "0B30");
    }
    EXPECT_EQ(seen, (std::vector<std::optional<int>>{std::nullopt, std::nullopt, -402, -402, -402}));
    EXPECT_EQ(faults.failure("JVRead", "0B12"), std::nullopt);
    faults.passed("JVRead", "0B12");
    EXPECT_EQ(faults.failure("JVRead", "0B12"), -502);
    faults.restart("JVRead");
    EXPECT_EQ(faults.failure("JVRead", "0B30"), std::nullopt);
    EXPECT_EQ(faults.failure("JVOpen", "RACEMING"), std::nullopt);
}

}  // namespace
}  // namespace marovix::feed_faults_test
