#include "standins/voteplugin/VoteLineCheck.h"

#include <algorithm>
#include <vector>

#include "core/common/DateTime.h"
#include "core/vote/VoteTypeCode.h"

namespace marovix {
namespace {

constexpr int FieldCount = 7;
// Twelve digits are a trillion yen; anything longer is no stake.
constexpr std::size_t MaxStakeDigits = 12;

bool allDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int number(std::string_view digits) {
    int value = 0;
    for (char c : digits) value = value * 10 + (c - '0');
    return value;
}

VoteLineVerdict refused(std::string reason) { return {false, std::move(reason), 0}; }

// A two-digit number between low and high, or -1.
int twoDigits(std::string_view text, int low, int high) {
    if (text.size() != 2 || !allDigits(text)) return -1;
    const int value = number(text);
    return value >= low && value <= high ? value : -1;
}

// Why the combination does not fit the bet type; empty when it does.
std::string combinationFault(const VoteBetType& type, std::string_view text) {
    std::vector<std::string_view> parts;
    for (std::size_t from = 0;;) {
        const auto dash = text.find('-', from);
        parts.push_back(text.substr(from, dash == std::string_view::npos ? std::string_view::npos : dash - from));
        if (dash == std::string_view::npos) break;
        from = dash + 1;
    }
    const bool brackets = type.digits == 1;
    const std::string unit = brackets ? "枠番" : "馬番";
    if (static_cast<int>(parts.size()) != type.numbers)
        return "組番の数が馬券種に合いません(" + std::to_string(type.numbers) + "つ必要)";
    std::vector<int> numbers;
    for (std::string_view part : parts) {
        if (static_cast<int>(part.size()) != type.digits || !allDigits(part))
            return unit + "は" + std::to_string(type.digits) + "桁の数字で書きます: " + std::string(part);
        const int value = number(part);
        if (value < 1 || value > type.highest)
            return unit + "が範囲外です(1-" + std::to_string(type.highest) + "): " + std::string(part);
        numbers.push_back(value);
    }
    for (std::size_t i = 1; i < numbers.size(); ++i) {
        if (!type.repeats && std::find(numbers.begin(), numbers.begin() + i, numbers[i]) != numbers.begin() + i)
            return "同じ" + unit + "が重なっています";
        if (!type.ordered && numbers[i] < numbers[i - 1]) return unit + "が小さい順ではありません";
    }
    return {};
}

}  // namespace

VoteLineVerdict checkVoteLine(std::string_view line) {
    if (line.empty() || line.back() != ',') return refused("行末がカンマではありません");
    std::vector<std::string_view> fields;
    for (std::size_t from = 0; from < line.size();) {
        const auto comma = line.find(',', from);
        fields.push_back(line.substr(from, comma - from));
        from = comma + 1;
    }
    if (fields.size() != FieldCount)
        return refused("項目の数が7ではありません(" + std::to_string(fields.size()) + "項目)");

    const std::string_view date = fields[0], course = fields[1], race = fields[2], code = fields[3], method = fields[4],
                           stake = fields[5], combination = fields[6];
    if (date.size() != 8 || !allDigits(date) ||
        !DateTime::isValidDate(number(date.substr(0, 4)), number(date.substr(4, 2)), number(date.substr(6, 2))))
        return refused("日付が正しくありません: " + std::string(date));
    if (twoDigits(course, 1, 10) < 0) return refused("場コードが正しくありません(01-10): " + std::string(course));
    if (twoDigits(race, 1, 12) < 0) return refused("レース番号が正しくありません(01-12): " + std::string(race));
    const VoteBetType* type = voteBetTypeOfCode(code);
    if (!type) return refused("馬券種コードが正しくありません: " + std::string(code));
    if (method != "NORMAL") return refused("投票方式がNORMALではありません: " + std::string(method));
    if (!allDigits(stake) || stake.size() > MaxStakeDigits)
        return refused("購入金額が正しくありません: " + std::string(stake));
    std::int64_t yen = 0;
    for (char c : stake) yen = yen * 10 + (c - '0');
    if (yen <= 0 || yen % 100 != 0)
        return refused("購入金額が100円単位の正の金額ではありません: " + std::string(stake));
    if (std::string fault = combinationFault(*type, combination); !fault.empty()) return refused(fault);
    return {true, {}, yen};
}

}  // namespace marovix
