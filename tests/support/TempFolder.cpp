#include "tests/support/TempFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace marovix {

TempFolder::TempFolder() : TempFolder(std::string()) {}

TempFolder::TempFolder(const std::string& base) {
    const char* system = std::getenv("TMPDIR");
    const std::string folder = !base.empty() ? base : system && *system ? system : "/tmp";
    std::string pattern = folder + "/marovix-test-XXXXXX";
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
    m_path = pattern;
}

std::string TempFolder::memoryBase() {
    struct stat st {};
    const char* shm = "/dev/shm";
    return ::stat(shm, &st) == 0 && S_ISDIR(st.st_mode) && ::access(shm, W_OK) == 0 ? shm : "";
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(m_path, ec);
}

}  // namespace marovix
