// What every platform shares of core/common/Cp932.h; the conversions themselves are the system's
// (platform/posix/Cp932.cpp: iconv, platform/win32/Cp932.cpp: the Windows code page 932).
#include "core/common/Cp932.h"

namespace marovix {

std::size_t cp932Width(std::string_view utf8) { return utf8ToCp932(utf8).size(); }

}  // namespace marovix
