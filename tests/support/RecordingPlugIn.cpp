#include "tests/support/RecordingPlugIn.h"

#include <chrono>
#include <filesystem>
#include <thread>

#include "core/common/TextFile.h"
#include "core/vote/VotePluginFiles.h"
#include "platform/SystemPorts.h"

namespace marovix {

Status installPlugInScript(const std::string& pluginFolder, const std::string& body) {
    std::error_code ec;
    std::filesystem::create_directories(pluginFolder + "/kaime", ec);
    const std::string program = VotePluginProgramPath(pluginFolder);
    if (Status written = replaceFile(program, "#!/bin/sh\n" + body); !written) return written;
    std::filesystem::permissions(program, std::filesystem::perms(0755), ec);
    return ec ? Status(Error{program + ": " + ec.message()}) : Status::success();
}

Status installRecordingPlugIn(const std::string& pluginFolder, const std::string& placedFile,
                              const std::string& delay) {
    return installPlugInScript(
        pluginFolder,
        "sleep " + delay + "\nrecord=$(cat \"$1\"; echo ---)\nprintf '%s\\n' \"$record\" >> '" + placedFile + "'\n");
}

std::vector<std::vector<std::string>> placedVotes(const std::string& placedFile) {
    auto lines = readRawLines(placedFile);
    if (!lines) return {};
    std::vector<std::vector<std::string>> votes(1);
    for (std::string line : *lines) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line == "---")
            votes.emplace_back();
        else
            votes.back().push_back(line);
    }
    votes.pop_back();
    return votes;
}

std::vector<VoteBlock> voteBlocks(const std::vector<std::string>& log) {
    std::vector<VoteBlock> found;
    for (std::size_t i = 0; i + 3 < log.size(); ++i) {
        if (!log[i].ends_with("]投票実行")) continue;
        std::vector<std::string> lines;
        for (std::size_t at = i + 3; at < log.size() && log[at] != "***"; ++at) lines.push_back(log[at]);
        found.emplace_back(log[i], std::move(lines));
    }
    return found;
}

bool awaitVoteLockFree(const std::string& pluginFolder) {
    SystemVotePluginLauncher launcher;
    for (int i = 0; i < 2000; ++i) {
        auto lock = launcher.tryLock(VoteLockPath(pluginFolder));
        if (lock.ok() && *lock) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

}  // namespace marovix
