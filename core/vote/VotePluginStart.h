#pragma once
// Starting the vote plug-in: with a vote file to place its votes, or with " money" to leave its
// balance file. Neither waits for the plug-in; each returns the started run. The process's current
// folder stays as it is: the plug-in folder is given to the launcher as the working folder instead.
#include <memory>
#include <string_view>

#include "core/common/Result.h"
#include "core/ports/VotePluginLauncher.h"

namespace marovix {

// Starts pluginFolder/VQMTohyoPlugIn2.exe, shown, with the full vote file path as its parameter
// (not quoted) and the working folder pluginFolder + "/"; `lock`, when given, is held by the run too
// until it ends. An error when the start is refused or the folder is blank (nothing is started then).
Result<std::unique_ptr<PluginRun>> StartVotePlugin(VotePluginLauncher& launcher, std::string_view pluginFolder,
                                                   std::string_view voteFilePath, PluginRunLock* lock = nullptr);

// Starts the same program hidden with the parameter " money" and the same working folder.
Result<std::unique_ptr<PluginRun>> StartBalanceQuery(VotePluginLauncher& launcher, std::string_view pluginFolder);

}  // namespace marovix
