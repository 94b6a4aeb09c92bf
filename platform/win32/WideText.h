#pragma once
// UTF-8 texts of the core and the wide (UTF-16) texts of the Windows API.
#include <string>
#include <string_view>

#include "core/common/Result.h"

namespace marovix {

// UTF-8 to UTF-16; a sequence that is not UTF-8 becomes U+FFFD.
std::wstring wideText(std::string_view utf8);
// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string utf8Text(std::wstring_view wide);

// Code page 932 bytes of a UTF-16 text (a character the code page lacks becomes "?"), and back.
std::string cp932OfWide(std::wstring_view wide);
std::wstring wideOfCp932(std::string_view cp932);

// A path for the wide file functions: the UTF-8 path with "/" turned into "\" (a long path is given the
// "\\?\" prefix by the caller where it needs one).
std::wstring widePath(std::string_view utf8Path);

// A failed call on `path` with the Windows error `code` (GetLastError): the path and the reason in
// Japanese as FileFaults.h words it, NotFound and Refused told apart as on the other systems.
Error windowsError(const std::string& path, unsigned long code);

// The system's text of a Windows error code, for a log: "0x80020009" style code and its message.
std::string windowsErrorText(unsigned long code);

}  // namespace marovix
