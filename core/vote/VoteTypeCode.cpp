#include "core/vote/VoteTypeCode.h"

#include "core/common/Trim.h"

namespace marovix {

const VoteBetType* voteBetTypeOfText(std::string_view betTypeText) {
    const std::string_view text = trimmed(betTypeText, Blanks::Space);
    for (const VoteBetType& type : kVoteBetTypes)
        if (betTypeInfo(type.type).name == text) return &type;
    return nullptr;
}

const VoteBetType* voteBetTypeOfCode(std::string_view code) {
    for (const VoteBetType& type : kVoteBetTypes)
        if (type.code == code) return &type;
    return nullptr;
}

std::optional<std::string_view> VoteTypeCode(std::string_view betTypeText) {
    const VoteBetType* type = voteBetTypeOfText(betTypeText);
    if (!type) return std::nullopt;
    return type->code;
}

}  // namespace marovix
