// Code page 932 through the Windows API (MultiByteToWideChar, WideCharToMultiByte), the Windows side of
// core/common/Cp932.h. Windows' own table decides the characters where tables of code page 932 differ
// (～ ∥ － ￠ ￡ ￢ and the NEC and IBM extensions); the tests pin what it does.
#include "core/common/Cp932.h"

#include <windows.h>

#include <string>

#include "platform/win32/WideText.h"

namespace marovix {
namespace {

constexpr UINT kCp932 = 932;

bool isLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// The UTF-16 of CP932 bytes in which the system finds no invalid sequence; false when it does.
bool decodeStrict(std::string_view bytes, std::wstring& wide) {
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(kCp932, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (length <= 0) return false;
    wide.resize(static_cast<std::size_t>(length));
    return MultiByteToWideChar(kCp932, MB_ERR_INVALID_CHARS, bytes.data(), size, wide.data(), length) == length;
}

}  // namespace

std::string cp932ToUtf8(std::string_view cp932) {
    if (cp932.empty()) return {};
    std::wstring wide;
    if (decodeStrict(cp932, wide)) return utf8Text(wide);
    // Character by character: a sequence that is not CP932 becomes U+FFFD and only its first byte is
    // passed over, as the POSIX side does.
    std::wstring out;
    out.reserve(cp932.size());
    std::size_t at = 0;
    while (at < cp932.size()) {
        const unsigned char lead = static_cast<unsigned char>(cp932[at]);
        const std::size_t width = isLeadByte(lead) && at + 1 < cp932.size() ? 2 : 1;
        if (decodeStrict(cp932.substr(at, width), wide)) {
            out += wide;
            at += width;
        } else {
            out += L'\xFFFD';
            at += 1;
        }
    }
    return utf8Text(out);
}

// A character the code page cannot hold becomes "?", never a look-alike ("best fit" is off).
std::string utf8ToCp932(std::string_view utf8) {
    std::wstring wide = wideText(utf8);
    // A character beyond the 16-bit plane is one "?", as on the POSIX side, not one per half of its pair.
    std::size_t kept = 0;
    for (std::size_t at = 0; at < wide.size(); ++at) {
        const bool pair = at + 1 < wide.size() && IS_HIGH_SURROGATE(wide[at]) && IS_LOW_SURROGATE(wide[at + 1]);
        wide[kept++] = pair ? L'?' : wide[at];
        if (pair) ++at;
    }
    wide.resize(kept);
    return cp932OfWide(wide);
}

}  // namespace marovix
