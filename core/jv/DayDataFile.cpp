#include "core/jv/DayDataFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "core/common/FileFaults.h"
#include "core/common/SystemFiles.h"
#include "core/common/TextFile.h"
#include "core/race/JvRecord.h"
#include "core/race/RecordFields.h"
#include "core/race/RunnerFile.h"

namespace marovix {
namespace {

constexpr RecordField kZeroed = IdField::kindAndCreationDate;  // positions 3-11
constexpr std::size_t kZeroFrom = kZeroed.position - 1;
constexpr std::size_t kZeroLength = kZeroed.length;

}  // namespace

bool isEmptyLine(std::string_view line) {
    // What a trim leaves empty: blanks and control characters only.
    return std::all_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) <= 0x20; });
}

std::string recordLine(std::string_view record) {
    if (record.size() >= 2 && record.substr(record.size() - 2) == "\r\n") record.remove_suffix(2);
    return std::string(record);
}

void zeroDataKind(std::string& line) {
    if (line.size() < kZeroFrom + kZeroLength) line.resize(kZeroFrom + kZeroLength, ' ');
    line.replace(kZeroFrom, kZeroLength, kZeroLength, '0');
}

void upsertRecordLine(std::vector<std::string>& lines, std::string line, bool dropEmptyFirstLine, LineKey key) {
    const std::string lineKey = key(line);
    auto same = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) { return key(l) == lineKey; });
    if (same != lines.end())
        *same = std::move(line);
    else
        lines.push_back(std::move(line));
    // Byte order (std::string compares as unsigned char), the order of the CP932 text.
    std::sort(lines.begin(), lines.end());
    if (dropEmptyFirstLine && !lines.empty() && isEmptyLine(lines.front())) lines.erase(lines.begin());
}

void placeRunnerLine(std::vector<std::string>& lines, int index, std::string line) {
    if (lines.size() < static_cast<std::size_t>(kRunnerFileLines))
        lines.resize(kRunnerFileLines, std::string(kRunnerLineLength, ' '));
    lines[static_cast<std::size_t>(index)] = std::move(line);
}

Result<std::vector<std::string>> readDayFileLines(const std::string& path) {
    auto status = pathStatus(path);
    if (!status) return status.failure();
    if (status->kind == PathKind::Missing) return std::vector<std::string>{};
    return readRawLines(path);
}

Status StoreRecordLine(const std::string& path, std::string_view record, bool dropEmptyFirstLine, LineKey key) {
    auto lines = readDayFileLines(path);
    if (!lines) return Error{lines.error()};
    upsertRecordLine(*lines, recordLine(record), dropEmptyFirstLine, key);
    return writeRawLines(path, *lines);
}

Status StoreRunnerLine(const std::string& path, std::string_view seRecord) {
    std::optional<int> index = runnerLineIndex(seRecord);
    if (!index) return Error{runnerLineFault(path)};
    auto lines = readDayFileLines(path);
    if (!lines) return Error{lines.error()};
    placeRunnerLine(*lines, *index, recordLine(seRecord));
    return writeRawLines(path, *lines);
}

}  // namespace marovix
