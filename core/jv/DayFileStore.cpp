#include "core/jv/DayFileStore.h"

#include <algorithm>
#include <optional>

#include "core/common/SystemFiles.h"
#include "core/common/TextFile.h"
#include "core/jv/DayDataFile.h"
#include "core/race/RunnerFile.h"

namespace marovix {
namespace {

bool beginsAboveBlank(std::string_view line) {
    return !line.empty() && static_cast<unsigned char>(line.front()) > 0x20;
}

// A line the deferred lines can take: it sorts after every empty line (its first byte is above the
// blank), and its key is no key of an empty line (a key is made of bytes of its line, so that of an empty
// line is empty or blank), so no record ever replaces an empty line. Then the empty lines stay the first
// lines throughout, and each store that drops removes one of them.
bool deferrable(std::string_view line, LineKey key) { return beginsAboveBlank(line) && !isEmptyLine(key(line)); }

std::size_t bytesOf(const std::vector<std::string>& lines) {
    std::size_t bytes = 0;
    for (const auto& line : lines) bytes += line.size();
    return bytes;
}

}  // namespace

DayFileStore::DayFileStore(std::size_t memoryLimit) : m_memoryLimit(memoryLimit) {}

DayFileStore::~DayFileStore() = default;

void DayFileStore::setBytes(HeldFile& file, std::size_t bytes) {
    m_bytesHeld = m_bytesHeld - file.bytes + bytes;
    file.bytes = bytes;
    m_peakBytesHeld = std::max(m_peakBytesHeld, m_bytesHeld);
}

Result<DayFileStore::HeldFile*> DayFileStore::hold(const std::string& path) {
    if (auto held = m_files.find(path); held != m_files.end()) return &held->second;
    auto lines = readDayFileLines(path);
    ++m_diskReads;
    if (!lines) return Error{lines.error()};
    HeldFile& file = m_files[path];
    file.lines = std::move(*lines);
    setBytes(file, bytesOf(file.lines));
    return &file;
}

bool DayFileStore::defer(HeldFile& file, LineKey key) {
    // An empty line sorts before every other line unless that line begins with a control character.
    bool empty = false, beginsLow = false;
    for (const auto& line : file.lines) {
        if (isEmptyLine(line))
            empty = true;
        else if (!beginsAboveBlank(line))
            beginsLow = true;
    }
    if (empty && beginsLow) return false;
    file.index.clear();
    for (std::size_t i = 0; i < file.lines.size(); ++i) file.index[key(file.lines[i])].push_back(i);
    file.key = key;
    file.deferred = true;
    file.storedSinceDeferred = false;
    file.drops = 0;
    return true;
}

void DayFileStore::storeDeferred(HeldFile& file, std::string line, bool dropEmptyFirstLine) {
    std::vector<std::size_t>& same = file.index[file.key(line)];
    std::size_t bytes = file.bytes + line.size();
    if (same.empty()) {
        same.push_back(file.lines.size());
        file.lines.push_back(std::move(line));
    } else {
        // The first line of the key in the file's order: the order the lines had while no record went in
        // (the indexes ascend), the sorted order afterwards. A key has more than one line only in a file
        // made by someone else.
        std::size_t first = same.front();
        if (file.storedSinceDeferred)
            for (std::size_t i : same)
                if (file.lines[i] < file.lines[first]) first = i;
        bytes -= file.lines[first].size();
        file.lines[first] = std::move(line);
    }
    if (dropEmptyFirstLine) ++file.drops;
    file.storedSinceDeferred = true;
    setBytes(file, bytes);
}

void DayFileStore::settle(HeldFile& file) {
    if (!file.deferred) return;
    if (file.storedSinceDeferred) {
        // Byte order (std::string compares as unsigned char), as upsertRecordLine sorts.
        std::sort(file.lines.begin(), file.lines.end());
        std::size_t dropped = 0;
        while (dropped < file.drops && dropped < file.lines.size() && isEmptyLine(file.lines[dropped])) ++dropped;
        file.lines.erase(file.lines.begin(), file.lines.begin() + static_cast<std::ptrdiff_t>(dropped));
    }
    file.deferred = false;
    file.storedSinceDeferred = false;
    file.drops = 0;
    file.key = nullptr;
    file.index.clear();
    setBytes(file, bytesOf(file.lines));
}

Status DayFileStore::storeRecordLine(const std::string& path, std::string_view record, bool dropEmptyFirstLine,
                                     LineKey key) {
    auto held = hold(path);
    if (!held) return Error{held.error()};
    HeldFile& file = **held;
    // The index holds one key's lines: a file stored into with another key starts again from its lines.
    if (file.deferred && file.key != key) settle(file);
    std::string line = recordLine(record);
    if (deferrable(line, key) && (file.deferred || defer(file, key))) {
        storeDeferred(file, std::move(line), dropEmptyFirstLine);
    } else {
        settle(file);
        upsertRecordLine(file.lines, std::move(line), dropEmptyFirstLine, key);
        setBytes(file, bytesOf(file.lines));
    }
    return keepWithinLimit();
}

Status DayFileStore::storeRunnerLine(const std::string& path, std::string_view seRecord) {
    std::optional<int> index = runnerLineIndex(seRecord);
    if (!index) return Error{runnerLineFault(path)};
    auto held = hold(path);
    if (!held) return Error{held.error()};
    HeldFile& file = **held;
    settle(file);
    placeRunnerLine(file.lines, *index, recordLine(seRecord));
    setBytes(file, bytesOf(file.lines));
    return keepWithinLimit();
}

bool DayFileStore::exists(const std::string& path) const {
    if (m_files.count(path) != 0) return true;
    auto status = pathStatus(path);
    return status && status->kind != PathKind::Missing;
}

Status DayFileStore::saveHeld(const std::string& path, HeldFile& file) {
    settle(file);
    m_buffer.clear();
    m_buffer.reserve(file.bytes + 2 * file.lines.size());
    for (const auto& line : file.lines) {
        m_buffer += line;
        m_buffer += "\r\n";
    }
    Status status = replaceFile(path, m_buffer);
    if (status) {
        m_bytesWritten += m_buffer.size();
        ++m_saves;
    }
    setBytes(file, 0);
    return status;
}

Status DayFileStore::save(const std::string& path) {
    auto held = m_files.find(path);
    if (held == m_files.end()) return Status::success();
    Status status = saveHeld(path, held->second);
    m_files.erase(held);
    return status;
}

Status DayFileStore::saveAll() {
    Status first;
    for (auto& [path, file] : m_files)
        if (Status status = saveHeld(path, file); !status && first) first = status;
    m_files.clear();
    return first;
}

void DayFileStore::discard() {
    m_files.clear();
    m_bytesHeld = 0;
}

Status DayFileStore::keepWithinLimit() { return m_bytesHeld > m_memoryLimit ? saveAll() : Status::success(); }

}  // namespace marovix
