// The file seam of the core on Windows (core/common/SystemFiles.h): wide paths, files opened so that
// readers never keep a writer from replacing them, a replace by ReplaceFileW (the old file's attributes
// kept) or MoveFileExW written through, LockFileEx for the exclusive lock. Symbolic links are not
// followed by the core here: the system resolves them when a file is opened.
#include "core/common/SystemFiles.h"

#include <windows.h>

#include <cerrno>

#include "core/common/FileFaults.h"
#include "platform/win32/WideText.h"

namespace marovix {
namespace {

Error lastError(const std::string& path) { return windowsError(path, GetLastError()); }

bool missing(DWORD code) { return code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND; }

// Whether a file stands where a folder of the path belongs: Windows reports that as a path not found,
// POSIX as ENOTDIR, which is no missing file (nothing of that name can be made there).
bool fileInPath(const std::string& path) {
    std::string folder = path;
    for (;;) {
        std::size_t cut = folder.size();
        while (cut > 0 && !isPathSeparator(folder[cut - 1])) --cut;
        while (cut > 1 && isPathSeparator(folder[cut - 1])) --cut;
        if (cut == 0 || cut == folder.size()) return false;
        folder.resize(cut);
        const DWORD attributes = GetFileAttributesW(widePath(folder).c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    }
}

std::int64_t ticksOf(const FILETIME& time) {
    return static_cast<std::int64_t>((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
}

// 100-nanosecond ticks since 1601 to seconds since 1970.
constexpr std::int64_t kTicksPerSecond = 10000000;
constexpr std::int64_t kSecondsFrom1601To1970 = 11644473600LL;

PathKind kindOf(DWORD attributes) {
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return PathKind::Folder;
    if (attributes & FILE_ATTRIBUTE_DEVICE) return PathKind::Other;
    return PathKind::Regular;
}

// The stamp is made of what both a path's and an open file's information give: the size and the last
// write time (a replaced file is written anew, so its write time moves).
PathStatus statusOf(DWORD attributes, DWORD sizeHigh, DWORD sizeLow, const FILETIME& written) {
    PathStatus status;
    status.kind = kindOf(attributes);
    status.size = (static_cast<std::uint64_t>(sizeHigh) << 32) | sizeLow;
    status.stamp.size = status.size;
    status.stamp.modified = ticksOf(written) * 100;
    status.modifiedSeconds = ticksOf(written) / kTicksPerSecond - kSecondsFrom1601To1970;
    return status;
}

HANDLE handleOf(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

// Every reader and writer of this program lets others read, write, replace and remove the file.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

}  // namespace

Result<PathStatus> pathStatus(const std::string& path, bool /*followLinks*/) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(widePath(path).c_str(), GetFileExInfoStandard, &data)) {
        const DWORD code = GetLastError();
        if (code == ERROR_PATH_NOT_FOUND && fileInPath(path)) return fileFault(path, ENOTDIR);
        if (missing(code)) return PathStatus{};
        return windowsError(path, code);
    }
    return statusOf(data.dwFileAttributes, data.nFileSizeHigh, data.nFileSizeLow, data.ftLastWriteTime);
}

Result<std::string> linkTarget(const std::string&) { return std::string(); }

bool isWritablePath(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(widePath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    // The read-only mark of a folder only tells the shell to look inside it for its settings.
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 || (attributes & FILE_ATTRIBUTE_READONLY) == 0;
}

Result<SystemFile> SystemFile::open(const std::string& path, Mode mode) {
    if (mode != Mode::CreateNew) {
        auto before = pathStatus(path);
        if (!before) return before.failure();
        if (before->kind == PathKind::Missing && mode == Mode::Read) return fileFault(path, ENOENT);
        if (before->kind != PathKind::Missing && before->kind != PathKind::Regular)
            return notRegularFileFault(path, before->kind == PathKind::Folder);
    }
    // Appending with the right to append only: every write lands at the end, also beside another writer.
    const DWORD access = mode == Mode::Read     ? GENERIC_READ
                         : mode == Mode::Append ? FILE_GENERIC_READ | FILE_APPEND_DATA
                                                : GENERIC_WRITE;
    const DWORD disposition = mode == Mode::Read ? OPEN_EXISTING : mode == Mode::Append ? OPEN_ALWAYS : CREATE_NEW;
    HANDLE file =
        CreateFileW(widePath(path).c_str(), access, kShareAll, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return lastError(path);
    // A device or pipe that a name stands for (NUL, CON, \\.\pipe\...) is no file of the program's.
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(file) != FILE_TYPE_DISK || !GetFileInformationByHandle(file, &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        CloseHandle(file);
        return notRegularFileFault(path, false);
    }
    return SystemFile(reinterpret_cast<std::intptr_t>(file), path);
}

Result<PathStatus> SystemFile::status() const {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(handleOf(m_handle), &info)) return lastError(m_path);
    return statusOf(info.dwFileAttributes, info.nFileSizeHigh, info.nFileSizeLow, info.ftLastWriteTime);
}

Result<std::size_t> SystemFile::read(char* buffer, std::size_t size) {
    DWORD got = 0;
    const DWORD want = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
    if (!ReadFile(handleOf(m_handle), buffer, want, &got, nullptr)) return lastError(m_path);
    return static_cast<std::size_t>(got);
}

Result<std::size_t> SystemFile::readAt(std::uint64_t offset, char* buffer, std::size_t size) {
    // A read at an offset moves a synchronous handle's position: it is put back afterwards.
    LARGE_INTEGER zero{}, position{};
    if (!SetFilePointerEx(handleOf(m_handle), zero, &position, FILE_CURRENT)) return lastError(m_path);
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD got = 0;
    const DWORD want = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
    const bool read = ReadFile(handleOf(m_handle), buffer, want, &got, &at) || GetLastError() == ERROR_HANDLE_EOF;
    Error error = lastError(m_path);
    SetFilePointerEx(handleOf(m_handle), position, nullptr, FILE_BEGIN);
    if (!read) return error;
    return static_cast<std::size_t>(got);
}

Status SystemFile::write(std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        const DWORD chunk = bytes.size() > 0x40000000 ? 0x40000000 : static_cast<DWORD>(bytes.size());
        if (!WriteFile(handleOf(m_handle), bytes.data(), chunk, &written, nullptr)) return lastError(m_path);
        bytes.remove_prefix(written);
    }
    return Status::success();
}

Status SystemFile::truncate(std::uint64_t size) {
    // A file opened to append only may not be cut: a handle that may write does it.
    HANDLE writer = CreateFileW(widePath(m_path).c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (writer == INVALID_HANDLE_VALUE) return lastError(m_path);
    LARGE_INTEGER at{};
    at.QuadPart = static_cast<LONGLONG>(size);
    const bool cut = SetFilePointerEx(writer, at, nullptr, FILE_BEGIN) && SetEndOfFile(writer);
    Error error = lastError(m_path);
    CloseHandle(writer);
    if (!cut) return error;
    return Status::success();
}

Status SystemFile::syncData() {
    if (!FlushFileBuffers(handleOf(m_handle))) return lastError(m_path);
    return Status::success();
}

// ReplaceFileW gives the new file the old one's attributes and security.
Status SystemFile::takePermissionsOf(const PathStatus&) { return Status::success(); }

Status SystemFile::lockExclusive() {
    OVERLAPPED whole{};
    if (!LockFileEx(handleOf(m_handle), LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole))
        return lastError(m_path);
    return Status::success();
}

Status SystemFile::close() {
    if (m_handle == -1) return Status::success();
    HANDLE file = handleOf(m_handle);
    m_handle = -1;
    if (!CloseHandle(file)) return lastError(m_path);
    return Status::success();
}

namespace {

bool moveOver(const std::wstring& source, const std::wstring& target) {
    if (GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES &&
        ReplaceFileW(target.c_str(), source.c_str(), nullptr,
                     REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS, nullptr, nullptr))
        return true;
    // A new name, or an old file ReplaceFileW could not take (gone meanwhile, another volume): moved over
    // it in one step, written through before the call returns.
    return MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

// Whether a move that failed with `code` may succeed a moment later: while another writer replaces the
// same file, the old file is held open or waits to be deleted. A read-only file or a folder stays what it is.
bool heldByAnotherWriter(DWORD code, const std::wstring& target) {
    switch (code) {
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_UNABLE_TO_MOVE_REPLACEMENT:
        case ERROR_UNABLE_TO_MOVE_REPLACEMENT_2:
        case ERROR_UNABLE_TO_REMOVE_REPLACED: return true;
        case ERROR_ACCESS_DENIED: {
            const DWORD attributes = GetFileAttributesW(target.c_str());
            return attributes == INVALID_FILE_ATTRIBUTES ||
                   (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) == 0;
        }
        default: return false;
    }
}

}  // namespace

Status renameOver(const std::string& from, const std::string& to) {
    const std::wstring source = widePath(from), target = widePath(to);
    // Two writers of one file (the window and the command line, say) each replace it whole; the later
    // waits for the earlier's move, for up to about two seconds, instead of failing.
    for (int attempt = 0;; ++attempt) {
        if (moveOver(source, target)) return Status::success();
        const DWORD code = GetLastError();
        if (attempt >= 200 || !heldByAnotherWriter(code, target)) return windowsError(to, code);
        Sleep(10);
    }
}

Status removeFile(const std::string& path) {
    if (!DeleteFileW(widePath(path).c_str())) return lastError(path);
    return Status::success();
}

Status makeFolder(const std::string& path) {
    if (!CreateDirectoryW(widePath(path).c_str(), nullptr)) return lastError(path);
    return Status::success();
}

// NTFS journals its names: a moved or made file's name survives a crash once the call has returned.
Status syncFolder(const std::string&) { return Status::success(); }

Result<std::vector<FolderEntry>> listFolder(const std::string& path) {
    std::wstring pattern = widePath(path.empty() ? "." : path);
    if (!pattern.empty() && pattern.back() != L'\\') pattern += L'\\';
    pattern += L'*';
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr,
                                     FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) return lastError(path);
    std::vector<FolderEntry> entries;
    do {
        const std::wstring_view name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        const bool link =
            (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 && found.dwReserved0 == IO_REPARSE_TAG_SYMLINK;
        entries.push_back(FolderEntry{utf8Text(name), link ? PathKind::Link : kindOf(found.dwFileAttributes)});
    } while (FindNextFileW(search, &found));
    const DWORD code = GetLastError();
    FindClose(search);
    if (code != ERROR_NO_MORE_FILES) return windowsError(path, code);
    return entries;
}

long currentProcessId() { return static_cast<long>(GetCurrentProcessId()); }

bool processRuns(long pid) {
    if (pid == currentProcessId()) return true;
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
    // No such process; one of another user that cannot be looked at counts as running.
    if (!process) return GetLastError() == ERROR_ACCESS_DENIED;
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return running;
}

std::string executablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return utf8Text(path);
        }
        path.resize(path.size() * 2);
    }
}

std::string absolutePath(const std::string& path) {
    const std::wstring wide = widePath(path);
    const DWORD length = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (length == 0) return path;
    std::wstring full(length, L'\0');
    const DWORD written = GetFullPathNameW(wide.c_str(), length, full.data(), nullptr);
    if (written == 0 || written >= length) return path;
    full.resize(written);
    return utf8Text(full);
}

}  // namespace marovix
