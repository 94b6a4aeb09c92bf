#pragma once
// Lays out a feed folder of the JV-Link stand-in for tests (see docs/feed-layout.md). Throws
// std::runtime_error when a file cannot be written.
#include <string>
#include <string_view>
#include <vector>

namespace marovix {

class FeedFolderBuilder {
public:
    explicit FeedFolderBuilder(std::string folder) : m_folder(std::move(folder)) {}

    const std::string& folder() const { return m_folder; }
    // Writes stored/<stamp>_<name>.jvf holding the records as given (each normally ending in CR LF).
    // Returns the file's name.
    std::string addStoredFile(std::string_view stamp, std::string_view name, const std::vector<std::string>& records);
    // Writes the snapshot realtime/<dataspec>/<key>/<stamp>.jvf. Returns the file's name.
    std::string addSnapshot(std::string_view dataspec, std::string_view key, std::string_view stamp,
                            const std::vector<std::string>& records);
    // Writes faults.txt.
    void setFaults(std::string_view text);
    // Writes any file below the feed folder, bytes as given, creating its folders.
    void writeFile(std::string_view tail, std::string_view bytes);

private:
    std::string m_folder;
};

}  // namespace marovix
