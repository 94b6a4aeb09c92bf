#include "core/common/Trim.h"

namespace marovix {
namespace {

bool isBlank(char c, Blanks blanks) {
    switch (blanks) {
        case Blanks::Space: return c == ' ';
        case Blanks::SpaceTab: return c == ' ' || c == '\t';
        case Blanks::SpaceTabLineEnd: return c == ' ' || c == '\t' || c == '\r' || c == '\n';
        case Blanks::Control: return static_cast<unsigned char>(c) <= 0x20;
    }
    return false;
}

}  // namespace

std::string_view trimmed(std::string_view text, Blanks blanks) {
    while (!text.empty() && isBlank(text.front(), blanks)) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back(), blanks)) text.remove_suffix(1);
    return text;
}

}  // namespace marovix
