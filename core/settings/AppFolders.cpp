#include "core/settings/AppFolders.h"

#include "core/common/ProgramInfo.h"
#include "core/common/TextFile.h"

namespace marovix {

std::string AppFolders::sharedDataFolder(std::string_view executableFolder) {
    return joinPath(executableFolder, kSharedDataFolderName);
}

std::string AppFolders::path(std::string_view tail) const { return joinPath(m_appFolder, tail); }

std::string AppFolders::dayLogPath(std::string_view yyyymmdd) const {
    return joinPath(logFolder(), std::string(yyyymmdd) + ".log");
}

std::string AppFolders::dayDataPath(std::string_view dayText, std::string_view extension) const {
    return joinPath(dataFolder(), std::string(dayText) + std::string(extension));
}

Status AppFolders::createFolders() const {
    for (std::string_view name : kFolderNames) {
        Status status = makeDirectory(path(name));
        if (!status) return status;
    }
    return Status::success();
}

}  // namespace marovix
