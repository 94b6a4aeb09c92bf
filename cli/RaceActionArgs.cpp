#include "cli/RaceActionArgs.h"

#include <strings.h>

#include <limits>

namespace marovix {
namespace {

bool sameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && ::strncasecmp(a.data(), b.data(), a.size()) == 0;
}

bool allDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// A whole number from `low` up to `high` written in digits only.
std::optional<long long> boundedNumber(std::string_view text, long long low, long long high) {
    if (!allDigits(text) || text.size() > 18) return std::nullopt;
    long long value = 0;
    for (const char c : text) value = value * 10 + (c - '0');
    if (value < low || value > high) return std::nullopt;
    return value;
}

Error usage(std::string text) { return Error{std::move(text), ErrorKind::Refused}; }

}  // namespace

std::optional<BetType> betTypeOfPrefix(std::string_view text) {
    for (const BetTypeInfo& bet : kBetTypes)
        if (sameText(text, bet.prefix)) return bet.type;
    return std::nullopt;
}

std::string betTypePrefixList() {
    std::string list;
    for (const BetTypeInfo& bet : kBetTypes) {
        if (!list.empty()) list += ',';
        for (const char c : bet.prefix) list += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return list;
}

Result<BetTypeChoice> parseBetTypes(std::string_view text) {
    BetTypeChoice choice;
    if (sameText(text, "all")) {
        choice.kind = BetTypeChoice::Kind::All;
        return choice;
    }
    if (sameText(text, "none")) {
        choice.kind = BetTypeChoice::Kind::None;
        return choice;
    }
    const std::string needs =
        "needs all, none or bet types out of " + betTypePrefixList() + ", got '" + std::string(text) + "'";
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::string_view item = text.substr(start, comma == std::string_view::npos ? comma : comma - start);
        const auto bet = betTypeOfPrefix(item);
        if (!bet) return usage(needs);
        choice.ticked[static_cast<std::size_t>(*bet)] = true;
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return choice;
}

Result<StakeInput> parseStakeInput(std::string_view text) {
    const std::size_t equals = text.find('=');
    const auto bet = betTypeOfPrefix(text.substr(0, equals));
    const std::string_view yen = equals == std::string_view::npos ? std::string_view() : text.substr(equals + 1);
    if (!bet || !boundedNumber(yen, 0, 999'999'999'999'999))
        return usage("needs BET=YEN with BET one of " + betTypePrefixList() + " and YEN a whole number of yen, got '" +
                     std::string(text) + "'");
    return StakeInput{*bet, std::string(yen)};
}

Result<int> parseYen(std::string_view text) {
    const auto value = boundedNumber(text, 0, std::numeric_limits<int>::max());
    if (!value) return usage("needs a whole number of yen up to 2147483647, got '" + std::string(text) + "'");
    return static_cast<int>(*value);
}

Result<StrikeCell> parseStrikeCell(std::string_view text) {
    const std::size_t colon = text.find(':');
    const auto page = boundedNumber(text.substr(0, colon), 0, 1);
    const auto row =
        colon == std::string_view::npos ? std::nullopt : boundedNumber(text.substr(colon + 1), 1, 1'000'000);
    if (!page || !row)
        return usage(
            "needs PAGE:ROW with PAGE 0 (一括) or 1 (単勝), the pages whose rows a click strikes out, and a "
            "row from 1, got '" +
            std::string(text) + "'");
    return StrikeCell{static_cast<int>(*page), static_cast<int>(*row)};
}

Result<MarkButton> parseMarkButton(std::string_view text) {
    for (const bool all : {true, false})
        for (int mark = 0; mark < 3; ++mark)
            if (sameText(text, std::string(all ? "AllCkBtn" : "AllDlBtn") + std::to_string(mark + 1)))
                return MarkButton{all, mark};
    return usage("needs AllCkBtn1-3 (全) or AllDlBtn1-3 (CL) for ◎ ○ ▲, got '" + std::string(text) + "'");
}

}  // namespace marovix
