#pragma once
// Stores records into day data files (see DayDataFile.h) for a long run of stores, such as a download:
// every store still saves its whole file at once (temporary file + rename), so an interrupted run leaves
// complete files, but the lines of recently written files are kept in memory instead of being read back
// from disk for every record.
//
// A kept copy is used only while the file on disk is still the one this store wrote (same device, inode,
// size and modification time); a file changed by anyone else is read again. Any failure forgets the file.
#include <cstdint>
#include <list>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/Result.h"

namespace marovix {

class DayFileStore {
public:
    // Keeps the lines of up to `cachedFiles` files (least recently used dropped first); 0 keeps none and
    // reads every file from disk on each store.
    explicit DayFileStore(std::size_t cachedFiles = 32);

    // StoreRecordLine (DayDataFile.h) through the kept lines.
    Status storeRecordLine(const std::string& path, std::string_view record, bool dropEmptyFirstLine);
    // StoreRunnerLine (DayDataFile.h) through the kept lines.
    Status storeRunnerLine(const std::string& path, std::string_view seRecord);
    // Forgets every kept file.
    void forget();

    // Bytes written to day files (whole-file saves) since the store was made.
    std::uint64_t bytesWritten() const { return m_bytesWritten; }
    // Whole-file saves and reads from disk since the store was made.
    std::uint64_t saves() const { return m_saves; }
    std::uint64_t diskReads() const { return m_diskReads; }

private:
    struct FileStamp {
        std::uint64_t device = 0, inode = 0, size = 0;
        std::int64_t mtimeSec = 0, mtimeNsec = 0;
        bool operator==(const FileStamp&) const = default;
    };
    struct Entry {
        std::string path;
        std::vector<std::string> lines;
        FileStamp stamp;
    };

    // The file's lines: the kept ones when still valid, else read from disk (none when missing). The entry
    // comes first in the list afterwards.
    Result<Entry*> load(const std::string& path);
    // Saves the entry's lines and keeps the new stamp; on failure forgets the entry.
    Status save(Entry& entry);
    void drop(const std::string& path);

    std::size_t m_capacity;
    std::list<Entry> m_entries;  // most recently used first
    std::string m_buffer;        // the bytes of the file being saved, reused
    std::uint64_t m_bytesWritten = 0;
    std::uint64_t m_saves = 0;
    std::uint64_t m_diskReads = 0;
};

}  // namespace marovix
