#pragma once
// Reads one file of the feed record by record; only the record in hand is held in memory.
#include <cstdio>
#include <string>

namespace marovix {

class FeedFileReader {
public:
    // Opens the file; isOpen() tells whether that worked.
    explicit FeedFileReader(const std::string& path);
    ~FeedFileReader();
    FeedFileReader(const FeedFileReader&) = delete;
    FeedFileReader& operator=(const FeedFileReader&) = delete;

    bool isOpen() const { return m_file != nullptr; }
    // The next record: the line's bytes unchanged, ending in CR LF (added when the line lacks it, as the
    // last line of a file without a final line end). Empty lines are skipped. False at the end.
    bool next(std::string& record);

private:
    std::FILE* m_file = nullptr;
    char* m_buffer = nullptr;
    std::size_t m_capacity = 0;
};

}  // namespace marovix
