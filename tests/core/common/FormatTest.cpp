// The fixed-width number texts: whatever way a text is written, it is the text snprintf writes for the same
// pattern and value.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>

#include "core/common/Format.h"

namespace marovix::format_test {
namespace {

template <class T>
std::string printed(const char* pattern, T value) {
    char text[512];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

TEST(FormatTest, EveryNumberIsWrittenAsSnprintfWritesIt) {
    const char* doublePatterns[] = {"%5.1f", "%6.1f", "%7.1f", "%8.1f", "%10.1f", "%7.2f",
                                    "%6.1f", "%.1f",  "%3.0f", "%.f",   "%12.5f"};
    std::vector<double> doubles = {0.0,    -0.0,  0.05,   0.15,   0.25,    0.35,     1.05,    2.5,    -2.5,
                                   33.8,   99.95, 999.95, 1e-300, -1e-300, 12345.67, 1e15,    1e22,   1e300,
                                   -1e300, 0.125, 0.375,  5e-324, 1.0 / 3, 2.0 / 3,  9999.95, 123.45, 0.45};
    std::mt19937_64 random(7);
    std::uniform_int_distribution<int> tenths(-100, 999999);
    std::uniform_real_distribution<double> anywhere(-1e6, 1e6);
    for (int i = 0; i < 5000; ++i) {
        doubles.push_back(tenths(random) / 10.0);
        doubles.push_back(anywhere(random));
        doubles.push_back(static_cast<double>(tenths(random)) / static_cast<double>(1 + tenths(random) % 977) * 10);
        doubles.push_back((tenths(random) + 0.5) / 10);    // halves of the last decimal: printf's ties
        doubles.push_back((tenths(random) + 0.5) / 1000);  // and of the second one
        doubles.push_back(-tenths(random) / 1000.0);
        const std::uint64_t bits = random();
        double any;
        std::memcpy(&any, &bits, sizeof any);
        doubles.push_back(any);
    }
    doubles.push_back(std::numeric_limits<double>::infinity());
    doubles.push_back(-std::numeric_limits<double>::infinity());
    doubles.push_back(std::numeric_limits<double>::quiet_NaN());
    for (const char* pattern : doublePatterns)
        for (double value : doubles) ASSERT_EQ(formatted(pattern, value), printed(pattern, value)) << pattern;

    const char* intPatterns[] = {"%2d", "%3d", "%4d", "%7d", "%d", "%05d", "%-4d", "%+3d", "%2d-"};
    const char* longPatterns[] = {"%3lld", "%6lld", "%7lld", "%8lld", "%10lld", "%lld", "%02lld"};
    std::vector<long long> numbers = {0,     1,    -1,     9,         10,        99,        100,      -100,
                                      12345, 4896, -99999, INT32_MAX, INT32_MIN, INT64_MAX, INT64_MIN};
    for (int i = 0; i < 2000; ++i) numbers.push_back(static_cast<long long>(random()) >> (i % 63));
    for (long long value : numbers) {
        for (const char* pattern : longPatterns) ASSERT_EQ(formatted(pattern, value), printed(pattern, value));
        const int small = static_cast<int>(value);
        for (const char* pattern : intPatterns) ASSERT_EQ(formatted(pattern, small), printed(pattern, small));
    }
}

TEST(FormatTest, PatternsOfSeveralValuesOrOtherConversionsAreWrittenToo) {
    EXPECT_EQ(formatted("%02d%02d%02d", 9, 5, 7), "090507");
    EXPECT_EQ(formatted("%*lld", 6, 42LL), "    42");
    EXPECT_EQ(formatted("%10s", "abc"), "       abc");
    EXPECT_EQ(formatted("%5.1f%%", 12.25), " 12.2%");
    EXPECT_EQ(formatted("%200.1f", 1.0).size(), 200u);
}

}  // namespace
}  // namespace marovix::format_test
