// Code page 932 through iconv ("CP932": glibc's "SHIFT_JIS" cannot hold ① ⑱ Ⅰ ～ －), the POSIX side of
// core/common/Cp932.h.
#include <iconv.h>
#include <cerrno>

#include "core/common/Cp932.h"

namespace marovix {
namespace {

// Opening a converter is costly, so each thread keeps one per direction for its whole life.
struct Converter {
    iconv_t cd;
    Converter(const char* to, const char* from) : cd(iconv_open(to, from)) {}
    ~Converter() {
        if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
    }
};

iconv_t converterFor(const char* to, const char* /*from*/) {
    if (std::string_view(to) == "CP932") {
        thread_local Converter toCp932("CP932", "UTF-8");
        return toCp932.cd;
    }
    thread_local Converter fromCp932("UTF-8", "CP932");
    return fromCp932.cd;
}

// One iconv conversion; an unconvertible input sequence is replaced and skipped.
std::string convert(std::string_view in, const char* to, const char* from, std::string_view replacement,
                    std::size_t skipBytes) {
    std::string out;
    if (in.empty()) return out;
    iconv_t cd = converterFor(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(in);  // no converter: pass through
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    out.reserve(in.size() * 3 / 2 + 8);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char buffer[4096];
    while (srcLeft > 0) {
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        std::size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        if (rc == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG) continue;
            // EILSEQ or EINVAL: replace the offending sequence and go on.
            out.append(replacement);
            std::size_t skip = skipBytes;
            if (skipBytes == 0) {  // UTF-8 input: skip one whole character
                unsigned char lead = static_cast<unsigned char>(*src);
                skip = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
            }
            if (skip > srcLeft) skip = srcLeft;
            src += skip;
            srcLeft -= skip;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    return out;
}

}  // namespace

std::string cp932ToUtf8(std::string_view cp932) { return convert(cp932, "UTF-8", "CP932", "\xEF\xBF\xBD", 1); }

std::string utf8ToCp932(std::string_view utf8) { return convert(utf8, "CP932", "UTF-8", "?", 0); }

}  // namespace marovix
