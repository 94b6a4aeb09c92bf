#include "core/vote/VoteLogScan.h"

#include <algorithm>
#include <optional>

#include "core/common/DateTime.h"
#include "core/vote/VoteCommand.h"

namespace marovix {
namespace {

constexpr std::string_view kVoted = "]投票実行";

bool digits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The block's header: "[SIM]" or nothing, "■投票", then "[method][page]" and "yyyy/mm/dd hh:nn:ss" at its
// end. The date of that time, or nothing when the line is no header.
std::optional<std::string> headerDate(std::string_view line) {
    if (line.starts_with("[SIM]")) line.remove_prefix(5);
    constexpr std::string_view kTag = "■投票[";
    constexpr std::size_t kTimeLength = 19;
    if (!line.starts_with(kTag) || line.size() < kTag.size() + kTimeLength) return std::nullopt;
    auto time = DateTime::parseSlash(line.substr(line.size() - kTimeLength));
    if (!time) return std::nullopt;
    return time->dateKey();
}

// "[entry]投票実行": the entry, or nothing.
std::optional<std::string> votedEntry(std::string_view line) {
    if (!line.starts_with("[") || !line.ends_with(kVoted)) return std::nullopt;
    return std::string(line.substr(1, line.size() - 1 - kVoted.size()));
}

// "[エラー]hh:nn:ss [entry]投票プラグインを起動できませんでした...": the entry, or nothing.
std::optional<std::string> failedStartEntry(std::string_view line) {
    constexpr std::string_view kTag = "[エラー]";
    const std::string tail = std::string("]") + kVoteStartErrorText;
    if (!line.starts_with(kTag)) return std::nullopt;
    const std::size_t open = line.find(" [", kTag.size());
    const std::size_t close = line.find(tail);
    if (open == std::string_view::npos || close == std::string_view::npos || close < open + 2) return std::nullopt;
    return std::string(line.substr(open + 2, close - open - 2));
}

}  // namespace

std::string voteLineRace(const std::string& line) {
    // "yyyymmdd,cc,rr," and four more fields.
    if (line.size() < 15 || line[8] != ',' || line[11] != ',' || line[14] != ',') return {};
    const std::string_view text(line);
    if (!digits(text.substr(0, 8)) || !digits(text.substr(9, 2)) || !digits(text.substr(12, 2))) return {};
    return line.substr(0, 8) + line.substr(9, 2) + line.substr(12, 2);
}

std::vector<LoggedVote> loggedVotes(const std::vector<std::string>& lines) {
    std::vector<LoggedVote> votes;
    std::vector<bool> failed;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (auto entry = failedStartEntry(lines[i])) {
            for (std::size_t v = votes.size(); v-- > 0;) {
                if (votes[v].raceEntry == *entry && !failed[v]) {
                    failed[v] = true;
                    break;
                }
            }
            continue;
        }
        auto date = headerDate(lines[i]);
        if (!date || i + 1 >= lines.size()) continue;
        auto entry = votedEntry(lines[i + 1]);
        if (!entry) continue;
        LoggedVote vote{*entry, *date, {}};
        // The vote lines follow the first "***" after the header, up to the next line of another kind.
        std::size_t at = i + 2;
        while (at < lines.size() && at < i + 4 && lines[at] != "***") ++at;
        for (++at; at < lines.size(); ++at) {
            std::string race = voteLineRace(lines[at]);
            if (race.empty()) break;
            if (std::find(vote.races.begin(), vote.races.end(), race) == vote.races.end())
                vote.races.push_back(std::move(race));
        }
        votes.push_back(std::move(vote));
        failed.push_back(false);
        i = at - 1;
    }
    std::vector<LoggedVote> kept;
    for (std::size_t v = 0; v < votes.size(); ++v)
        if (!failed[v]) kept.push_back(std::move(votes[v]));
    return kept;
}

}  // namespace marovix
