#pragma once
// Conversion between Windows code page 932 (Shift-JIS with the NEC/IBM extensions) and UTF-8.
#include <string>
#include <string_view>

namespace marovix {

// Bytes of code page 932 to UTF-8. A byte sequence that is not CP932 becomes U+FFFD; never fails.
std::string cp932ToUtf8(std::string_view cp932);

// UTF-8 to code page 932. A character CP932 cannot hold becomes "?"; never fails.
std::string utf8ToCp932(std::string_view utf8);

// Byte width of a UTF-8 text once written in CP932 (full-width 2, half-width 1).
std::size_t cp932Width(std::string_view utf8);

}  // namespace marovix
