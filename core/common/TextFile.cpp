#include "core/common/TextFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/common/Cp932.h"

namespace marovix {
namespace {

Error systemError(const std::string& path) {
    return Error{path + ": " + std::strerror(errno)};
}

}  // namespace

Result<std::string> readFileBytes(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return systemError(path);
    std::string bytes;
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, n);
    bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return systemError(path);
    return bytes;
}

Status replaceFile(const std::string& path, std::string_view bytes) {
    std::string temp = path + ".tmp~";
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return systemError(path);
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t w = ::write(fd, p, left);
        if (w < 0) {
            if (errno == EINTR) continue;
            Error e = systemError(path);
            ::close(fd);
            ::unlink(temp.c_str());
            return e;
        }
        p += w;
        left -= static_cast<std::size_t>(w);
    }
    // No fsync: a download rewrites day files tens of thousands of times, and rename over the old
    // file already keeps either the old or the new content whole (ext4 flushes replace-by-rename).
    if (::close(fd) != 0) {
        Error e = systemError(path);
        ::unlink(temp.c_str());
        return e;
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
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
    if (!bytes) return Error{bytes.error()};
    return splitLines(*bytes);
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
    if (!bytes) return Error{bytes.error()};
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
