#include "core/kaime/BetPages.h"

namespace marovix {

std::string_view betPageCaption(int index) {
    if (index == 0) return "一括";
    if (index < 1 || index >= kBetPageCount) return {};
    return kBetTypes[static_cast<std::size_t>(index - 1)].name;
}

}  // namespace marovix
