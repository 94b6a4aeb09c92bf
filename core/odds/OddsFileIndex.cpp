#include "core/odds/OddsFileIndex.h"

#include <chrono>
#include <cstring>
#include <memory>

#include "core/common/FileFaults.h"
#include "core/common/TextFile.h"
#include "core/race/JvRecord.h"

namespace marovix {
namespace {

// Whole seconds between a file's last change and its reading after which a later change is sure to give
// it another stamp (time stamps of file systems advance in steps of a clock tick).
constexpr std::int64_t kTrustedAge = 2;

// Whether the file, as its status shows it now, can be told apart from a later change by its stamp alone.
bool oldEnough(const PathStatus& status) {
    const std::int64_t now =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch()).count();
    return now - status.modifiedSeconds >= kTrustedAge;
}

}  // namespace

OddsFilePaths oddsDayFilePaths(std::string_view dataFolder, std::string_view dayText) {
    OddsFilePaths paths;
    for (const auto& layout : kOddsKindLayouts)
        paths[kindIndex(layout.kind)] = joinPath(dataFolder, std::string(dayText) + std::string(layout.extension));
    return paths;
}

OddsFileIndex::OddsFileIndex(OddsFilePaths paths) : m_paths(std::move(paths)) {}

std::string OddsFileIndex::indexKey(std::string_view record) {
    // Course code and race number are compared field by field, so a field cut short at a NUL byte must
    // not join with its neighbour: the course field's length leads the key.
    const std::string_view course =
        fieldText(record, OddsKeyFields::CourseCode.position, OddsKeyFields::CourseCode.width);
    const std::string_view race =
        fieldText(record, OddsKeyFields::RaceNumber.position, OddsKeyFields::RaceNumber.width);
    std::string key(1, static_cast<char>(course.size()));
    key += course;
    key += race;
    return key;
}

void OddsFileIndex::refresh(OddsKind kind) {
    FileState& file = m_files[kindIndex(kind)];
    const std::string& path = m_paths[kindIndex(kind)];
    auto status = pathStatus(path);
    if (!status || status->kind == PathKind::Missing) {
        const bool missing = status || status.errorKind() == ErrorKind::NotFound;
        file = FileState{};
        if (!missing) {
            file.state = FileState::State::Unreadable;
            file.error = status.error();
        }
        return;
    }
    const FileStamp stamp = status->stamp;
    if (file.state == FileState::State::Read && file.trusted && file.stamp == stamp) return;
    read(file, path);
}

void OddsFileIndex::refreshAll() {
    for (OddsKind kind : kAllOddsKinds) refresh(kind);
}

void OddsFileIndex::read(FileState& file, const std::string& path) {
    file = FileState{};
    ++m_diskReads;
    auto opened = SystemFile::open(path, SystemFile::Mode::Read);
    auto status = opened ? opened->status() : Result<PathStatus>(opened.failure());
    if (!status) {
        file.state = FileState::State::Unreadable;
        file.error = status.error();
        return;
    }
    // The stamp of the very file read, so a replacement after this moment is noticed.
    file.stamp = status->stamp;
    file.trusted = oldEnough(*status);
    // One byte more than the file's size shows a file that grew meanwhile.
    std::size_t capacity = static_cast<std::size_t>(status->size) + 1;
    file.buffer = std::shared_ptr<char[]>(new char[capacity]);  // not initialised: the file's bytes fill it
    std::size_t filled = 0;
    for (;;) {
        if (filled == capacity) {
            std::shared_ptr<char[]> larger(new char[capacity * 2]);
            std::memcpy(larger.get(), file.buffer.get(), filled);
            file.buffer = std::move(larger);
            capacity *= 2;
        }
        const auto n = opened->read(file.buffer.get() + filled, capacity - filled);
        if (!n) {
            file = FileState{};
            file.state = FileState::State::Unreadable;
            file.error = n.error();
            return;
        }
        if (*n == 0) break;
        filled += *n;
    }
    (void)opened->close();
    file.size = filled;
    file.state = FileState::State::Read;

    // Lines as readRawLines splits them: at LF, a CR before it dropped, a last line without LF kept.
    const std::string_view all = file.bytes();
    std::size_t start = 0;
    int index = 0;
    while (start < all.size()) {
        std::size_t end = all.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? all.size() : end + 1;
        if (end == std::string_view::npos)
            end = all.size();
        else if (end > start && all[end - 1] == '\r')
            --end;
        const std::string_view line = all.substr(start, end - start);
        file.firstLine.try_emplace(indexKey(line), LineRef{start, line.size(), index});
        ++index;
        start = next;
    }
}

OddsFileLookup OddsFileIndex::find(OddsKind kind, std::string_view race) const {
    const FileState& file = m_files[kindIndex(kind)];
    OddsFileLookup lookup;
    switch (file.state) {
        case FileState::State::Missing: lookup.outcome = OddsFileLookup::Outcome::NoFile; return lookup;
        case FileState::State::Unreadable:
            lookup.outcome = OddsFileLookup::Outcome::Unreadable;
            lookup.problem = file.error;
            return lookup;
        case FileState::State::Read: break;
    }
    const auto found = file.firstLine.find(indexKey(race));
    if (found == file.firstLine.end()) {
        lookup.outcome = OddsFileLookup::Outcome::NoRecord;
        return lookup;
    }
    const LineRef& ref = found->second;
    const std::string_view line = file.bytes().substr(ref.offset, ref.length);
    lookup.line = ref.index;
    const auto sound = checkRecord(line, oddsKindLayout(kind).type);
    if (!sound.ok()) {
        lookup.outcome = OddsFileLookup::Outcome::FaultyRecord;
        lookup.problem = fileLineFault(m_paths[kindIndex(kind)], static_cast<std::size_t>(ref.index), sound.error());
        return lookup;
    }
    lookup.outcome = OddsFileLookup::Outcome::Found;
    lookup.record = line;
    lookup.bytes = file.buffer;
    return lookup;
}

bool OddsFileIndex::isCurrent(OddsKind kind, const std::shared_ptr<const char[]>& bytes) const {
    const FileState& file = m_files[kindIndex(kind)];
    return file.state == FileState::State::Read && bytes && bytes.get() == file.buffer.get();
}

void OddsFileIndex::forget() {
    for (auto& file : m_files) file = FileState{};
}

}  // namespace marovix
