#include "core/vote/VoteLine.h"

#include <algorithm>
#include <cstdio>

#include "core/common/Trim.h"

namespace marovix {
namespace {

constexpr std::size_t RaceKeyLength = 16;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool allDigits(std::string_view text) { return !text.empty() && std::all_of(text.begin(), text.end(), isDigit); }

// A number written "%2d": two digits, or a blank and one digit. -1 for anything else.
int twoCharacterNumber(std::string_view text) {
    if (text.size() != 2 || !isDigit(text[1])) return -1;
    if (text[0] == ' ') return text[1] - '0';
    if (!isDigit(text[0])) return -1;
    return (text[0] - '0') * 10 + (text[1] - '0');
}

Error badCombination(std::string_view text) {
    return Error{"買い目の組番が正しくありません: \"" + std::string(text) + "\""};
}

}  // namespace

Status checkVoteRaceKey(std::string_view raceKey16) {
    if (raceKey16.size() < RaceKeyLength || !allDigits(raceKey16.substr(0, 10)) || !allDigits(raceKey16.substr(14, 2)))
        return Error{"レースキーが正しくありません: \"" + std::string(raceKey16) + "\""};
    return Status::success();
}

Result<std::string> VoteCombinationField(const VoteBetType& type, std::string_view combinationText) {
    // Trailing blanks are no part of the combination; anything else beyond it is.
    std::string_view text = combinationText.substr(0, combinationText.find_last_not_of(' ') + 1);
    const std::size_t length = static_cast<std::size_t>(type.numbers) * 3 - 1;
    if (text.size() != length) return badCombination(combinationText);
    std::string field;
    for (int i = 0; i < type.numbers; ++i) {
        const std::size_t at = static_cast<std::size_t>(i) * 3;
        if (i > 0 && text[at - 1] != '-') return badCombination(combinationText);
        const int number = twoCharacterNumber(text.substr(at, 2));
        if (number < 1 || number > type.highest) return badCombination(combinationText);
        char digits[4];
        std::snprintf(digits, sizeof digits, "%0*d", type.digits, number);
        if (i > 0) field += '-';
        field += digits;
    }
    return field;
}

Result<std::string> VoteLine(std::string_view raceKey16, const VoteRow& row) {
    if (Status key = checkVoteRaceKey(raceKey16); !key) return Error{key.error()};
    const VoteBetType* type = voteBetTypeOfText(row.betType);
    if (!type) return Error{"馬券種が正しくありません: \"" + row.betType + "\""};
    auto combination = VoteCombinationField(*type, row.combination);
    if (!combination) return Error{combination.error()};
    const std::string_view stake = trimmed(row.stake, Blanks::SpaceTab);
    if (!allDigits(stake)) return Error{"購入額が正しくありません: \"" + row.stake + "\""};

    std::string line;
    for (std::string_view field : {raceKey16.substr(0, 8), raceKey16.substr(8, 2), raceKey16.substr(14, 2), type->code,
                                   std::string_view("NORMAL"), stake, std::string_view(*combination)}) {
        line += field;
        line += ',';
    }
    return line;
}

Result<std::vector<std::string>> VoteLines(std::string_view raceKey16, const std::vector<VoteRow>& rows) {
    std::vector<std::string> lines;
    lines.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        auto line = VoteLine(raceKey16, rows[i]);
        if (!line) return Error{std::to_string(i + 1) + "行目: " + line.error()};
        lines.push_back(std::move(*line));
    }
    return lines;
}

}  // namespace marovix
