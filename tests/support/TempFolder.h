#pragma once
// A fresh folder below the system's temporary folder, removed with everything in it at the end.
#include <filesystem>
#include <string>

#include "core/common/SystemFiles.h"

namespace marovix {

// A path written with "/" in the system's own separators, as the program's joinPath writes them: the
// tail a test adds to a folder it gave the program.
inline std::string nativePath(std::string path) {
    for (char& c : path)
        if (c == '/') c = PathSeparator;
    return path;
}

// A UTF-8 path for std::filesystem, which would read a plain string in the system's code page on Windows.
inline std::filesystem::path filesystemPath(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

class TempFolder {
public:
    TempFolder();
    // A fresh folder below `base` (the system's temporary folder when empty).
    explicit TempFolder(const std::string& base);
    // A base in memory when the system has a writable one (/dev/shm), else empty: for tests that write
    // much more than they keep.
    static std::string memoryBase();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return m_path; }
    // Path of a file or folder inside.
    std::string file(const std::string& name) const { return m_path + PathSeparator + nativePath(name); }

private:
    std::string m_path;
};

}  // namespace marovix
