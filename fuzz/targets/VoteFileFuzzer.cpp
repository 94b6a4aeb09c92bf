// The vote file check of the paper-trading vote plug-in, on any file a program or a user could leave in
// its kaime folder: the whole file is decided against a balance, and the log entry of the run is formed.
// Accepted stakes are positive multiples of 100 yen that together never exceed the balance.
#include <cstdint>
#include <limits>
#include <string>

#include "core/common/TextFile.h"
#include "fuzz/support/FuzzFolder.h"
#include "fuzz/support/FuzzParts.h"
#include "standins/voteplugin/PaperTrade.h"
#include "standins/voteplugin/VoteLineCheck.h"

namespace marovix {
namespace {

using fuzz::check;

void checkDecision(const VoteFileDecision& decision, std::int64_t balance, std::string_view bytes) {
    if (!decision.fileFault.empty()) {
        check(decision.lines.empty() && decision.total == 0, "a file refused whole took lines");
        return;
    }
    check(decision.lines.size() == splitLines(bytes).size(), "the decision has another number of lines than the file");
    std::int64_t sum = 0;
    for (const VoteFileDecision::Line& line : decision.lines) {
        if (!line.verdict.accepted) {
            check(!line.verdict.reason.empty(), "a refused line has no reason");
            continue;
        }
        check(line.verdict.stake > 0 && line.verdict.stake % 100 == 0, "an accepted stake is no multiple of 100 yen");
        check(line.verdict.stake <= balance - sum, "the accepted stakes exceed the balance");
        sum += line.verdict.stake;
        check(checkVoteLine(line.text).accepted, "a line the file took fails the line check");
    }
    check(sum == decision.total, "the total is not the sum of the accepted stakes");
}

}  // namespace
}  // namespace marovix

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace marovix;
    const std::string bytes(fuzz::inputText(data, size));
    const Result<std::string> file = bytes;
    const DateTime now{2024, 1, 6, 15, 30, 10};
    for (const std::int64_t balance :
         {std::int64_t{0}, std::int64_t{100000}, std::int64_t{1} << 50, std::numeric_limits<std::int64_t>::max()}) {
        const VoteFileDecision decision = decideVoteFile(file, balance);
        checkDecision(decision, balance, bytes);
        (void)voteLogLines(decision, "/plugin/kaime/240106.csv", "PAPER001", now, balance - decision.total);
    }
    return 0;
}
