#pragma once
// The fixed-width texts the system shows and writes ("%2d", "%6.1f", "%7d" ...), printf-style.
#include <cstdio>
#include <string>

namespace marovix {

// The values formatted by `pattern` (a printf format of the system's own, never user text).
template <class... Args>
std::string formatted(const char* pattern, Args... values) {
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
