#include "core/common/TemporaryFiles.h"

#include <atomic>
#include <mutex>
#include <set>

#include "core/common/SystemFiles.h"
#include "core/common/TextFile.h"

namespace marovix {
namespace {

constexpr std::string_view kEnding = ".tmp";

std::atomic<unsigned long> g_counter{0};

bool allDigits(std::string_view text) {
    if (text.empty() || text.size() > 18) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

long toNumber(std::string_view digits) {
    long value = 0;
    for (char c : digits) value = value * 10 + (c - '0');
    return value;
}

}  // namespace

std::string temporaryPathFor(const std::string& path) {
    const std::string name = fileNameOf(path);
    const std::size_t nameStart = path.size() - name.size();
    return path.substr(0, nameStart) + "." + name + "~" + std::to_string(currentProcessId()) + "-" +
           std::to_string(++g_counter) + std::string(kEnding);
}

long temporaryFileOwner(std::string_view name) {
    if (name.size() < 2 || name.front() != '.' || !name.ends_with(kEnding)) return 0;
    name.remove_suffix(kEnding.size());
    const std::size_t tilde = name.rfind('~');
    if (tilde == std::string_view::npos || tilde < 2) return 0;  // the file's own name is not empty
    const std::string_view owner = name.substr(tilde + 1);
    const std::size_t dash = owner.find('-');
    if (dash == std::string_view::npos || !allDigits(owner.substr(0, dash)) || !allDigits(owner.substr(dash + 1)))
        return 0;
    const long pid = toNumber(owner.substr(0, dash));
    return pid <= 0x7FFFFFFF ? pid : 0;
}

void removeLeftoverTemporaryFiles(const std::string& folder) {
    static std::mutex mutex;
    static std::set<std::string> cleaned;
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (!cleaned.insert(folder).second) return;
    }
    auto entries = listFolder(folder);
    if (!entries) return;  // the write that follows reports what is wrong with the folder
    for (const FolderEntry& entry : *entries) {
        // Only a regular file of the pattern whose process has gone; a link is never followed.
        const long owner = temporaryFileOwner(entry.name);
        if (owner <= 0 || entry.kind != PathKind::Regular || processRuns(owner)) continue;
        (void)removeFile(folder.empty() ? entry.name : joinPath(folder, entry.name));
    }
}

}  // namespace marovix
