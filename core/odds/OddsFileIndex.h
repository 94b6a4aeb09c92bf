#pragma once
// The odds files of one meeting day (Data/<DayText>.jvO1 ... .jvO6), each read once and indexed by course
// code + race number, so that reading the odds of all 36 race slots reads every file once instead of
// scanning it again for every slot.
//
// An index is used only while its file is unchanged on disk (same device, inode, size, modification and
// change time); a real-time fetch that rewrites a file between two slot readings makes the next refresh
// read it again. A file read within two seconds of its last change is read again at every refresh, since a
// second change inside the file system's time granularity could leave its stamp as it was.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "core/common/SystemFiles.h"
#include "core/odds/OddsRecordLayout.h"

namespace marovix {

// The day's odds file of each kind, indexed by kindIndex(O1..O6).
using OddsFilePaths = std::array<std::string, kOddsKindCount>;

// The odds files of a day: `dataFolder` + "/" + DayText + ".jvO1" ... (DayText e.g. "2024年01月06日").
OddsFilePaths oddsDayFilePaths(std::string_view dataFolder, std::string_view dayText);

// What the odds file of a kind holds for one race.
struct OddsFileLookup {
    enum class Outcome {
        NoFile,        // the file does not exist
        NoRecord,      // no line has the race's course code and race number
        Found,         // `record` is the first such line
        FaultyRecord,  // the first such line is no sound record of the kind; `problem` says why
        Unreadable,    // the file exists but cannot be read; `problem` says why
    };
    Outcome outcome = Outcome::NoFile;
    std::string_view record;              // Found: the line without its CR LF, a view into `bytes`
    std::shared_ptr<const char[]> bytes;  // Found: the file's bytes as read; they live as long as someone holds them
    int line = -1;                        // Found, FaultyRecord: 0-based line index in the file
    std::string problem;                  // FaultyRecord, Unreadable: the file, the line and the fault
};

class OddsFileIndex {
public:
    explicit OddsFileIndex(OddsFilePaths paths);

    const OddsFilePaths& paths() const { return m_paths; }

    // Brings the kind's index up to date with the disk: looks at the file and reads and indexes it again
    // when it is new, changed, or was read too soon after a change to be trusted.
    void refresh(OddsKind kind);
    // All six kinds.
    void refreshAll();

    // The first line of the kind's file, as of its last refresh, whose course code (positions 20-21) and
    // race number (26-27) equal those of `race` (any record with a race key, normally the RA record). The
    // same line a reading of the file line by line from its start would meet first. A kind never
    // refreshed reads as NoFile.
    OddsFileLookup find(OddsKind kind, std::string_view race) const;

    // True when `bytes` are the kind's file bytes as last read (and so still the file on disk as of the last
    // refresh).
    bool isCurrent(OddsKind kind, const std::shared_ptr<const char[]>& bytes) const;

    // Forgets every index; the next refresh reads each file again.
    void forget();

    // Whole-file reads since the index was made.
    std::uint64_t diskReads() const { return m_diskReads; }

private:
    using FileStamp = PathStatus::Stamp;
    struct LineRef {
        std::size_t offset;
        std::size_t length;
        int index;
    };
    struct FileState {
        enum class State { Missing, Unreadable, Read } state = State::Missing;
        std::string error;
        std::shared_ptr<char[]> buffer;  // the file's bytes, shared with the lookups that found records in them
        std::size_t size = 0;
        std::string_view bytes() const { return {buffer.get(), size}; }
        std::unordered_map<std::string, LineRef> firstLine;  // by indexKey
        FileStamp stamp;
        bool trusted = false;
    };

    void read(FileState& file, const std::string& path);
    static std::string indexKey(std::string_view record);

    OddsFilePaths m_paths;
    std::array<FileState, kOddsKindCount> m_files;
    std::uint64_t m_diskReads = 0;
};

}  // namespace marovix
