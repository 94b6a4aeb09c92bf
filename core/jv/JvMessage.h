#pragma once
// The text shown or logged for a JV-Link result code.
#include <string>
#include <string_view>

namespace marovix {

// The Japanese message of `operation`'s result `code` (UTF-8), followed by "(" + code + ")"; just
// "(" + code + ")" when JV-Link documents no message for the pair. Operation names are JV-Link's own
// ("JVOpen", "JVRead" ...), compared case-sensitively; any name is accepted.
std::string JVMessage(std::string_view operation, int code);

// A day file that cannot be written ends a download or a fetch: this text is followed by the system's
// reason.
inline constexpr const char* kWriteFailed = "データ保存エラー:";

}  // namespace marovix
