#include "tests/support/TempFolder.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <thread>

#include "core/common/SystemFiles.h"
#include "core/common/TextFile.h"

namespace marovix {
namespace {

std::string systemTemporaryFolder() {
    for (const char* name : {"TMPDIR", "TEMP", "TMP"})
        if (const char* value = std::getenv(name); value && *value) return value;
    return "/tmp";
}

}  // namespace

TempFolder::TempFolder() : TempFolder(std::string()) {}

TempFolder::TempFolder(const std::string& base) {
    static std::atomic<unsigned> counter{0};
    static std::mt19937 random{std::random_device{}()};
    const std::string folder = !base.empty() ? base : systemTemporaryFolder();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = "marovix-test-" + std::to_string(currentProcessId()) + "-" +
                                 std::to_string(++counter) + "-" + std::to_string(random() % 1000000);
        const std::string path = joinPath(folder, name);
        if (makeFolder(path)) {
            m_path = path;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

std::string TempFolder::memoryBase() {
#ifdef _WIN32
    return "";
#else
    const char* shm = "/dev/shm";
    return directoryExists(shm) && isWritablePath(shm) ? shm : "";
#endif
}

TempFolder::~TempFolder() {
    namespace fs = std::filesystem;
    const fs::path root = filesystemPath(m_path);
    std::error_code ec;
    fs::permissions(root, fs::perms::owner_all, ec);
#ifdef _WIN32
    // Windows removes no read-only file, nor one a program still runs from or holds open (a vote plug-in
    // finishing its run after the test): the files are made writable and the removal tried for a while.
    for (int attempt = 0; attempt < 50; ++attempt) {
        std::error_code ignored;
        for (fs::recursive_directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec))
            fs::permissions(it->path(), fs::perms::owner_write, fs::perm_options::add, ignored);
        fs::remove_all(root, ec);
        if (!ec) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
#else
    fs::remove_all(root, ec);
#endif
}

}  // namespace marovix
