#include "tests/support/TempFolder.h"

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <stdexcept>

#include "core/common/SystemFiles.h"
#include "core/common/TextFile.h"

namespace marovix {
namespace {

std::string systemTemporaryFolder() {
    for (const char* name : {"TMPDIR", "TEMP", "TMP"})
        if (const char* value = std::getenv(name); value && *value) return value;
    return "/tmp";
}

std::filesystem::path pathOf(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
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
    std::error_code ec;
    std::filesystem::permissions(pathOf(m_path), std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(pathOf(m_path), ec);
}

}  // namespace marovix
