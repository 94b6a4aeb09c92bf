#include "standins/voteplugin/VotePluginRun.h"

#include <cstdio>

#include "core/common/Cp932.h"
#include "core/common/TextFile.h"
#include "core/common/Trim.h"
#include "core/vote/VotePluginFiles.h"
#include "standins/voteplugin/PaperAccount.h"
#include "standins/voteplugin/PaperTrade.h"
#include "standins/voteplugin/PluginFolderLock.h"

namespace marovix {
namespace {

// Adds the lines (UTF-8) to the day log of the run's date, CP932 with CR LF, creating logs/.
// REQUIRES: the folder lock is held.
Status appendLog(const std::string& folder, const DateTime& now, const std::vector<std::string>& lines) {
    if (Status made = makeDirectory(joinPath(folder, PluginLogFolderName)); !made) return made;
    const std::string path = PluginLogPath(folder, now.dateKey());
    std::string bytes;
    if (fileExists(path)) {
        auto old = readFileBytes(path);
        if (!old) return Error{old.error()};
        bytes = std::move(*old);
        if (!bytes.empty() && bytes.back() != '\n') bytes += "\r\n";
    }
    for (const std::string& line : lines) bytes += utf8ToCp932(line) + "\r\n";
    return replaceFile(path, bytes);
}

}  // namespace

Status runVote(const std::string& folder, const std::string& voteFile, const Clock& clock, const VoteRunHooks& hooks) {
    auto lock = PluginFolderLock::acquire(folder);
    if (!lock) return Error{lock.error()};
    PaperAccount account(folder);
    const DateTime now = clock.now();
    const auto before = account.balance();
    if (!before) {
        VoteFileDecision refused;
        refused.fileFault = "残高を読めません: " + before.error();
        Status logged = appendLog(folder, now, voteLogLines(refused, voteFile, account.inetId(), now, std::nullopt));
        return logged ? Status(Error{before.error()}) : logged;
    }

    // The log first, then the balance: a run ended at any moment has taken no yen that its log does not
    // show. A run ended between the two leaves an entry whose stakes were not taken (the next entry shows
    // the balance as it is).
    const VoteFileDecision decision = decideVoteFile(readFileBytes(voteFile), *before);
    const std::int64_t after = *before - decision.total;
    if (Status logged = appendLog(folder, now, voteLogLines(decision, voteFile, account.inetId(), now, after)); !logged)
        return logged;
    if (hooks.logged) hooks.logged();
    if (decision.total == 0) return Status::success();
    Status taken = account.setBalance(after);
    if (taken) return taken;
    // The entry says the stakes were taken: it is followed by their cancellation.
    Status cancelled = appendLog(folder, now, voteCancelledLines(decision, taken.error(), *before));
    return cancelled ? taken : Status(Error{taken.error() + " / " + cancelled.error()});
}

Status runBalanceQuery(const std::string& folder, const Clock& clock) {
    auto lock = PluginFolderLock::acquire(folder);
    if (!lock) return Error{lock.error()};
    PaperAccount account(folder);
    const DateTime now = clock.now();
    const auto balance = account.balance();
    if (!balance) {
        Status logged =
            appendLog(folder, now, {"-----", "■残高照会 " + now.slashText() + " 残高を読めません: " + balance.error()});
        return logged ? Status(Error{balance.error()}) : logged;
    }
    if (!account.hasBalance()) {
        if (Status stored = account.setBalance(*balance); !stored) return stored;
    }
    const std::string yen = std::to_string(*balance);
    if (Status written = writeTextLines(joinPath(folder, BalanceFileName),
                                        {"[ipatbalance]", "date=" + now.slashText(), "balance=" + yen});
        !written)
        return written;
    return appendLog(folder, now, balanceLogLines(account.inetId(), now, *balance));
}

int runVotePlugin(const std::vector<std::string>& parameters, const std::string& folder, const Clock& clock) {
    std::string parameter;
    for (const std::string& part : parameters) parameter += (parameter.empty() ? "" : " ") + part;
    const std::string request(trimmed(parameter, Blanks::SpaceTab));
    if (request.empty()) {
        if (auto lock = PluginFolderLock::acquire(folder)) {
            const DateTime now = clock.now();
            (void)appendLog(folder, now, {"-----", "■起動 " + now.slashText() + " 引数がありません"});
        }
        std::fprintf(stderr, "usage: VQMTohyoPlugIn2.exe VOTE_FILE | money\n");
        return 2;
    }
    const Status done = request == "money" ? runBalanceQuery(folder, clock) : runVote(folder, parameter, clock);
    if (!done) {
        std::fprintf(stderr, "VQMTohyoPlugIn2.exe: %s\n", done.error().c_str());
        return 1;
    }
    return 0;
}

}  // namespace marovix
