#include "tests/support/FeedFolderBuilder.h"

#include <filesystem>
#include <stdexcept>

#include "core/common/TextFile.h"

namespace marovix {
namespace {

std::string concatenated(const std::vector<std::string>& records) {
    std::string bytes;
    for (const auto& record : records) bytes += record;
    return bytes;
}

}  // namespace

void FeedFolderBuilder::writeFile(std::string_view tail, std::string_view bytes) {
    std::filesystem::path path = std::filesystem::path(m_folder) / tail;
    std::filesystem::create_directories(path.parent_path());
    if (auto status = replaceFile(path.string(), bytes); !status) throw std::runtime_error(status.error());
}

std::string FeedFolderBuilder::addStoredFile(std::string_view stamp, std::string_view name,
                                             const std::vector<std::string>& records) {
    std::string file = std::string(stamp) + "_" + std::string(name) + ".jvf";
    writeFile("stored/" + file, concatenated(records));
    return file;
}

std::string FeedFolderBuilder::addSnapshot(std::string_view dataspec, std::string_view key, std::string_view stamp,
                                           const std::vector<std::string>& records) {
    std::string file = std::string(stamp) + ".jvf";
    writeFile("realtime/" + std::string(dataspec) + "/" + std::string(key) + "/" + file, concatenated(records));
    return file;
}

void FeedFolderBuilder::setFaults(std::string_view text) { writeFile("faults.txt", text); }

}  // namespace marovix
