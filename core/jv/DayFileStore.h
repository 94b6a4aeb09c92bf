#pragma once
// Stores a stream of records into day data files (DayDataFile.h), such as a download or a real-time
// fetch: the files it changes are held in memory and each is saved once, when the caller says so (when
// the JV-Link stream ends a file, at the end of the data, on a cancel or an error, and before anything
// else reads the file). A save writes byte for byte what StoreRecordLine / StoreRunnerLine would have
// left after the same records one by one: the same lines in the same order, the same empty-first-line
// rule, the runner file's 216 fixed lines.
//
// A sorted file is keyed by the key function its records are stored with (core/race/LineKeys.h): the race
// key (positions 12-27) for the day data files, their own keys for the change files (WE, AV, TC).
//
// A held sorted file keeps its lines unsorted with an index from key to line, so a record replaces its
// key's line or is added without a scan; the lines are sorted once, at the save, and the empty first
// lines that the record-by-record method would have dropped, one per record, are dropped then. A file or
// record for which that could come out differently (blank lines beside lines that begin with a control
// character, a record that begins with one or has a blank key) is updated in memory record by record as
// StoreRecordLine does, and still saved once.
//
// A save replaces the file whole (a temporary file, then a rename). A save that fails lets the held file
// go with its changes and leaves the file on disk as it was; the failure is returned. Held changes are
// never saved by the destructor: whoever stores saves.
//
// Memory: the lines of the held files. When they pass `memoryLimit` bytes, every held file is saved and
// let go before the store returns (a file saved more often still ends as the record-by-record method
// leaves it).
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/common/Result.h"
#include "core/race/LineKeys.h"

namespace marovix {

class DayFileStore {
public:
    static constexpr std::size_t kDefaultMemoryLimit = std::size_t{64} << 20;

    explicit DayFileStore(std::size_t memoryLimit = kDefaultMemoryLimit);
    ~DayFileStore();
    DayFileStore(const DayFileStore&) = delete;
    DayFileStore& operator=(const DayFileStore&) = delete;

    // StoreRecordLine (DayDataFile.h) with the file's `key` into the held copy of the file, which is read
    // from disk first when it is not held (a missing file holds no lines). Fails when the file cannot be
    // read, or when a save made for the memory limit fails.
    Status storeRecordLine(const std::string& path, std::string_view record, bool dropEmptyFirstLine,
                           LineKey key = raceLineKey);
    // StoreRunnerLine (DayDataFile.h) into the held copy of the runner file. Fails without a change when
    // the record's race or horse number has no line.
    Status storeRunnerLine(const std::string& path, std::string_view seRecord);

    // The file is held, or exists on disk: for the stores that only update a file the download made.
    bool exists(const std::string& path) const;
    // Saves the held file `path` (if held) and lets it go.
    Status save(const std::string& path);
    // Saves every held file, each once, and lets them go. Every file is tried; the first failure is
    // returned.
    Status saveAll();
    // Lets every held file go unsaved.
    void discard();

    std::size_t filesHeld() const { return m_files.size(); }
    // Bytes of the lines held now, and the most held at once since the store was made.
    std::size_t bytesHeld() const { return m_bytesHeld; }
    std::size_t peakBytesHeld() const { return m_peakBytesHeld; }
    // Bytes written by saves, saves made and files read from disk since the store was made.
    std::uint64_t bytesWritten() const { return m_bytesWritten; }
    std::uint64_t saves() const { return m_saves; }
    std::uint64_t diskReads() const { return m_diskReads; }

private:
    struct HeldFile {
        std::vector<std::string> lines;
        std::size_t bytes = 0;  // of the lines
        // The lines are a set awaiting the sort, and the drop of up to `drops` empty first lines; `index`
        // finds the lines of a key. Otherwise the lines are exactly what the file would hold now.
        bool deferred = false;
        bool storedSinceDeferred = false;  // a record went in since: the lines count as sorted
        std::size_t drops = 0;
        LineKey key = nullptr;  // of `index`
        std::unordered_map<std::string, std::vector<std::size_t>> index;
    };

    Result<HeldFile*> hold(const std::string& path);
    // Brings a deferred file's lines to what the file would hold now (sorted, empty first lines dropped).
    void settle(HeldFile& file);
    // Starts keeping the lines deferred, indexed by `key`; false (lines unchanged) when that could differ
    // from the record-by-record method.
    static bool defer(HeldFile& file, LineKey key);
    void storeDeferred(HeldFile& file, std::string line, bool dropEmptyFirstLine);
    void setBytes(HeldFile& file, std::size_t bytes);
    Status saveHeld(const std::string& path, HeldFile& file);
    Status keepWithinLimit();

    std::size_t m_memoryLimit;
    std::map<std::string, HeldFile> m_files;  // by path; saved in path order
    std::string m_buffer;                     // the bytes of the file being saved, reused
    std::size_t m_bytesHeld = 0;
    std::size_t m_peakBytesHeld = 0;
    std::uint64_t m_bytesWritten = 0;
    std::uint64_t m_saves = 0;
    std::uint64_t m_diskReads = 0;
};

}  // namespace marovix
