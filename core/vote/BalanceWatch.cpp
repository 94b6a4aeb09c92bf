#include "core/vote/BalanceWatch.h"

#include <charconv>

#include "core/common/TextFile.h"
#include "core/common/Trim.h"
#include "core/vote/VotePluginFiles.h"

namespace marovix {
namespace {

constexpr int kFirstRead = 5;
constexpr int kSecondRead = 6;
constexpr int kEnd = 7;

constexpr std::string_view kGoalRule = "◇IPAT残高が目標金額を超えました[";
constexpr std::string_view kFloorRule = "◇IPAT残高が指定金額を下回りました[";

}  // namespace

BalanceQuery::Tick BalanceQuery::tick() {
    ++m_step;
    if (m_step == kFirstRead || m_step == kSecondRead) return Tick::ReadBalance;
    if (m_step >= kEnd) {
        m_step = 0;
        return Tick::Finish;
    }
    return Tick::Wait;
}

Yen balanceAmount(std::string_view text) {
    const std::string_view number = trimmed(text, Blanks::SpaceTab);
    Yen value = 0;
    const char* end = number.data() + number.size();
    auto [at, error] = std::from_chars(number.data(), end, value);
    if (number.empty() || error != std::errc{} || at != end) return 0;
    return value;
}

std::vector<std::string> balanceLogLines(std::string_view inetId, std::string_view balance, const DateTime& now) {
    return {"-----", "■IPAT残高[" + std::string(inetId) + "]:" + std::string(balance) + "円 " + now.slashText()};
}

std::optional<std::vector<std::string>> stopRuleLines(const NaviQuitRule& rule, std::string_view inetId,
                                                      std::string_view balance, const DateTime& now) {
    if (!naviQuitFires(rule, balanceAmount(balance))) return std::nullopt;
    const bool goal = rule.sel == NaviQuitSel::AboveGoal;
    const std::string_view text = goal ? kGoalRule : kFloorRule;
    const Yen limit = goal ? rule.goal : rule.floor;
    return std::vector<std::string>{"-----", "■自動運転終了 " + now.slashText(),
                                    std::string(text) + std::string(inetId) + "]:" + std::string(balance) +
                                        "円 (指定金額：" + std::to_string(limit) + "円)"};
}

Result<std::optional<std::vector<std::string>>> readIpatLog(std::string_view pluginFolder, std::string_view dateKey) {
    auto lines = readTextLines(PluginLogPath(pluginFolder, dateKey));
    if (!lines && lines.errorKind() == ErrorKind::NotFound) return std::optional<std::vector<std::string>>();
    if (!lines) return Error{lines.error()};
    return std::optional<std::vector<std::string>>(std::move(*lines));
}

}  // namespace marovix
