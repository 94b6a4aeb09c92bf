#include "core/vote/VoteTypeCode.h"

namespace marovix {
namespace {

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

const VoteBetType* voteBetTypeOfText(std::string_view betTypeText) {
    const std::string_view text = trimBlanks(betTypeText);
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
