#include "core/common/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>

#include "core/common/Cp932.h"
#include "core/common/FileFaults.h"
#include "core/common/TemporaryFiles.h"

namespace marovix {
namespace {

constexpr int kMaxLinkHops = 40;  // as the system's own limit (ELOOP)

// The system's error of the last call, with its kind.
Error systemError(const std::string& path) {
    const int error = errno;
    const ErrorKind kind = error == ENOENT || error == ENOTDIR                   ? ErrorKind::NotFound
                           : error == EACCES || error == EPERM || error == EROFS ? ErrorKind::Refused
                                                                                 : ErrorKind::IO;
    return Error{fileErrorText(path, error), kind};
}

Error notRegularFile(const std::string& path, const struct stat& st) {
    return Error{S_ISDIR(st.st_mode) ? fileErrorText(path, EISDIR) : path + ": 通常のファイルではありません",
                 ErrorKind::Refused};
}

Error tooLarge(const std::string& path, std::size_t maxBytes) {
    return Error{path + ": ファイルが大きすぎます(" + std::to_string(maxBytes) + "バイトまで)", ErrorKind::Refused};
}

// Opens the path only when it is a regular file, or a missing one when `flags` has O_CREAT: opening a
// FIFO would wait for its other end forever, and a device may act on being opened. O_NONBLOCK and the
// second look after opening cover a path swapped in between. `st` holds the opened file's status.
Result<int> openRegularFile(const std::string& path, int flags, struct stat& st) {
    if (::stat(path.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) return notRegularFile(path, st);
    } else if (errno != ENOENT || (flags & O_CREAT) == 0) {
        return systemError(path);
    }
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0) return systemError(path);
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) return fd;
    Error error = S_ISREG(st.st_mode) ? systemError(path) : notRegularFile(path, st);
    ::close(fd);
    return error;
}

// Writes every byte, however many calls it takes; false with errno set when a write fails.
bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t w = ::write(fd, bytes.data(), bytes.size());
        if (w < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(w));
    }
    return true;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

}  // namespace

Result<std::string> readFileBytes(const std::string& path) {
    return readFileBytes(path, std::numeric_limits<std::size_t>::max());
}

Result<std::string> readFileBytes(const std::string& path, std::size_t maxBytes) {
    struct stat st {};
    auto opened = openRegularFile(path, O_RDONLY, st);
    if (!opened) return opened.failure();
    const int fd = *opened;
    auto fail = [&](Error error) {
        ::close(fd);
        return error;
    };
    if (static_cast<std::uint64_t>(st.st_size) > maxBytes) return fail(tooLarge(path, maxBytes));
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail(systemError(path));
        }
        if (n == 0) break;
        // The file may grow while it is read.
        if (bytes.size() + static_cast<std::size_t>(n) > maxBytes) return fail(tooLarge(path, maxBytes));
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return bytes;
}

Status appendRawLines(const std::string& path, std::span<const std::string> lines, bool durable) {
    if (lines.empty()) return Status::success();
    struct stat st {};
    const bool existed = ::stat(path.c_str(), &st) == 0;
    auto opened = openRegularFile(path, O_RDWR | O_APPEND | O_CREAT, st);
    if (!opened) return opened.failure();
    const int fd = *opened;
    auto fail = [&](Error error) {
        ::close(fd);
        return error;
    };
    const off_t before = st.st_size;
    std::string bytes;
    char last = '\n';
    if (before > 0 && ::pread(fd, &last, 1, before - 1) != 1) return fail(systemError(path));
    if (last != '\n') bytes += "\r\n";
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    if (!writeAll(fd, bytes) || (durable && ::fdatasync(fd) != 0)) {
        Error error = systemError(path);
        (void)!::ftruncate(fd, before);  // no torn line stays behind
        return fail(std::move(error));
    }
    if (::close(fd) != 0) return systemError(path);
    if (durable && !existed) {
        // The new file's name is on the disk only once its folder is.
        const int folder = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (folder < 0) return systemError(path);
        const bool synced = ::fsync(folder) == 0;
        Error error = systemError(path);
        ::close(folder);
        if (!synced) return error;
    }
    return Status::success();
}

