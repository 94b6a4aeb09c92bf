#include "core/jv/DayDataFile.h"

#include <algorithm>

#include "core/jv/DayFileStore.h"
#include "core/race/JvRecord.h"
#include "core/race/RecordFields.h"
#include "core/race/RecordKeys.h"

namespace marovix {
namespace {

constexpr RecordField kZeroed = IdField::kindAndCreationDate;  // positions 3-11
constexpr std::size_t kZeroFrom = kZeroed.position - 1;
constexpr std::size_t kZeroLength = kZeroed.length;

// Empty or only blanks and control characters: what a trimmed line leaves empty.
bool trimsToEmpty(std::string_view line) {
    return std::all_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) <= 0x20; });
}

}  // namespace

std::string recordLine(std::string_view record) {
    if (record.size() >= 2 && record.substr(record.size() - 2) == "\r\n") record.remove_suffix(2);
    return std::string(record);
}

void zeroDataKind(std::string& line) {
    if (line.size() < kZeroFrom + kZeroLength) line.resize(kZeroFrom + kZeroLength, ' ');
    line.replace(kZeroFrom, kZeroLength, kZeroLength, '0');
}

void upsertRecordLine(std::vector<std::string>& lines, std::string line, bool dropEmptyFirstLine) {
    const std::string_view key = RaceKey16(line);
    auto same = std::find_if(lines.begin(), lines.end(), [key](const std::string& l) { return RaceKey16(l) == key; });
    if (same != lines.end())
        *same = std::move(line);
    else
        lines.push_back(std::move(line));
    // Byte order (std::string compares as unsigned char), the order of the CP932 text.
    std::sort(lines.begin(), lines.end());
    if (dropEmptyFirstLine && !lines.empty() && trimsToEmpty(lines.front())) lines.erase(lines.begin());
}

void placeRunnerLine(std::vector<std::string>& lines, int index, std::string line) {
    if (lines.size() < static_cast<std::size_t>(kRunnerFileLines))
        lines.resize(kRunnerFileLines, std::string(kRunnerLineLength, ' '));
    lines[static_cast<std::size_t>(index)] = std::move(line);
}

Status StoreRecordLine(const std::string& path, std::string_view record, bool dropEmptyFirstLine) {
    return DayFileStore(0).storeRecordLine(path, record, dropEmptyFirstLine);
}

Status StoreRunnerLine(const std::string& path, std::string_view seRecord) {
    return DayFileStore(0).storeRunnerLine(path, seRecord);
}

}  // namespace marovix
