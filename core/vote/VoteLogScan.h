#pragma once
// The votes a day log records: its blocks "-----", "[SIM]■投票[method][page]yyyy/mm/dd hh:nn:ss",
// "[entry]投票実行", "■投票金額:", "***", the vote-file lines, "***". A program that starts again learns
// from them which races it has voted, so that it never votes one again by itself.
#include <string>
#include <vector>

namespace marovix {

struct LoggedVote {
    std::string raceEntry;  // the race-list entry text of the block ("東京11R")
    std::string voteDate;   // the date of the vote "yyyymmdd" (from the block's time)
    // The races of its vote lines: date (yyyymmdd), course and race number, 12 digits, each once.
    std::vector<std::string> races;
};

// The vote blocks of the log's lines (UTF-8), in order. A block whose hand-over failed (a line
// "[エラー]" + time + " [" + entry + "]投票プラグインを起動できませんでした..." after it, for the nearest
// earlier block of that entry) is left out: its race was not voted.
std::vector<LoggedVote> loggedVotes(const std::vector<std::string>& lines);

// The 12 digits (date, course, race number) a vote line begins with; empty for any other line.
std::string voteLineRace(const std::string& line);

}  // namespace marovix
