// Reading the entries of a payout record and the payout summary built from them.
#include <gtest/gtest.h>

#include <cstdio>

#include "core/results/PayoutRecord.h"
#include "core/results/PayoutSummary.h"
#include "tests/support/PayoutRecordBuilder.h"

namespace marovix::payout_record_test {
namespace {

TEST(PayoutRecordTest, EveryBetTypeHasItsNumberOfEntries) {
    const int expected[] = {3, 5, 3, 3, 7, 6, 3, 6};
    const std::string hr = PayoutRecordBuilder(testRaceKey(11)).record();
    for (const BetTypeInfo& bet : kBetTypes) {
        EXPECT_EQ(payoutEntryCount(bet.type), expected[static_cast<int>(bet.type)]) << bet.name;
        EXPECT_EQ(payoutEntries(hr, bet.type).size(), static_cast<std::size_t>(expected[static_cast<int>(bet.type)]));
    }
}

// The last entry of each bet type: a misplaced stride or width shows up there first.
struct LastEntryCase {
    BetType bet;
    std::vector<int> numbers;
    long long payout;
    int popularity;
    const char* text;
};

void PrintTo(const LastEntryCase& c, std::ostream* out) { *out << betTypeInfo(c.bet).prefix << " " << c.text; }

class PayoutLastEntryTest : public ::testing::TestWithParam<LastEntryCase> {};

TEST_P(PayoutLastEntryTest, ReadsNumbersPayoutAndPopularity) {
    const LastEntryCase& c = GetParam();
    const int last = payoutEntryCount(c.bet) - 1;
    PayoutRecordBuilder builder(testRaceKey(11));
    builder.entry(c.bet, last, c.numbers, c.payout, c.popularity);
    const auto entries = payoutEntries(builder.record(), c.bet);
    const PayoutEntry& entry = entries.back();
    ASSERT_EQ(entry.count, static_cast<int>(c.numbers.size()));
    for (std::size_t k = 0; k < c.numbers.size(); ++k) EXPECT_EQ(entry.numbers[k], c.numbers[k]);
    EXPECT_EQ(entry.payout, c.payout);
    EXPECT_EQ(entry.popularity, c.popularity);
    EXPECT_EQ(combinationText(entry), c.text);
    EXPECT_TRUE(hasWinner(entry));
    EXPECT_FALSE(hasWinner(entries.front()));  // zeros: no winner
}

INSTANTIATE_TEST_SUITE_P(AllBetTypes, PayoutLastEntryTest,
                         ::testing::Values(LastEntryCase{BetType::Tan, {7}, 450, 2, " 7"},
                                           LastEntryCase{BetType::Fuk, {18}, 150, 1, "18"},
                                           LastEntryCase{BetType::WR, {3, 6}, 1230, 4, " 3- 6"},
                                           LastEntryCase{BetType::UR, {5, 12}, 2340, 12, " 5-12"},
                                           LastEntryCase{BetType::WD, {17, 18}, 99999, 153, "17-18"},
                                           LastEntryCase{BetType::UT, {12, 5}, 5670, 21, "12- 5"},
                                           LastEntryCase{BetType::SRF, {1, 2, 3}, 123456, 816, " 1- 2- 3"},
                                           LastEntryCase{BetType::SRT, {10, 1, 2}, 123456789, 4896, "10- 1- 2"}),
                         [](const auto& info) { return std::string(betTypeInfo(info.param.bet).prefix); });

TEST(PayoutRecordTest, BlankEntriesReadAsNoWinner) {
    const std::string hr = PayoutRecordBuilder(testRaceKey(1)).blank(BetType::UR).record();
    for (const PayoutEntry& entry : payoutEntries(hr, BetType::UR)) {
        EXPECT_FALSE(hasWinner(entry));
        EXPECT_EQ(entry.payout, 0);
    }
    EXPECT_EQ(payoutEntries("", BetType::SRT).size(), 6u);  // a record too short reads as blanks
}

TEST(PayoutRecordTest, BetTypeNamesAreTheGridTexts) {
    EXPECT_EQ(betTypeOfName("ワイド"), BetType::WD);
    EXPECT_EQ(betTypeOfName("３連単"), BetType::SRT);
    EXPECT_EQ(betTypeOfName("ﾜｲﾄﾞ"), std::nullopt);
    EXPECT_EQ(betTypeOfName(""), std::nullopt);
}

TEST(PayoutSummaryTest, KeepsHorsesForWinAndPlaceAndTextsOnlyForCompleteCombinations) {
    const std::string hr = PayoutRecordBuilder(testRaceKey(11))
                               .entry(BetType::Tan, 0, {7}, 450, 2)
                               .entry(BetType::Tan, 1, {9}, 380, 1)  // dead heat
                               .entry(BetType::UR, 0, {5, 12}, 2340, 8)
                               .entry(BetType::UR, 1, {0, 12}, 999, 3)  // a number missing: no text
                               .record();
    const PayoutSummary summary = summarisePayout(hr);
    ASSERT_EQ(summary.of(BetType::Tan).size(), 3u);
    EXPECT_EQ(summary.of(BetType::Tan)[0], (PayoutSummaryEntry{7, "", 450, 2}));
    EXPECT_EQ(summary.of(BetType::Tan)[1], (PayoutSummaryEntry{9, "", 380, 1}));
    EXPECT_EQ(summary.of(BetType::Tan)[2], (PayoutSummaryEntry{0, "", 0, 0}));
    EXPECT_EQ(summary.of(BetType::UR)[0], (PayoutSummaryEntry{0, " 5-12", 2340, 8}));
    EXPECT_EQ(summary.of(BetType::UR)[1], (PayoutSummaryEntry{0, "", 999, 3}));
    EXPECT_EQ(summary.of(BetType::WD).size(), 7u);
}

TEST(CombinationTextTest, WritesEveryNumberAsPrintfWidthTwoJoinedByHyphens) {
    for (const int number : {-5, 0, 1, 9, 10, 18, 99, 100, 1234}) {
        for (int count = 1; count <= 3; ++count) {
            PayoutEntry entry;
            entry.count = count;
            entry.numbers = {number, 3, number};
            std::string expected;
            for (int k = 0; k < count; ++k) {
                char part[16];
                std::snprintf(part, sizeof part, k + 1 < count ? "%2d-" : "%2d",
                              entry.numbers[static_cast<std::size_t>(k)]);
                expected += part;
            }
            EXPECT_EQ(combinationText(entry), expected) << number << " x" << count;
        }
    }
}

}  // namespace
}  // namespace marovix::payout_record_test
