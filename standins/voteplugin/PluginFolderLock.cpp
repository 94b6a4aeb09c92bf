#include "standins/voteplugin/PluginFolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

#include "core/common/TextFile.h"

namespace marovix {

Result<PluginFolderLock> PluginFolderLock::acquire(const std::string& folder) {
    const std::string path = joinPath(folder, "VQMTohyoPlugIn2.lock");
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return Error{path + ": " + std::strerror(errno)};
    while (::flock(fd, LOCK_EX) != 0) {
        if (errno == EINTR) continue;
        Error error{path + ": " + std::strerror(errno)};
        ::close(fd);
        return error;
    }
    return PluginFolderLock(fd);
}

PluginFolderLock::~PluginFolderLock() {
    if (m_fd >= 0) ::close(m_fd);  // closing the last descriptor releases the lock
}

}  // namespace marovix
