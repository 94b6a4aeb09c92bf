#pragma once
// The fixed-width texts the system shows and writes ("%2d", "%6.1f", "%7d" ...), printf-style.
#include <cstdio>
#include <string>
#include <type_traits>

namespace marovix {

namespace detail {
// One number by a pattern that is one conversion and nothing else: "%<width>d" of an int, "%<width>lld"
// of a long long, "%<width>.<precision>f" of a finite double. Written without the C library's format
// machinery (the selection grids hold thousands of such texts), as the same text snprintf writes. False,
// with `out` untouched, for any other pattern or value.
bool formatInt(std::string& out, const char* pattern, long long value, bool longLong);
bool formatFixed(std::string& out, const char* pattern, double value);

template <class T>
bool formatOne(std::string& out, const char* pattern, T value) {
    if constexpr (std::is_same_v<T, int>)
        return formatInt(out, pattern, value, false);
    else if constexpr (std::is_same_v<T, long long>)
        return formatInt(out, pattern, value, true);
    else if constexpr (std::is_same_v<T, double>)
        return formatFixed(out, pattern, value);
    else
        return false;
}
}  // namespace detail

// The values formatted by `pattern` (a printf format of the system's own, never user text).
template <class... Args>
std::string formatted(const char* pattern, Args... values) {
    if constexpr (sizeof...(Args) == 1) {
        std::string text;
        if (detail::formatOne(text, pattern, values...)) return text;
    }
    char text[128];
    const int n = std::snprintf(text, sizeof text, pattern, values...);
    if (n < 0) return {};
    if (static_cast<std::size_t>(n) < sizeof text) return std::string(text, static_cast<std::size_t>(n));
    std::string longer(static_cast<std::size_t>(n) + 1, '\0');
    std::snprintf(longer.data(), longer.size(), pattern, values...);
    longer.resize(static_cast<std::size_t>(n));
    return longer;
}

}  // namespace marovix
