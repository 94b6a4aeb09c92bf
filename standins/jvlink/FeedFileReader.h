#pragma once
// Reads one file of the feed record by record; only the record in hand is held in memory, and a line
// longer than any record is passed over without being held.
#include <cstddef>
#include <optional>
#include <string>

#include "core/common/SystemFiles.h"

namespace marovix {

class FeedFileReader {
public:
    // The longest record a stream delivers (H6, with its CR LF).
    static constexpr std::size_t kLongestRecord = 102890;

    // Opens the file; isOpen() tells whether that worked. A path that is not a regular file (a FIFO, a
    // folder) is not opened.
    explicit FeedFileReader(const std::string& path);
    ~FeedFileReader();
    FeedFileReader(const FeedFileReader&) = delete;
    FeedFileReader& operator=(const FeedFileReader&) = delete;

    bool isOpen() const { return m_file.has_value(); }
    // Why the file could not be opened (the system's text); empty when it is open.
    const std::string& openError() const { return m_openError; }

    enum class Next {
        Record,   // the next record is in `record`
        TooLong,  // the next line would make a record longer than kLongestRecord: passed over
        End,      // no more lines (or the file cannot be read)
    };
    // The next record: the line's bytes unchanged, ending in CR LF (added when the line lacks it, as the
    // last line of a file without a final line end). Empty lines are skipped.
    Next next(std::string& record);
    // The number (from 1) of the line last returned or passed over.
    long lineNumber() const { return m_line; }

private:
    // Refills the buffer; false at the end of the file or on an error.
    bool fill();

    std::optional<SystemFile> m_file;
    std::string m_openError;
    char* m_buffer = nullptr;
    std::size_t m_begin = 0;  // unread bytes are m_buffer[m_begin, m_end)
    std::size_t m_end = 0;
    long m_line = 0;
};

}  // namespace marovix
