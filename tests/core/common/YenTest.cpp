// Amounts of yen and odds in tenths: the lenient 64-bit parse and the exact returns.
#include <gtest/gtest.h>

#include <limits>

#include "core/common/Yen.h"

namespace marovix::yen_test {
namespace {

TEST(YenTest, TheLenientParseReadsTheWhole64BitRange) {
    const std::pair<const char*, std::int64_t> cases[] = {
        {"3000000000", 3'000'000'000},
        {"  3000000000 ", 3'000'000'000},
        {"+12", 12},
        {"-500", -500},
        {"0000000000000000000000042", 42},
        {"999999999999999999", 999'999'999'999'999'999},
        {"-999999999999999999", -999'999'999'999'999'999},
        {"1000000000000000000", 1'000'000'000'000'000'000},
        {"9223372036854775807", std::numeric_limits<std::int64_t>::max()},
        {"-9223372036854775808", std::numeric_limits<std::int64_t>::min()},
        {"9223372036854775808", 0},
        {"99999999999999999999", 0},
        {"", 0},
        {"   ", 0},
        {"-", 0},
        {"12a", 0},
        {"1 2", 0},
        {"3.5", 0},
    };
    for (auto [text, value] : cases) EXPECT_EQ(lenientInt64(text), value) << '"' << text << '"';
}

TEST(YenTest, ReturnsAreComputedFromTheOddsInWholeTenths) {
    EXPECT_EQ(oddsTenths(33.8), 338);
    EXPECT_EQ(oddsTenths(0.0), 0);
    EXPECT_EQ(oddsTenths(-1.0), 0);
    EXPECT_EQ(truncatedReturn(100, oddsTenths(33.8)), 3380);
    EXPECT_EQ(truncatedReturn(155, 17), 263);  // 263.5
    EXPECT_EQ(roundedReturn(155, 17), 264);
    EXPECT_EQ(roundedReturn(153, 17), 260);  // 260.1
    EXPECT_EQ(returnTenths(3'000'000'000, 338), 1'014'000'000'000);
    EXPECT_EQ(payoutReturn(150, 3'000'000'000), 4'500'000'000);
    EXPECT_EQ(payoutReturn(150, 250), 375);
}

TEST(YenTest, ProductsAndSumsHoldAtTheLargestAmountInsteadOfWrapping) {
    constexpr std::int64_t kMost = std::numeric_limits<std::int64_t>::max();
    EXPECT_EQ(addYen(kMost, 1), kMost);
    EXPECT_EQ(addYen(std::numeric_limits<std::int64_t>::min(), -1), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(returnTenths(kMost / 2, 9'999'999), kMost);
    EXPECT_EQ(addYen(2, 3), 5);
}

}  // namespace
}  // namespace marovix::yen_test
