#include "core/race/RecordLayout.h"

namespace marovix {

std::optional<RecordLayout> recordLayout(std::string_view type) {
    for (const auto& layout : kRecordLayouts)
        if (layout.type == type) return layout;
    return std::nullopt;
}

std::optional<int> recordLength(std::string_view type) {
    auto layout = recordLayout(type);
    return layout ? std::optional<int>(layout->length) : std::nullopt;
}

bool isStoredType(std::string_view type) {
    auto layout = recordLayout(type);
    return layout && layout->stored;
}

}  // namespace marovix
