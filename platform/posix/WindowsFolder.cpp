#include "platform/WindowsFolder.h"

#include "core/settings/AppFolders.h"

namespace marovix {

// Linux has no Windows folder: the program ships the two alert sounds in its shared-data folder.
std::string windowsFolder(const std::string& executableFolder) {
    return AppFolders::sharedDataFolder(executableFolder);
}

}  // namespace marovix
