#pragma once
// Reading the fixed-width numeric fields of odds records eight bytes at a time: an odds record holds
// thousands of them, most of them plain digits or blanks.
//
// REQUIRES for readDigits and isBlankField: 1 <= Width <= kMaxFieldDigits and 8 bytes readable from `at`
// (the odds records' layout guarantees it for every field of a record of the right length).
#include <bit>
#include <cstdint>
#include <cstring>

namespace marovix {

inline constexpr int kMaxFieldDigits = 7;

namespace detail {
template <int Width>
std::uint64_t fieldBits(const char* at) {
    static_assert(Width >= 1 && Width <= kMaxFieldDigits);
    std::uint64_t bytes;
    std::memcpy(&bytes, at, sizeof bytes);
    // Little-endian: the field's first byte is the lowest. Shifted up, the field fills the top bytes.
    return bytes << (64 - 8 * Width);
}

inline constexpr std::uint64_t kZeros = 0x3030303030303030ULL;

// The field's bytes with the bytes below it made leading "0"s, when all of them are digits.
template <int Width>
bool digitBytes(const char* at, std::uint64_t& x) {
    x = fieldBits<Width>(at) | (kZeros >> (8 * Width));
    // A byte below "0" sets its top bit when "0" is taken off, one above "9" when 0x46 is added. Below the
    // lowest byte that is no digit nothing carries or borrows, so that byte always shows.
    return (((x - kZeros) | (x + 0x4646464646464646ULL)) & 0x8080808080808080ULL) == 0;
}

// Eight digit bytes to their value: pairs, then fours, then all (the first byte is the most significant).
inline unsigned eightDigits(std::uint64_t x) {
    std::uint64_t v = x - kZeros;
    v = v * 10 + (v >> 8);
    v = (((v & 0x000000FF000000FFULL) * (100 + (1000000ULL << 32))) +
         (((v >> 16) & 0x000000FF000000FFULL) * (1 + (10000ULL << 32)))) >>
        32;
    return static_cast<unsigned>(v);
}

// The value of `Width` digits, one at a time: the reference, and the way on big-endian machines.
template <int Width>
bool digitsOneByOne(const char* at, unsigned& value) {
    unsigned v = 0;
    for (int i = 0; i < Width; ++i) {
        const unsigned digit = static_cast<unsigned char>(at[i]) - static_cast<unsigned>('0');
        if (digit > 9) return false;
        v = v * 10 + digit;
    }
    value = v;
    return true;
}

inline constexpr double kTenths[10] = {0.0, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9};
}  // namespace detail

// True when the field holds decimal digits only; `value` is then their value ("0123" is 123).
template <int Width>
inline bool readDigits(const char* at, unsigned& value) {
    if constexpr (std::endian::native != std::endian::little) {
        return detail::digitsOneByOne<Width>(at, value);
    } else if constexpr (Width <= 4) {
        // Four bytes are enough: pairs, then the two pairs.
        std::uint32_t bytes;
        std::memcpy(&bytes, at, sizeof bytes);
        constexpr std::uint32_t kZeros4 = 0x30303030U;
        std::uint32_t x = bytes << (32 - 8 * Width);
        if constexpr (Width < 4) x |= kZeros4 >> (8 * Width);
        if (((x - kZeros4) | (x + 0x46464646U)) & 0x80808080U) return false;
        std::uint32_t v = x - kZeros4;
        v = v * 10 + (v >> 8);
        value = (v & 0xFF) * 100 + ((v >> 16) & 0xFF);
        return true;
    } else {
        std::uint64_t x;
        if (!detail::digitBytes<Width>(at, x)) return false;
        value = detail::eightDigits(x);
        return true;
    }
}

// True when the field holds decimal digits only; `tenths` is then their value divided by 10 ("0123" is
// 12.3), exactly as the division rounds it: the whole part plus the tenth, each exact.
template <int Width>
inline bool readTenths(const char* at, double& tenths) {
    static_assert(Width >= 2);
    unsigned whole, last;
    if constexpr (std::endian::native != std::endian::little) {
        if (!detail::digitsOneByOne<Width>(at, whole)) return false;
        last = whole % 10;
        whole /= 10;
    } else {
        std::uint64_t x;
        if (!detail::digitBytes<Width>(at, x)) return false;
        last = static_cast<unsigned>(x >> 56) - '0';
        whole = detail::eightDigits((x << 8) | '0');
    }
    tenths = static_cast<double>(whole) + detail::kTenths[last];
    return true;
}

// True when the field holds half-width blanks only.
template <int Width>
inline bool isBlankField(const char* at) {
    if constexpr (std::endian::native != std::endian::little) {
        for (int i = 0; i < Width; ++i)
            if (at[i] != ' ') return false;
        return true;
    } else {
        return detail::fieldBits<Width>(at) == (0x2020202020202020ULL << (64 - 8 * Width));
    }
}

}  // namespace marovix
