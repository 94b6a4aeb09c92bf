#include "core/race/RecordLayout.h"

namespace marovix {

std::optional<int> recordLength(std::string_view type) {
    for (const auto& layout : kRecordLayouts)
        if (layout.type == type) return layout.length;
    return std::nullopt;
}

}  // namespace marovix
