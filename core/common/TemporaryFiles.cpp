#include "core/common/TemporaryFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <mutex>
#include <set>

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

// Alive, or someone else's (no right to signal it): either way not a leftover.
bool processRuns(long pid) { return pid == ::getpid() || ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM; }

}  // namespace

std::string temporaryPathFor(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    return path.substr(0, nameStart) + "." + path.substr(nameStart) + "~" + std::to_string(::getpid()) + "-" +
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
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return;  // the write that follows reports what is wrong with the folder
    const int dirFd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const long owner = temporaryFileOwner(entry->d_name);
        if (owner <= 0 || processRuns(owner)) continue;
        struct stat st {};
        if (::fstatat(dirFd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode)) continue;
        ::unlinkat(dirFd, entry->d_name, 0);
    }
    ::closedir(dir);
}

}  // namespace marovix
