#include "cli/ReplaySummary.h"

#include <algorithm>

#include "core/vote/VoteLogScan.h"

namespace marovix {
namespace {

constexpr std::string_view kFetchTag = "■オッズ取得 ";

bool startsWith(const std::string& line, std::string_view head) { return line.rfind(head, 0) == 0; }

// The stake of a vote line: its sixth field.
long long stakeOf(const std::string& line) {
    std::size_t at = 0;
    for (int field = 0; field < 5; ++field) {
        at = line.find(',', at);
        if (at == std::string::npos) return 0;
        ++at;
    }
    return std::atoll(line.c_str() + at);
}

struct Block {
    std::string entry;
    long long stakes = 0;
    bool failed = false;
};

}  // namespace

ReplaySummary ReplaySummary::of(const std::vector<std::string>& lines) {
    ReplaySummary summary;
    std::vector<Block> blocks;
    bool inLines = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (startsWith(line, kFetchTag)) {
            ++summary.oddsFetches;
            std::string race = line.substr(kFetchTag.size());
            race = race.substr(0, race.find("R ") + 1);
            if (std::find(summary.racesFetched.begin(), summary.racesFetched.end(), race) == summary.racesFetched.end())
                summary.racesFetched.push_back(race);
        }
        // "■IPAT残高[" + INET-ID + "]:" + balance + "円 " + moment
        if (startsWith(line, "■IPAT残高[")) {
            const std::size_t colon = line.find("]:");
            const std::size_t yen = line.find("円", colon);
            if (colon != std::string::npos && yen != std::string::npos)
                summary.balances.push_back(line.substr(colon + 2, yen - colon - 2));
        }
        if (startsWith(line, "■自動運転終了 "))
            summary.autoRunEnded = line.substr(std::string_view("■自動運転終了 ").size());
        // A vote block: "■投票[...", then "[entry]投票実行", ..., "***", vote lines, "***".
        if ((startsWith(line, "■投票[") || startsWith(line, "[SIM]■投票[")) && i + 1 < lines.size()) {
            // "[" + entry + "]投票実行"
            const std::string& next = lines[i + 1];
            const std::size_t close = next.find("]投票実行");
            blocks.push_back(Block{close == std::string::npos ? next : next.substr(1, close - 1), 0, false});
            inLines = false;
            continue;
        }
        if (line == "***" && !blocks.empty()) {
            inLines = !inLines;
            continue;
        }
        if (inLines && !voteLineRace(line).empty()) blocks.back().stakes += stakeOf(line);
        // A start that failed undoes the latest block of its race.
        if (startsWith(line, "[エラー]") && line.find("起動できませんでした") != std::string::npos) {
            for (auto block = blocks.rbegin(); block != blocks.rend(); ++block) {
                if (!block->failed && line.find("[" + block->entry + "]") != std::string::npos) {
                    block->failed = true;
                    break;
                }
            }
        }
    }
    for (const Block& block : blocks) {
        if (block.failed) continue;
        summary.racesVoted.push_back(block.entry);
        summary.stakes += block.stakes;
    }
    return summary;
}

nlohmann::ordered_json ReplaySummary::json() const {
    nlohmann::ordered_json json;
    json["oddsFetches"] = oddsFetches;
    json["racesFetched"] = racesFetched;
    json["racesVoted"] = racesVoted;
    json["votesRefused"] = votesRefused;
    json["stakes"] = stakes;
    json["balances"] = balances;
    json["autoRunEnded"] = autoRunEnded.empty() ? nlohmann::ordered_json() : nlohmann::ordered_json(autoRunEnded);
    return json;
}

}  // namespace marovix