Result<std::string> resolveLinks(const std::string& path) {
    std::string current = path;
    for (int hops = 0; hops < kMaxLinkHops; ++hops) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
        std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : PATH_MAX) + 1, '\0');
        const ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
        if (n < 0) return systemError(path);
        if (static_cast<std::size_t>(n) >= target.size()) continue;  // changed meanwhile: look again
        target.resize(static_cast<std::size_t>(n));
        current = target.front() == '/' ? target : joinPath(folderOf(current), target);
    }
    errno = ELOOP;
    return systemError(path);
}

Status replaceFile(const std::string& path, std::string_view bytes) {
    // Through a symbolic link the link's target is replaced, so the link stays what the user made it.
    auto resolved = resolveLinks(path);
    if (!resolved) return resolved.failure();
    const std::string& target = *resolved;
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT) return systemError(path);
    if (exists && !S_ISREG(old.st_mode)) return notRegularFile(path, old);

    removeLeftoverTemporaryFiles(folderOf(target));
    const std::string temp = temporaryPathFor(target);
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return systemError(path);
    auto fail = [&](Error error) {
        ::close(fd);
        ::unlink(temp.c_str());
        return error;
    };
    if (exists) {
        // The new file keeps what the user set on the old one: its owner where allowed, and its mode.
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) (void)!::fchown(fd, old.st_uid, old.st_gid);
        struct stat made {};
        const mode_t mode = old.st_mode & 07777;
        if (::fstat(fd, &made) != 0 || ((made.st_mode & 07777) != mode && ::fchmod(fd, mode) != 0))
            return fail(systemError(path));
    }
    if (!writeAll(fd, bytes)) return fail(systemError(path));
    // No fsync: a download rewrites day files tens of thousands of times, and rename over the old
    // file already keeps either the old or the new content whole (ext4 flushes replace-by-rename).
    if (::close(fd) != 0) {
        Error e = systemError(path);
        ::unlink(temp.c_str());
        return e;
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        Error e = systemError(path);
        ::unlink(temp.c_str());
        return e;
    }
    return Status::success();
}

std::vector<std::string> splitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) {
            lines.emplace_back(bytes.substr(start));
            break;
        }
        std::size_t stop = end;
        if (stop > start && bytes[stop - 1] == '\r') --stop;
        lines.emplace_back(bytes.substr(start, stop - start));
        start = end + 1;
    }
    return lines;
}

Result<std::vector<std::string>> readRawLines(const std::string& path) {
    auto bytes = readFileBytes(path);
    if (!bytes) return bytes.failure();
    return splitLines(*bytes);
}

Result<std::vector<std::string>> readRawLinesIfPresent(const std::string& path) {
    auto lines = readRawLines(path);
    if (!lines && lines.errorKind() == ErrorKind::NotFound) return std::vector<std::string>{};
    return lines;
}

Status writeRawLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string bytes;
    std::size_t total = 0;
    for (const auto& line : lines) total += line.size() + 2;
    bytes.reserve(total);
    for (const auto& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return replaceFile(path, bytes);
}

Result<std::vector<std::string>> readTextLines(const std::string& path) {
    auto bytes = readFileBytes(path);
    if (!bytes) return bytes.failure();
    return splitLines(cp932ToUtf8(*bytes));
}

Status writeTextLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return replaceFile(path, utf8ToCp932(text));
}

bool fileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool directoryExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

Status makeDirectory(const std::string& path) {
    if (directoryExists(path)) return Status::success();
    if (::mkdir(path.c_str(), 0755) == 0) return Status::success();
    if (errno == EEXIST) {
        // Another writer may have made it between the check and mkdir: a folder there is what was asked.
        if (directoryExists(path)) return Status::success();
        errno = ENOTDIR;  // a file stands where the folder belongs
    }
    return systemError(path);
}

std::string joinPath(std::string_view folder, std::string_view tail) {
    std::string out(folder);
    while (!tail.empty() && (tail.front() == '/' || tail.front() == '\\')) tail.remove_prefix(1);
    if (out.empty()) return std::string(tail);
    if (out.back() != '/') out += '/';
    out += tail;
    return out;
}

}  // namespace marovix
