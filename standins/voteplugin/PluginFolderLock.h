#pragma once
// An exclusive lock on the stand-in's folder, held from construction to destruction: plug-in
// processes started close together take turns at reading and rewriting their files (settings,
// balance file, day log), so no balance change is lost. The lock is flock on the file
// "VQMTohyoPlugIn2.lock" in the folder; the system drops it when the process ends, however it ends.
#include <string>

#include "core/common/Result.h"

namespace marovix {

class PluginFolderLock {
public:
    // Waits for the lock. An error when the lock file cannot be opened or locked.
    static Result<PluginFolderLock> acquire(const std::string& folder);

    PluginFolderLock(PluginFolderLock&& other) noexcept : m_fd(other.m_fd) { other.m_fd = -1; }
    PluginFolderLock& operator=(PluginFolderLock&&) = delete;
    PluginFolderLock(const PluginFolderLock&) = delete;
    ~PluginFolderLock();

private:
    explicit PluginFolderLock(int fd) : m_fd(fd) {}
    int m_fd;
};

}  // namespace marovix
