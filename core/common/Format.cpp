#include "core/common/Format.h"

#include <charconv>
#include <cmath>

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
    // The standard's fixed notation with a precision is printf's "%.<precision>f", digit for digit.
    char digits[64];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, precision);
    if (error != std::errc{}) return false;  // too long for the buffer: the C library writes it
    padded(out, digits, end, width);
    return true;
}

}  // namespace marovix::detail
