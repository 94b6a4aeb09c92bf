// The file seam of the core on POSIX systems (core/common/SystemFiles.h).
#include "core/common/SystemFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <filesystem>
#include <memory>

#include "core/common/FileFaults.h"

namespace marovix {
namespace {

Error lastError(const std::string& path) { return fileFault(path, errno); }

PathKind kindOf(mode_t mode) {
    if (S_ISREG(mode)) return PathKind::Regular;
    if (S_ISDIR(mode)) return PathKind::Folder;
    if (S_ISLNK(mode)) return PathKind::Link;
    return PathKind::Other;
}

PathStatus statusOf(const struct stat& st) {
    PathStatus status;
    status.kind = kindOf(st.st_mode);
    status.size = static_cast<std::uint64_t>(st.st_size);
    status.stamp =
        PathStatus::Stamp{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
                          static_cast<std::uint64_t>(st.st_size), st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec,
                          st.st_ctim.tv_sec * 1000000000LL + st.st_ctim.tv_nsec};
    status.modifiedSeconds = st.st_mtim.tv_sec;
    status.mode = st.st_mode & 07777;
    status.owner = st.st_uid;
    status.group = st.st_gid;
    return status;
}

int fdOf(std::intptr_t handle) { return static_cast<int>(handle); }

}  // namespace

Result<PathStatus> pathStatus(const std::string& path, bool followLinks) {
    struct stat st {};
    const int rc = followLinks ? ::stat(path.c_str(), &st) : ::lstat(path.c_str(), &st);
    if (rc != 0) {
        if (errno == ENOENT) return PathStatus{};
        return lastError(path);
    }
    return statusOf(st);
}

Result<std::string> linkTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
        if (errno == ENOENT) return std::string();
        return lastError(path);
    }
    if (!S_ISLNK(st.st_mode)) return std::string();
    for (;;) {
        std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : PATH_MAX) + 1, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n < 0) return lastError(path);
        if (static_cast<std::size_t>(n) < target.size()) {
            target.resize(static_cast<std::size_t>(n));
            return target;
        }
        st.st_size = static_cast<off_t>(target.size() * 2);  // changed meanwhile: a larger buffer
    }
}

bool isWritablePath(const std::string& path) {
    // Root may write whatever the permission bits say, so a file or folder without any write bit counts
    // as read-only too; otherwise the system's own access check decides.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return false;
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
    return ::access(path.c_str(), W_OK) == 0;
}

Result<SystemFile> SystemFile::open(const std::string& path, Mode mode) {
    // A FIFO would wait for its other end forever, and a device may act on being opened: only a regular
    // file (or a missing one that is to be made) is opened. O_NONBLOCK and the second look after opening
    // cover a path swapped in between.
    const bool create = mode != Mode::Read;
    struct stat st {};
    if (mode != Mode::CreateNew) {
        if (::stat(path.c_str(), &st) == 0) {
            if (!S_ISREG(st.st_mode)) return notRegularFileFault(path, S_ISDIR(st.st_mode));
        } else if (errno != ENOENT || !create) {
            return lastError(path);
        }
    }
    const int flags = mode == Mode::Read     ? O_RDONLY
                      : mode == Mode::Append ? O_RDWR | O_APPEND | O_CREAT
                                             : O_WRONLY | O_CREAT | O_EXCL;
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0644);
    if (fd < 0) return lastError(path);
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        Error error = S_ISREG(st.st_mode) ? lastError(path) : notRegularFileFault(path, S_ISDIR(st.st_mode));
        ::close(fd);
        return error;
    }
    // Reads and writes of a regular file never wait; the flag only kept open() from waiting.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return SystemFile(fd, path);
}

Result<PathStatus> SystemFile::status() const {
    struct stat st {};
    if (::fstat(fdOf(m_handle), &st) != 0) return lastError(m_path);
    return statusOf(st);
}

Result<std::size_t> SystemFile::read(char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t n = ::read(fdOf(m_handle), buffer, size);
        if (n >= 0) return static_cast<std::size_t>(n);
        if (errno != EINTR) return lastError(m_path);
    }
}

