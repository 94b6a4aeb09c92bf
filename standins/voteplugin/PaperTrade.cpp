#include "standins/voteplugin/PaperTrade.h"

#include "core/common/TextFile.h"

namespace marovix {
namespace {

// Why the bytes cannot be a vote file at all; empty when they may be.
std::string bytesFault(std::string_view bytes) {
    if (bytes.size() > MaxVoteFileBytes)
        return "投票ファイルが大きすぎます(" + std::to_string(bytes.size()) + "バイト)";
    int line = 1;
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80) return std::to_string(line) + "行目にASCII以外の文字があります";
        if (byte < 0x20 && byte != '\r' && byte != '\n') return std::to_string(line) + "行目に制御文字があります";
        if (byte == 0x7F) return std::to_string(line) + "行目に制御文字があります";
        if (byte == '\n') ++line;
    }
    return {};
}

std::string yen(std::int64_t value) { return std::to_string(value) + "円"; }

std::string balanceText(std::optional<std::int64_t> balance) { return balance ? yen(*balance) : "不明"; }

}  // namespace

int VoteFileDecision::acceptedCount() const {
    int count = 0;
    for (const Line& line : lines) count += line.verdict.accepted ? 1 : 0;
    return count;
}

VoteFileDecision decideVoteFile(const Result<std::string>& bytes, std::int64_t balance) {
    VoteFileDecision decision;
    if (!bytes) {
        decision.fileFault = "投票ファイルを読めません: " + bytes.error();
        return decision;
    }
    decision.fileFault = bytesFault(*bytes);
    if (!decision.fileFault.empty()) return decision;
    const std::vector<std::string> lines = splitLines(*bytes);
    if (lines.empty()) {
        decision.fileFault = "投票ファイルに買い目がありません";
        return decision;
    }
    std::int64_t left = balance;
    for (const std::string& text : lines) {
        VoteLineVerdict verdict = checkVoteLine(text);
        if (verdict.accepted && verdict.stake > left) verdict = {false, "残高が足りません(残高" + yen(left) + ")", 0};
        left -= verdict.stake;
        decision.total += verdict.stake;
        decision.lines.push_back({text, std::move(verdict)});
    }
    return decision;
}

std::vector<std::string> voteLogLines(const VoteFileDecision& decision, std::string_view voteFile,
                                      std::string_view inetId, const DateTime& now,
                                      std::optional<std::int64_t> balanceAfter) {
    std::vector<std::string> log{
        "-----", "■投票 " + now.slashText() + " [" + std::string(inetId) + "] ファイル:" + std::string(voteFile)};
    if (!decision.fileFault.empty()) {
        log.push_back("[不可] ファイル全体 理由:" + decision.fileFault);
        log.push_back("■結果 受付:0件 不可:ファイル全体 購入金額:0円 残高:" + balanceText(balanceAfter));
        return log;
    }
    for (std::size_t i = 0; i < decision.lines.size(); ++i) {
        const auto& line = decision.lines[i];
        std::string entry =
            (line.verdict.accepted ? "[受付] " : "[不可] ") + std::to_string(i + 1) + "行目 " + line.text;
        if (!line.verdict.accepted) entry += " 理由:" + line.verdict.reason;
        log.push_back(std::move(entry));
    }
    const int accepted = decision.acceptedCount();
    log.push_back("■結果 受付:" + std::to_string(accepted) +
                  "件 不可:" + std::to_string(static_cast<int>(decision.lines.size()) - accepted) +
                  "件 購入金額:" + yen(decision.total) + " 残高:" + balanceText(balanceAfter));
    return log;
}

std::vector<std::string> voteCancelledLines(const VoteFileDecision& decision, std::string_view reason,
                                            std::int64_t balance) {
    return {"[取消] 残高を書き込めないため受付" + std::to_string(decision.acceptedCount()) +
                "件をすべて取り消しました 理由:" + std::string(reason),
            "■結果 受付:0件 購入金額:0円 残高:" + yen(balance)};
}

std::vector<std::string> balanceLogLines(std::string_view inetId, const DateTime& now, std::int64_t balance) {
    return {"-----", "■残高照会 " + now.slashText() + " [" + std::string(inetId) + "] 残高:" + yen(balance)};
}

}  // namespace marovix
