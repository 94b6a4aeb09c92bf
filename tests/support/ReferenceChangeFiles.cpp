#include "tests/support/ReferenceChangeFiles.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "core/common/TextFile.h"

namespace marovix {
namespace {

std::string_view bytesAt(std::string_view line, std::size_t position, std::size_t length) {
    return position - 1 < line.size() ? line.substr(position - 1, length) : std::string_view{};
}

std::string weKey(std::string_view line) { return std::string(bytesAt(line, 12, 23)); }
std::string avKey(std::string_view line) {
    return std::string(bytesAt(line, 12, 16)) + "|" + std::string(bytesAt(line, 36, 2));
}
std::string tcKey(std::string_view line) { return std::string(bytesAt(line, 12, 16)); }

bool endsWith(const std::string& text, std::string_view tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

bool blank(const std::string& line) {
    return std::all_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) <= 0x20; });
}

}  // namespace

Status StoreChangeLine(const std::string& path, std::string_view record) {
    std::string (*key)(std::string_view) = nullptr;
    bool drop = true;
    if (endsWith(path, ".WE")) {
        key = weKey;
        drop = false;
    } else if (endsWith(path, ".AV")) {
        key = avKey;
    } else if (endsWith(path, ".TC")) {
        key = tcKey;
    } else {
        throw std::invalid_argument("not a change file: " + path);
    }
    if (record.size() >= 2 && record.substr(record.size() - 2) == "\r\n") record.remove_suffix(2);
    const std::string line(record);

    auto read = readRawLinesIfPresent(path);
    if (!read) return read.failure();
    std::vector<std::string> lines = std::move(*read);
    auto same = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) { return key(l) == key(line); });
    if (same != lines.end())
        *same = line;
    else
        lines.push_back(line);
    std::sort(lines.begin(), lines.end());
    if (drop && !lines.empty() && blank(lines.front())) lines.erase(lines.begin());
    return writeRawLines(path, lines);
}

}  // namespace marovix
