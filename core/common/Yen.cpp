#include "core/common/Yen.h"

#include <cmath>
#include <limits>

namespace marovix {
namespace {

constexpr Yen kMost = std::numeric_limits<Yen>::max();
constexpr Yen kLeast = std::numeric_limits<Yen>::min();

// a × b, held at the largest or smallest amount instead of wrapping.
Yen multiplied(Yen a, Yen b) {
    Yen product = 0;
    if (!__builtin_mul_overflow(a, b, &product)) return product;
    return (a < 0) == (b < 0) ? kMost : kLeast;
}

}  // namespace

std::int64_t lenientInt64(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && text[first] == ' ') ++first;
    while (last > first && text[last - 1] == ' ') --last;
    std::string_view number = text.substr(first, last - first);
    if (number.empty()) return 0;
    bool negative = false;
    if (number.front() == '+' || number.front() == '-') {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    if (number.empty()) return 0;
    if (number.size() <= 18) {
        // Up to 18 digits cannot leave the range: no overflow check (it divides) for the fields and cells.
        std::int64_t value = 0;
        for (const char c : number) {
            if (c < '0' || c > '9') return 0;
            value = value * 10 + (c - '0');
        }
        return negative ? -value : value;
    }
    // The magnitude is gathered unsigned, which holds the smallest value's magnitude as well.
    std::uint64_t magnitude = 0;
    constexpr std::uint64_t kMostMagnitude = static_cast<std::uint64_t>(kMost) + 1;
    for (const char c : number) {
        if (c < '0' || c > '9') return 0;
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (magnitude > (kMostMagnitude - digit) / 10) return 0;
        magnitude = magnitude * 10 + digit;
    }
    if (negative) return magnitude == kMostMagnitude ? kLeast : -static_cast<std::int64_t>(magnitude);
    return magnitude == kMostMagnitude ? 0 : static_cast<std::int64_t>(magnitude);
}

OddsTenths oddsTenths(double odds) {
    if (!(odds > 0)) return 0;
    if (odds >= static_cast<double>(kMost) / 10) return kMost;
    return std::llround(odds * 10);
}

Yen returnTenths(Yen stake, OddsTenths odds) { return multiplied(stake, odds); }

Yen truncatedReturn(Yen stake, OddsTenths odds) { return returnTenths(stake, odds) / 10; }

Yen roundedReturn(Yen stake, OddsTenths odds) {
    const Yen tenths = returnTenths(stake, odds);
    const Yen whole = tenths / 10;
    const Yen rest = tenths % 10;
    return rest >= 5 ? whole + 1 : rest <= -5 ? whole - 1 : whole;
}

Yen payoutReturn(Yen payoutPer100, Yen stake) { return multiplied(payoutPer100, stake) / 100; }

Yen addYen(Yen a, Yen b) {
    Yen sum = 0;
    if (!__builtin_add_overflow(a, b, &sum)) return sum;
    return b > 0 ? kMost : kLeast;
}

}  // namespace marovix
