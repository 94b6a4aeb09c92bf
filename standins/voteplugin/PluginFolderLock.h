#pragma once
// An exclusive lock on the stand-in's folder, held from construction to destruction: plug-in
// processes started close together take turns at reading and rewriting their files (settings,
// balance file, day log), so no balance change is lost. The lock is the system's exclusive lock of the
// file "VQMTohyoPlugIn2.lock" in the folder (flock, LockFileEx); the system drops it when the process
// ends, however it ends.
#include <string>

#include "core/common/Result.h"
#include "core/common/SystemFiles.h"

namespace marovix {

class PluginFolderLock {
public:
    // Waits for the lock. An error when the lock file cannot be opened or locked.
    static Result<PluginFolderLock> acquire(const std::string& folder);

    PluginFolderLock(PluginFolderLock&& other) noexcept = default;
    PluginFolderLock& operator=(PluginFolderLock&&) = delete;
    PluginFolderLock(const PluginFolderLock&) = delete;
    ~PluginFolderLock() = default;  // closing the file releases the lock

private:
    explicit PluginFolderLock(SystemFile file) : m_file(std::move(file)) {}
    SystemFile m_file;
};

}  // namespace marovix
