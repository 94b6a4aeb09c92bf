#include "core/vote/VotePluginFiles.h"

#include "core/common/Cp932.h"
#include "core/common/TextFile.h"
#include "core/settings/TIniGT.h"

namespace marovix {
namespace {

// ipatbalance.ini holds a few short lines; a file far larger is no balance file and is not read whole.
constexpr std::size_t kBalanceFileMaxBytes = 64 * 1024;

}  // namespace

std::string VotePluginProgramPath(std::string_view pluginFolder) {
    return joinPath(pluginFolder, VotePluginProgramName);
}

std::string VoteLockPath(std::string_view pluginFolder) {
    return joinPath(joinPath(pluginFolder, VoteFileFolderName), VoteLockFileName);
}

std::string PluginLogPath(std::string_view pluginFolder, std::string_view dateKey) {
    return joinPath(joinPath(pluginFolder, PluginLogFolderName), std::string(dateKey) + ".log");
}

std::optional<std::string> ReadBalanceFile(std::string_view pluginFolder) {
    auto bytes = readFileBytes(joinPath(pluginFolder, BalanceFileName), kBalanceFileMaxBytes);
    if (!bytes) return std::nullopt;
    const std::vector<std::string> lines = splitLines(cp932ToUtf8(*bytes));
    if (lines.size() <= 2) return std::nullopt;
    // Each "balance=" of the line as read goes; what the removal joins up is not looked at again.
    const std::string& line = lines[2];
    constexpr std::string_view Tag = "balance=";
    std::string balance;
    std::size_t from = 0;
    for (auto at = line.find(Tag); at != std::string::npos; at = line.find(Tag, from)) {
        balance.append(line, from, at - from);
        from = at + Tag.size();
    }
    balance.append(line, from);
    return balance;
}

std::string ReadPluginInetId(std::string_view pluginFolder) {
    // Bound like the main window's second settings component: the path as given, no folder added.
    TIniGT ini({}, {});
    ini.setDefaultDir(DefaultDir::ddNone);
    ini.setFileName(joinPath(pluginFolder, VotePluginSettingsName));
    return ini.ReadString("IPAT", "INETID", "NO");
}

}  // namespace marovix
