#include "fuzz/support/FuzzFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace marovix::fuzz {
namespace {

std::string baseFolder() {
    struct stat st {};
    if (::stat("/dev/shm", &st) == 0 && S_ISDIR(st.st_mode) && ::access("/dev/shm", W_OK) == 0) return "/dev/shm";
    const char* system = std::getenv("TMPDIR");
    return system && *system ? system : "/tmp";
}

}  // namespace

FuzzFolder::FuzzFolder() {
    std::string pattern = baseFolder() + "/marovix-fuzz-XXXXXX";
    if (!::mkdtemp(pattern.data())) fail("cannot create the fuzz folder");
    m_path = pattern;
}

FuzzFolder::~FuzzFolder() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

FuzzFolder& FuzzFolder::fresh() {
    static FuzzFolder folder;
    folder.empty();
    return folder;
}

void FuzzFolder::empty() const {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(m_path, ec)) {
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(entry.path(), ec);
    }
}

std::string FuzzFolder::file(std::string_view tail) const { return m_path + "/" + std::string(tail); }

std::string FuzzFolder::makeFolder(std::string_view tail) const {
    const std::string path = file(tail);
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    if (ec) fail("cannot create " + path + ": " + ec.message());
    return path;
}

std::string FuzzFolder::write(std::string_view tail, std::string_view bytes) const {
    std::string path = file(tail);
    writeFile(path, bytes);
    return path;
}

void writeFile(const std::string& path, std::string_view bytes) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    std::error_code ec;
    std::filesystem::create_directories(parent, ec);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) fail("cannot write " + path);
}

void fail(std::string_view what) {
    std::fprintf(stderr, "fuzz check failed: %.*s\n", static_cast<int>(what.size()), what.data());
    std::abort();
}

}  // namespace marovix::fuzz
