#include "fuzz/support/FuzzParts.h"

namespace marovix::fuzz {

std::vector<std::string_view> splitParts(std::string_view data, std::size_t maxParts) {
    std::vector<std::string_view> parts;
    while (parts.size() + 1 < maxParts) {
        const std::size_t at = data.find(kPartSeparator);
        if (at == std::string_view::npos) break;
        parts.push_back(data.substr(0, at));
        data.remove_prefix(at + kPartSeparator.size());
    }
    parts.push_back(data);
    return parts;
}

std::string_view partAt(const std::vector<std::string_view>& parts, std::size_t index) {
    return index < parts.size() ? parts[index] : std::string_view{};
}

std::string joinParts(const std::vector<std::string>& parts) {
    std::string joined;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) joined += kPartSeparator;
        joined += parts[i];
    }
    return joined;
}

}  // namespace marovix::fuzz
