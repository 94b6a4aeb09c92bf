#include "core/vote/VotePluginStart.h"

#include <string>

#include "core/vote/VotePluginFiles.h"

namespace marovix {
namespace {

Status startPlugin(VotePluginLauncher& launcher, std::string_view pluginFolder, std::string_view parameter,
                   PluginWindow window) {
    if (pluginFolder.empty()) return Error{"投票プラグインのフォルダが指定されていません"};
    std::string workingFolder(pluginFolder);
    if (workingFolder.back() != '/') workingFolder += '/';
    return launcher.startDetached(VotePluginProgramPath(pluginFolder), std::string(parameter), workingFolder, window);
}

}  // namespace

Status StartVotePlugin(VotePluginLauncher& launcher, std::string_view pluginFolder, std::string_view voteFilePath) {
    return startPlugin(launcher, pluginFolder, voteFilePath, PluginWindow::Shown);
}

Status StartBalanceQuery(VotePluginLauncher& launcher, std::string_view pluginFolder) {
    return startPlugin(launcher, pluginFolder, BalanceQueryParameter, PluginWindow::Hidden);
}

}  // namespace marovix
