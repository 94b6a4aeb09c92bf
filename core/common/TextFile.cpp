#include "core/common/TextFile.h"

#include <cerrno>
#include <limits>

#include "core/common/Cp932.h"
#include "core/common/FileFaults.h"
#include "core/common/SystemFiles.h"
#include "core/common/TemporaryFiles.h"

namespace marovix {
namespace {

constexpr int kMaxLinkHops = 40;  // as the system's own limit (ELOOP)

Error tooLarge(const std::string& path, std::size_t maxBytes) {
    return Error{path + ": ファイルが大きすぎます(" + std::to_string(maxBytes) + "バイトまで)", ErrorKind::Refused};
}

// The error as the caller names the file (the path it was given, not the link's target).
Error renamed(Error error, const std::string& from, const std::string& to) {
    if (from != to && error.message.starts_with(from + ": ")) error.message = to + error.message.substr(from.size());
    return error;
}

// Where the path's last part (its file name) begins: just after its last separator, 0 without one.
std::size_t fileNameStart(const std::string& path) {
    std::size_t start = path.size();
    while (start > 0 && !isPathSeparator(path[start - 1])) --start;
    return start;
}

}  // namespace

std::string folderOf(const std::string& path) {
    const std::size_t start = fileNameStart(path);
    if (start == 0) return ".";
    if (start == 1) return path.substr(0, 1);
    return path.substr(0, start - 1);
}

std::string fileNameOf(const std::string& path) { return path.substr(fileNameStart(path)); }

Result<std::string> readFileBytes(const std::string& path) {
    return readFileBytes(path, std::numeric_limits<std::size_t>::max());
}

Result<std::string> readFileBytes(const std::string& path, std::size_t maxBytes) {
    auto opened = SystemFile::open(path, SystemFile::Mode::Read);
    if (!opened) return opened.failure();
    SystemFile& file = *opened;
    auto status = file.status();
    if (!status) return status.failure();
    if (status->size > maxBytes) return tooLarge(path, maxBytes);
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(status->size));
    char buffer[65536];
    for (;;) {
        auto n = file.read(buffer, sizeof buffer);
        if (!n) return n.failure();
        if (*n == 0) break;
        // The file may grow while it is read.
        if (bytes.size() + *n > maxBytes) return tooLarge(path, maxBytes);
        bytes.append(buffer, *n);
    }
    return bytes;
}

Status appendRawLines(const std::string& path, std::span<const std::string> lines, bool durable) {
    if (lines.empty()) return Status::success();
    auto before = pathStatus(path);
    if (!before) return before.failure();
    const bool existed = before->kind != PathKind::Missing;
    auto opened = SystemFile::open(path, SystemFile::Mode::Append);
    if (!opened) return opened.failure();
    SystemFile& file = *opened;
    auto status = file.status();
    if (!status) return status.failure();
    const std::uint64_t size = status->size;
    std::string bytes;
    char last = '\n';
    if (size > 0) {
        auto got = file.readAt(size - 1, &last, 1);
        if (!got) return got.failure();
        if (*got != 1) return fileFault(path, EIO);
    }
    if (last != '\n') bytes += "\r\n";
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    Status written = file.write(bytes);
    if (written && durable) written = file.syncData();
    if (!written) {
        (void)file.truncate(size);  // no torn line stays behind
        return written;
    }
    if (Status closed = file.close(); !closed) return closed;
    // The new file's name is on the disk only once its folder is.
    if (durable && !existed) {
        if (Status synced = syncFolder(folderOf(path)); !synced) return renamed(synced.failure(), folderOf(path), path);
    }
    return Status::success();
}

Result<std::string> resolveLinks(const std::string& path) {
    std::string current = path;
    for (int hops = 0; hops < kMaxLinkHops; ++hops) {
        auto target = linkTarget(current);
        if (!target) return renamed(target.failure(), current, path);
        if (target->empty()) return current;
        current = target->front() == '/' ? *target : joinPath(folderOf(current), *target);
    }
    return fileFault(path, ELOOP);
}

Status replaceFile(const std::string& path, std::string_view bytes) {
    // Through a symbolic link the link's target is replaced, so the link stays what the user made it.
    auto resolved = resolveLinks(path);
    if (!resolved) return resolved.failure();
    const std::string& target = *resolved;
    auto old = pathStatus(target);
    if (!old) return renamed(old.failure(), target, path);
    const bool exists = old->kind != PathKind::Missing;
    if (exists && old->kind != PathKind::Regular) return notRegularFileFault(path, old->kind == PathKind::Folder);

    removeLeftoverTemporaryFiles(folderOf(target));
    const std::string temp = temporaryPathFor(target);
    auto made = SystemFile::open(temp, SystemFile::Mode::CreateNew);
    if (!made) return renamed(made.failure(), temp, path);
    SystemFile& file = *made;
    auto fail = [&](Status status) {
        (void)file.close();
        (void)removeFile(temp);
        return renamed(status.failure(), temp, path);
    };
    // The new file keeps what the user set on the old one: its owner where allowed, and its mode.
    if (exists) {
        if (Status kept = file.takePermissionsOf(*old); !kept) return fail(kept);
    }
    if (Status written = file.write(bytes); !written) return fail(written);
    // No fsync: a download rewrites day files tens of thousands of times, and the move over the old
    // file already keeps either the old or the new content whole (ext4 flushes replace-by-rename; on
    // Windows the move is written through).
    if (Status closed = file.close(); !closed) return fail(closed);
    if (Status moved = renameOver(temp, target); !moved) {
        (void)removeFile(temp);
        return renamed(moved.failure(), target, path);
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
    auto status = pathStatus(path);
    return status && status->kind == PathKind::Regular;
}

bool directoryExists(const std::string& path) {
    auto status = pathStatus(path);
    return status && status->kind == PathKind::Folder;
}

Status makeDirectory(const std::string& path) {
    if (directoryExists(path)) return Status::success();
    Status made = makeFolder(path);
    if (made) return made;
    // Another writer may have made it between the check and here: a folder there is what was asked.
    auto now = pathStatus(path);
    if (now && now->kind == PathKind::Folder) return Status::success();
    if (now && now->kind != PathKind::Missing) return fileFault(path, ENOTDIR);  // a file stands in its place
    return made;
}

Status makeDirectories(const std::string& path) {
    for (std::size_t end = 1; end <= path.size(); ++end) {
        if (end < path.size() && !isPathSeparator(path[end])) continue;
        const std::string prefix = path.substr(0, end);
        // A drive ("C:") or the root is there already.
        if (prefix.back() == ':' || isPathSeparator(prefix.back())) continue;
        if (Status made = makeDirectory(prefix); !made) return made;
    }
    return Status::success();
}

std::string joinPath(std::string_view folder, std::string_view tail) {
    std::string out(folder);
    while (!tail.empty() && (tail.front() == '/' || tail.front() == '\\')) tail.remove_prefix(1);
    if (out.empty()) return std::string(tail);
    if (!isPathSeparator(out.back())) out += PathSeparator;
    out += tail;
    return out;
}

}  // namespace marovix
