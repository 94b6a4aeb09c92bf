#pragma once
// What a replayed race day did, read from the day-log lines it appended: the odds fetches and their races,
// the vote blocks handed over with their stakes, the balance queries and the end of automatic operation by
// a stop rule; the votes refused are counted by the replay itself.
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace marovix {

struct ReplaySummary {
    int oddsFetches = 0;                    // "■オッズ取得 " lines
    std::vector<std::string> racesFetched;  // their races, each once, in order
    std::vector<std::string> racesVoted;    // the entries of the vote blocks not undone by a failed start
    int votesRefused = 0;                   // automatic votes refused by their checks or not handed over
    long long stakes = 0;                   // the stakes of the voted blocks' vote lines
    std::vector<std::string> balances;      // the balances of the "■IPAT残高[" lines, in order
    std::string autoRunEnded;               // the moment of a "■自動運転終了 " line (a stop rule, say)

    // Reads `lines`, the day-log lines appended during the replay (UTF-8).
    static ReplaySummary of(const std::vector<std::string>& lines);
    nlohmann::ordered_json json() const;
};

}  // namespace marovix