Result<std::size_t> SystemFile::readAt(std::uint64_t offset, char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t n = ::pread(fdOf(m_handle), buffer, size, static_cast<off_t>(offset));
        if (n >= 0) return static_cast<std::size_t>(n);
        if (errno != EINTR) return lastError(m_path);
    }
}

Status SystemFile::write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t w = ::write(fdOf(m_handle), bytes.data(), bytes.size());
        if (w < 0) {
            if (errno == EINTR) continue;
            return lastError(m_path);
        }
        bytes.remove_prefix(static_cast<std::size_t>(w));
    }
    return Status::success();
}

Status SystemFile::truncate(std::uint64_t size) {
    if (::ftruncate(fdOf(m_handle), static_cast<off_t>(size)) != 0) return lastError(m_path);
    return Status::success();
}

Status SystemFile::syncData() {
    if (::fdatasync(fdOf(m_handle)) != 0) return lastError(m_path);
    return Status::success();
}

Status SystemFile::takePermissionsOf(const PathStatus& old) {
    const int fd = fdOf(m_handle);
    // The owner where allowed (only root may give a file away), then the mode.
    if (old.owner != ::geteuid() || old.group != ::getegid()) (void)!::fchown(fd, old.owner, old.group);
    struct stat made {};
    if (::fstat(fd, &made) != 0) return lastError(m_path);
    if ((made.st_mode & 07777) != old.mode && ::fchmod(fd, static_cast<mode_t>(old.mode)) != 0)
        return lastError(m_path);
    return Status::success();
}

Status SystemFile::lockExclusive() {
    // flock belongs to the open file: it ends with its last descriptor, however the process ends.
    while (::flock(fdOf(m_handle), LOCK_EX) != 0) {
        if (errno != EINTR) return lastError(m_path);
    }
    return Status::success();
}

Status SystemFile::close() {
    if (m_handle < 0) return Status::success();
    const int fd = fdOf(m_handle);
    m_handle = -1;
    if (::close(fd) != 0) return lastError(m_path);
    return Status::success();
}

Status renameOver(const std::string& from, const std::string& to) {
    if (::rename(from.c_str(), to.c_str()) != 0) return lastError(to);
    return Status::success();
}

Status removeFile(const std::string& path) {
    if (::unlink(path.c_str()) != 0) return lastError(path);
    return Status::success();
}

Status makeFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0755) != 0) return lastError(path);
    return Status::success();
}

Status syncFolder(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return lastError(path);
    const bool synced = ::fsync(fd) == 0;
    Error error = lastError(path);
    ::close(fd);
    if (!synced) return error;
    return Status::success();
}

Result<std::vector<FolderEntry>> listFolder(const std::string& path) {
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(path.empty() ? "." : path.c_str()), ::closedir);
    if (!dir) return lastError(path);
    const int dirFd = ::dirfd(dir.get());
    std::vector<FolderEntry> entries;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..") continue;
        FolderEntry item{std::string(name), PathKind::Other};
        switch (entry->d_type) {
            case DT_REG: item.kind = PathKind::Regular; break;
            case DT_DIR: item.kind = PathKind::Folder; break;
            case DT_LNK: item.kind = PathKind::Link; break;
            case DT_UNKNOWN: {
                struct stat st {};
                if (::fstatat(dirFd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0) item.kind = kindOf(st.st_mode);
                break;
            }
            default: break;
        }
        entries.push_back(std::move(item));
    }
    return entries;
}

long currentProcessId() { return static_cast<long>(::getpid()); }

bool processRuns(long pid) {
    // Alive, or someone else's (no right to signal it): either way running.
    return pid == currentProcessId() || ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

std::string executablePath() {
    std::error_code ec;
    const auto self = std::filesystem::canonical("/proc/self/exe", ec);
    return ec ? std::string() : self.string();
}

std::string absolutePath(const std::string& path) {
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.lexically_normal().string();
}

}  // namespace marovix
