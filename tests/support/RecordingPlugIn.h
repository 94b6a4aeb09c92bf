#pragma once
// Vote plug-ins for tests as shell scripts in a plug-in folder, the votes a recording one placed, the vote
// blocks of a day log, and the wait for the plug-in runs to end.
#include <string>
#include <utility>
#include <vector>

#include "core/common/Result.h"

namespace marovix {

// Writes pluginFolder/VQMTohyoPlugIn2.exe, executable, running `body` under /bin/sh; the folder and its
// kaime folder are made when missing.
Status installPlugInScript(const std::string& pluginFolder, const std::string& body);
// A plug-in that waits `delay` seconds (a login, say), then appends the vote file it was given and a line
// "---" to `placedFile`, in one write.
Status installRecordingPlugIn(const std::string& pluginFolder, const std::string& placedFile,
                              const std::string& delay = "0");
// The votes the recording plug-in placed, in order, each its lines (without line ends).
std::vector<std::vector<std::string>> placedVotes(const std::string& placedFile);

// The "[entry]投票実行" line and the vote lines of each vote block of a day log's lines (UTF-8), in order.
using VoteBlock = std::pair<std::string, std::vector<std::string>>;
std::vector<VoteBlock> voteBlocks(const std::vector<std::string>& log);

// Waits (up to 20 seconds) until nothing holds the vote lock of the plug-in folder, that is until no
// plug-in run handed a vote still runs; false when it stays held.
bool awaitVoteLockFree(const std::string& pluginFolder);

}  // namespace marovix
