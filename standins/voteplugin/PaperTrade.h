#pragma once
// The paper trade of one vote file, decided whole before anything is applied: the file is taken line
// by line or refused whole, and every accepted stake comes off a running balance.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/DateTime.h"
#include "core/common/Result.h"
#include "standins/voteplugin/VoteLineCheck.h"

namespace marovix {

struct VoteFileDecision {
    struct Line {
        std::string text;  // the line as read (ASCII)
        VoteLineVerdict verdict;
    };
    std::string fileFault;    // not empty: the whole file is refused for this reason, no line taken
    std::vector<Line> lines;  // one per line of the file, in order (empty when refused whole)
    std::int64_t total = 0;   // sum of the accepted stakes

    int acceptedCount() const;
};

// Largest vote file taken: far above the longest vote (every combination of every bet type).
inline constexpr std::size_t MaxVoteFileBytes = 1 << 20;

// Decides a vote file from its bytes (or the error of reading it) and the balance before it. The
// whole file is refused when it cannot be read, is larger than MaxVoteFileBytes, holds a byte that
// is not ASCII or a control character other than CR and LF, or has no line. Otherwise each line is
// checked (checkVoteLine); an accepted line whose stake exceeds what is left of the balance is
// refused instead. Lines end in CR LF or LF.
VoteFileDecision decideVoteFile(const Result<std::string>& bytes, std::int64_t balance);

// The log entry of a vote run (UTF-8 lines): "-----", "■投票" with the time, INET-ID and file,
// one "[受付]" or "[不可]" line per vote line ("[不可] ファイル全体" when refused whole), and
// "■結果" with the counts, the stake total and the balance after ("不明" when it could not be read).
std::vector<std::string> voteLogLines(const VoteFileDecision& decision, std::string_view voteFile,
                                      std::string_view inetId, const DateTime& now,
                                      std::optional<std::int64_t> balanceAfter);

// The entry that follows a vote entry whose stakes could not be taken from the balance:
// "[取消] 残高を書き込めないため受付をすべて取り消しました 理由:..." and "■結果" with nothing taken.
std::vector<std::string> voteCancelledLines(const VoteFileDecision& decision, std::string_view reason,
                                            std::int64_t balance);

// The log entry of a balance query: "-----" and "■残高照会" with the time, INET-ID and balance.
std::vector<std::string> balanceLogLines(std::string_view inetId, const DateTime& now, std::int64_t balance);

}  // namespace marovix
