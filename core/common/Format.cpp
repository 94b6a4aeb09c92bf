#include "core/common/Format.h"

#include <charconv>
#include <cmath>
#include <iterator>

namespace marovix::detail {
namespace {

constexpr int kMostWidth = 64;  // wider fields go to the C library

// The field width of a pattern starting "%<width>" (no flags), and where the conversion follows; -1 when
// the pattern does not start so.
int readWidth(const char*& at) {
    if (*at++ != '%') return -1;
    if (*at == '0') return -1;  // a flag: padding with zeros
    int width = 0;
    while (*at >= '0' && *at <= '9') {
        width = width * 10 + (*at++ - '0');
        if (width > kMostWidth) return -1;
    }
    return width;
}

// The digits right-aligned in `width` blanks, as printf pads a number without flags.
void padded(std::string& out, const char* digits, const char* end, int width) {
    const auto length = static_cast<std::size_t>(end - digits);
    out.assign(length < static_cast<std::size_t>(width) ? static_cast<std::size_t>(width) - length : 0, ' ');
    out.append(digits, length);
}

// "%<width>.<precision>f" of a value whose decimals are plain to round: printf writes the value rounded to
// `precision` decimals, that is the integer nearest value x 10^precision. Scaled by an exact power of ten,
// the product is off by at most half a unit in its last place (below 1e-7 under 1e9), so when it lies
// farther than 1e-6 from a half its nearest integer is the exact value's. Odds, rates and returns are such
// values; false for any other (a near tie, a large value), which to_chars writes.
bool rounded(std::string& out, double value, int precision, int width) {
    static constexpr double kPowers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6};
    if (precision >= static_cast<int>(std::size(kPowers))) return false;
    const double scaled = std::fabs(value) * kPowers[precision];
    if (!(scaled < 1e9)) return false;
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;  // exact
    if (std::fabs(fraction - 0.5) <= 1e-6) return false;
    auto units = static_cast<unsigned long long>(whole) + (fraction > 0.5 ? 1 : 0);
    // Digits from the last: the decimals, the point, the integer part (at least "0"), the sign of the value.
    char digits[32];
    char* at = digits + sizeof digits;
    for (int i = 0; i < precision; ++i, units /= 10) *--at = static_cast<char>('0' + units % 10);
    if (precision > 0) *--at = '.';
    do {
        *--at = static_cast<char>('0' + units % 10);
        units /= 10;
    } while (units > 0);
    if (std::signbit(value)) *--at = '-';
    padded(out, at, digits + sizeof digits, width);
    return true;
}

}  // namespace

bool formatInt(std::string& out, const char* pattern, long long value, bool longLong) {
    const char* at = pattern;
    const int width = readWidth(at);
    if (width < 0) return false;
    if (longLong && (*at++ != 'l' || *at++ != 'l')) return false;
    if (*at++ != 'd' || *at != '\0') return false;
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    padded(out, digits, end, width);
    return true;
}

bool formatFixed(std::string& out, const char* pattern, double value) {
    if (!std::isfinite(value)) return false;  // "inf", "nan" and their signs are left to the C library
    const char* at = pattern;
    const int width = readWidth(at);
    if (width < 0 || *at++ != '.') return false;
    int precision = 0;
    while (*at >= '0' && *at <= '9') {
        precision = precision * 10 + (*at++ - '0');
        if (precision > 17) return false;
    }
    if (*at++ != 'f' || *at != '\0') return false;
    if (rounded(out, value, precision, width)) return true;
    // The standard's fixed notation with a precision is printf's "%.<precision>f", digit for digit.
    char digits[64];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, precision);
    if (error != std::errc{}) return false;  // too long for the buffer: the C library writes it
    padded(out, digits, end, width);
    return true;
}

}  // namespace marovix::detail
