#pragma once
// Reading back what the demo-data generator wrote: fixed-length records cut by byte position from the
// CP932 bytes, as the program itself reads them.
#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/common/Cp932.h"
#include "core/common/TextFile.h"
#include "core/race/RecordLayout.h"

namespace marovix::feedtest {

// The bytes of a field (1-based position).
inline std::string cut(const std::string& record, int position, int length) {
    return record.substr(static_cast<std::size_t>(position - 1), static_cast<std::size_t>(length));
}

// The field as a number; blanks or other text give 0, as the program's lenient parse does.
inline long long number(const std::string& record, int position, int length) {
    long long value = 0;
    bool digits = false;
    for (char c : cut(record, position, length)) {
        if (c == ' ') continue;
        if (c < '0' || c > '9') return 0;
        value = value * 10 + (c - '0');
        digits = true;
    }
    return digits ? value : 0;
}

// The field as UTF-8 text with full-width and half-width blanks trimmed at the end.
inline std::string text(const std::string& record, int position, int length) {
    std::string utf8 = cp932ToUtf8(cut(record, position, length));
    for (;;) {
        if (!utf8.empty() && utf8.back() == ' ')
            utf8.pop_back();
        else if (utf8.size() >= 3 && utf8.compare(utf8.size() - 3, 3, "\xE3\x80\x80") == 0)
            utf8.resize(utf8.size() - 3);
        else
            return utf8;
    }
}

// Splits a file's bytes into whole records (with their CR LF) by the length of each record's type.
// A record of an unknown type, a short record or one without CR LF at its end is reported in `problem`
// and ends the split.
inline std::vector<std::string> splitRecords(const std::string& bytes, std::string& problem) {
    std::vector<std::string> records;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const auto length = recordLength(bytes.substr(at, 2));
        if (!length) {
            problem = "unknown record type at byte " + std::to_string(at);
            break;
        }
        const auto size = static_cast<std::size_t>(*length);
        if (at + size > bytes.size() || bytes.compare(at + size - 2, 2, "\r\n") != 0) {
            problem = bytes.substr(at, 2) + " record at byte " + std::to_string(at) + " is not " +
                      std::to_string(size) + " bytes ending in CR LF";
            break;
        }
        records.push_back(bytes.substr(at, size));
        at += size;
    }
    return records;
}

inline std::vector<std::string> readRecords(const std::string& path) {
    auto bytes = readFileBytes(path);
    if (!bytes) return {};
    std::string problem;
    return splitRecords(*bytes, problem);
}

// Files below a folder, by path relative to it.
inline std::vector<std::string> filesBelow(const std::string& folder) {
    std::vector<std::string> files;
    if (!std::filesystem::exists(folder)) return files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (entry.is_regular_file()) files.push_back(std::filesystem::relative(entry.path(), folder).string());
    std::sort(files.begin(), files.end());
    return files;
}

// RaceKey16 of a record (positions 12-27).
inline std::string raceKey(const std::string& record) { return cut(record, 12, 16); }

}  // namespace marovix::feedtest
