// The eight-bytes-at-a-time field reading against reading one byte at a time.
#include "core/odds/FieldDigits.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <random>
#include <string>

namespace marovix::field_digits_test {
namespace {

// Bytes that matter at the edges of the digit test, a blank, the sentinels, and CP932 lead bytes.
const std::string kBytes = std::string("0123456789 -*+/:.") + '\0' + "\x80\x81\x9f\xe0\xff\x0a";

bool referenceDigits(const std::string& field, unsigned& value) {
    value = 0;
    for (char c : field) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    return true;
}

template <int Width>
void checkField(const std::string& field) {
    // The field followed by bytes that must not take part.
    std::string bytes = field + std::string(8, '7');
    unsigned expected = 0, value = 0;
    const bool digits = referenceDigits(field, expected);
    ASSERT_EQ(readDigits<Width>(bytes.data(), value), digits) << "\"" << field << "\"";
    if (digits) {
        ASSERT_EQ(value, expected) << "\"" << field << "\"";
    }
    ASSERT_EQ(isBlankField<Width>(bytes.data()), field == std::string(Width, ' ')) << "\"" << field << "\"";
    if constexpr (Width >= 2) {
        double tenths = 0;
        ASSERT_EQ(readTenths<Width>(bytes.data(), tenths), digits) << "\"" << field << "\"";
        if (digits) {
            ASSERT_EQ(tenths, expected / 10.0) << "\"" << field << "\"";
        }
    }
}

template <int Width>
void everyFieldOverTheBytes() {
    std::string field(Width, ' ');
    std::uint64_t combinations = 1;
    for (int i = 0; i < Width; ++i) combinations *= kBytes.size();
    for (std::uint64_t code = 0; code < combinations; ++code) {
        std::uint64_t rest = code;
        for (char& c : field) {
            c = kBytes[rest % kBytes.size()];
            rest /= kBytes.size();
        }
        checkField<Width>(field);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

template <int Width>
void randomFields(std::mt19937& random, int count) {
    std::uniform_int_distribution<std::size_t> pick(0, kBytes.size() - 1);
    std::uniform_int_distribution<int> digit(0, 9);
    std::string field(Width, ' ');
    for (int n = 0; n < count; ++n) {
        // Mostly digits with an occasional other byte, so both outcomes are common.
        for (char& c : field) c = random() % 4 ? static_cast<char>('0' + digit(random)) : kBytes[pick(random)];
        checkField<Width>(field);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

TEST(FieldDigits, EveryShortFieldReadsAsByteByByte) {
    everyFieldOverTheBytes<1>();
    everyFieldOverTheBytes<2>();
    everyFieldOverTheBytes<3>();
    everyFieldOverTheBytes<4>();
}

TEST(FieldDigits, LongFieldsReadAsByteByByte) {
    std::mt19937 random(13);
    randomFields<4>(random, 200000);
    randomFields<5>(random, 200000);
    randomFields<6>(random, 200000);
    randomFields<7>(random, 400000);
    for (const char* field : {"9999999", "0000000", "0000001", "1000000", "       ", "-------", "*******", "123456 "})
        checkField<7>(field);
}

// The odds of every seven-digit field are exactly the quotient of the division by 10.
TEST(FieldDigits, TenthsOfEverySevenDigitValueEqualTheDivision) {
    char field[16];
    for (unsigned value = 0; value < 10000000; ++value) {
        std::snprintf(field, sizeof field, "%07u7", value);
        double tenths = 0;
        ASSERT_TRUE(readTenths<7>(field, tenths));
        ASSERT_EQ(tenths, value / 10.0) << value;
    }
}

}  // namespace
}  // namespace marovix::field_digits_test
