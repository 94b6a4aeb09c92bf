#pragma once
// Starting the vote plug-in: with a vote file to place its votes, or with " money" to leave its
// balance file. Neither waits for the plug-in. The process's current folder stays as it is: the
// plug-in folder is given to the launcher as the working folder instead.
#include <string_view>

#include "core/common/Result.h"
#include "core/ports/VotePluginLauncher.h"

namespace marovix {

// Starts pluginFolder/VQMTohyoPlugIn2.exe, shown, with the full vote file path as its parameter
// (not quoted) and the working folder pluginFolder + "/". An error when the start is refused or the
// folder is blank (nothing is started then).
Status StartVotePlugin(VotePluginLauncher& launcher, std::string_view pluginFolder, std::string_view voteFilePath);

// Starts the same program hidden with the parameter " money" and the same working folder.
Status StartBalanceQuery(VotePluginLauncher& launcher, std::string_view pluginFolder);

}  // namespace marovix
