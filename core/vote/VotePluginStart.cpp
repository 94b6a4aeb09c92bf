#include "core/vote/VotePluginStart.h"

#include <string>

#include "core/vote/VotePluginFiles.h"

namespace marovix {
namespace {

Result<std::unique_ptr<PluginRun>> startPlugin(VotePluginLauncher& launcher, std::string_view pluginFolder,
                                               std::string_view parameter, PluginWindow window, PluginRunLock* lock) {
    if (pluginFolder.empty()) return Error{"投票プラグインのフォルダが指定されていません"};
    std::string workingFolder(pluginFolder);
    if (workingFolder.back() != '/') workingFolder += '/';
    return launcher.start(VotePluginProgramPath(pluginFolder), std::string(parameter), workingFolder, window, lock);
}

}  // namespace

Result<std::unique_ptr<PluginRun>> StartVotePlugin(VotePluginLauncher& launcher, std::string_view pluginFolder,
                                                   std::string_view voteFilePath, PluginRunLock* lock) {
    return startPlugin(launcher, pluginFolder, voteFilePath, PluginWindow::Shown, lock);
}

Result<std::unique_ptr<PluginRun>> StartBalanceQuery(VotePluginLauncher& launcher, std::string_view pluginFolder) {
    return startPlugin(launcher, pluginFolder, BalanceQueryParameter, PluginWindow::Hidden, nullptr);
}

}  // namespace marovix
