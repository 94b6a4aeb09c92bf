#pragma once
// The one seam between the core and the operating system: files, folders, links, process ids and the
// program's own path. Everything else of the core that touches the disk goes through these functions.
//
// Paths are UTF-8 texts. A system whose own paths are wide (Windows) converts them here, so a name such
// as "2024年01月06日中山.jvSEr" is the same name to the core, to the system and to the user's file
// browser. There are two implementations, one of which is built into the core: the POSIX one
// (platform/posix/SystemFiles.cpp) and the Win32 one (platform/win32/SystemFiles.cpp).
//
// Every failure is an Error whose text is the path, ": " and the system's reason in Japanese
// (FileFaults.h), with the kind NotFound for a missing path and Refused for a denied one.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/common/Result.h"

namespace marovix {

// The separator the system's own paths use; "/" is understood everywhere as well.
#ifdef _WIN32
inline constexpr char PathSeparator = '\\';
#else
inline constexpr char PathSeparator = '/';
#endif

inline bool isPathSeparator(char c) { return c == '/' || c == PathSeparator; }

enum class PathKind {
    Missing,  // nothing of that name (the path's folder exists or not)
    Regular,  // a regular file
    Folder,
    Link,   // a symbolic link (only when links are not followed)
    Other,  // a FIFO, a device, a socket: never opened by the core
};

struct PathStatus {
    PathKind kind = PathKind::Missing;
    std::uint64_t size = 0;
    // Tells one version of a file from another: the file's identity (device and file number), its size
    // and its change times in nanoseconds.
    struct Stamp {
        std::uint64_t device = 0, file = 0, size = 0;
        std::int64_t modified = 0, changed = 0;
        bool operator==(const Stamp&) const = default;
    };
    Stamp stamp;
    std::int64_t modifiedSeconds = 0;  // since 1970-01-01 UTC
    // POSIX permissions (mode bits, owner and group); zero where the system has none.
    std::uint32_t mode = 0, owner = 0, group = 0;
};

// What `path` names. Links are followed unless `followLinks` is false. A missing path (its folder
// there or not) is PathKind::Missing, not an error.
Result<PathStatus> pathStatus(const std::string& path, bool followLinks = true);

// Where the symbolic link `path` points, as written in the link; empty when `path` is no link. A system
// whose links the core does not follow (Windows) reports none.
Result<std::string> linkTarget(const std::string& path);

// Whether the program may write the file or folder: it exists and neither its permissions nor a
// read-only mark forbid it.
bool isWritablePath(const std::string& path);

// An open regular file, closed when the object goes.
class SystemFile {
public:
    enum class Mode {
        Read,       // reading from the start
        Append,     // reading and writing, every write at the end; made when missing
        CreateNew,  // writing a file that must not exist yet
    };
    // Opens only a regular file, or a missing one for Append and CreateNew: a FIFO, a device or a folder
    // is refused without ever waiting on it. Readers and writers of this program never keep another
    // writer from replacing or removing the file.
    static Result<SystemFile> open(const std::string& path, Mode mode);

    SystemFile(SystemFile&& other) noexcept
        : m_handle(std::exchange(other.m_handle, -1)), m_path(std::move(other.m_path)) {}
    SystemFile& operator=(SystemFile&& other) noexcept {
        if (this != &other) {
            (void)close();
            m_handle = std::exchange(other.m_handle, -1);
            m_path = std::move(other.m_path);
        }
        return *this;
    }
    SystemFile(const SystemFile&) = delete;
    SystemFile& operator=(const SystemFile&) = delete;
    ~SystemFile() { (void)close(); }

    // The status of the open file itself.
    Result<PathStatus> status() const;
    // Up to `size` bytes from where the last read ended; 0 at the end.
    Result<std::size_t> read(char* buffer, std::size_t size);
    // Up to `size` bytes from `offset`, the read position unchanged.
    Result<std::size_t> readAt(std::uint64_t offset, char* buffer, std::size_t size);
    // Every byte, however many calls it takes.
    Status write(std::string_view bytes);
    Status truncate(std::uint64_t size);
    // The written bytes are on the disk when it returns.
    Status syncData();
    // Gives the file the permissions `old` had (its mode, and its owner where the system allows);
    // nothing where the system keeps them otherwise.
    Status takePermissionsOf(const PathStatus& old);
    // Waits until this program holds the file's exclusive lock; the lock ends when the file is closed
    // or the process ends, however it ends.
    Status lockExclusive();
    Status close();

    const std::string& path() const { return m_path; }

private:
    SystemFile(std::intptr_t handle, std::string path) : m_handle(handle), m_path(std::move(path)) {}
    std::intptr_t m_handle = -1;
    std::string m_path;
};

// Moves `from` over `to` in one step, so that `to` is always either the old file or the new one whole. On
// Windows the new file takes the old one's attributes and the move is written through.
Status renameOver(const std::string& from, const std::string& to);
Status removeFile(const std::string& path);
// Makes the folder (not its parents). Fails when anything of that name exists.
Status makeFolder(const std::string& path);
// The names in the folder are on the disk when it returns (a system that keeps them so anyway does nothing).
Status syncFolder(const std::string& path);

struct FolderEntry {
    std::string name;
    PathKind kind = PathKind::Other;  // of the entry itself: a link is a Link
};
// The entries of the folder, without "." and "..", in the system's order.
Result<std::vector<FolderEntry>> listFolder(const std::string& path);

// This process's id.
long currentProcessId();
// Whether a process of that id runs (or may run: one that cannot be looked at counts as running).
bool processRuns(long pid);

// The full path of the running program; empty when the system cannot tell.
std::string executablePath();

// The path made absolute from the current folder, with "." and ".." resolved in its text and the
// system's own separators.
std::string absolutePath(const std::string& path);

}  // namespace marovix
