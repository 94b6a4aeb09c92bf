#include "core/jv/DayFileStore.h"

#include <sys/stat.h>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "core/common/TextFile.h"
#include "core/jv/DayDataFile.h"

namespace marovix {

DayFileStore::DayFileStore(std::size_t cachedFiles) : m_capacity(cachedFiles) {}

void DayFileStore::forget() { m_entries.clear(); }

void DayFileStore::drop(const std::string& path) {
    m_entries.remove_if([&path](const Entry& e) { return e.path == path; });
}

Result<DayFileStore::Entry*> DayFileStore::load(const std::string& path) {
    auto kept = std::find_if(m_entries.begin(), m_entries.end(), [&path](const Entry& e) { return e.path == path; });
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (errno != ENOENT) return Error{path + ": " + std::strerror(errno)};
        // A missing file holds no lines, whatever was kept for it.
        if (kept != m_entries.end()) m_entries.erase(kept);
        m_entries.push_front(Entry{path, {}, {}});
        return &m_entries.front();
    }
    FileStamp stamp{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
                    static_cast<std::uint64_t>(st.st_size), st.st_mtim.tv_sec, st.st_mtim.tv_nsec};
    if (kept != m_entries.end() && kept->stamp == stamp) {
        m_entries.splice(m_entries.begin(), m_entries, kept);
        return &m_entries.front();
    }
    if (kept != m_entries.end()) m_entries.erase(kept);
    auto lines = readRawLines(path);
    ++m_diskReads;
    if (!lines) return Error{lines.error()};
    m_entries.push_front(Entry{path, std::move(*lines), stamp});
    return &m_entries.front();
}

Status DayFileStore::save(Entry& entry) {
    const std::string path = entry.path;  // a failure drops the entry itself
    m_buffer.clear();
    std::size_t total = 0;
    for (const auto& line : entry.lines) total += line.size() + 2;
    m_buffer.reserve(total);
    for (const auto& line : entry.lines) {
        m_buffer += line;
        m_buffer += "\r\n";
    }
    Status status = replaceFile(path, m_buffer);
    if (!status) {
        drop(path);
        return status;
    }
    m_bytesWritten += m_buffer.size();
    ++m_saves;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        drop(path);  // written, but cannot be recognised again: read it next time
    } else {
        entry.stamp = FileStamp{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
                                static_cast<std::uint64_t>(st.st_size), st.st_mtim.tv_sec, st.st_mtim.tv_nsec};
    }
    while (m_entries.size() > m_capacity) m_entries.pop_back();
    return Status::success();
}

Status DayFileStore::storeRecordLine(const std::string& path, std::string_view record, bool dropEmptyFirstLine) {
    auto entry = load(path);
    if (!entry) return Status(Error{entry.error()});
    upsertRecordLine((*entry)->lines, recordLine(record), dropEmptyFirstLine);
    return save(**entry);
}

Status DayFileStore::storeRunnerLine(const std::string& path, std::string_view seRecord) {
    std::optional<int> index = runnerLineIndex(seRecord);
    if (!index) return Error{path + ": the runner record has no line (race or horse number out of range)"};
    auto entry = load(path);
    if (!entry) return Status(Error{entry.error()});
    placeRunnerLine((*entry)->lines, *index, recordLine(seRecord));
    return save(**entry);
}

}  // namespace marovix
