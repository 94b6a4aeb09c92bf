#include "standins/jvlink/FeedJvLink.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <tuple>
#include <vector>

#include "core/common/DateTime.h"
#include "core/common/TextFile.h"
#include "core/race/RecordFields.h"
#include "standins/jvlink/FeedFileReader.h"
#include "standins/jvlink/FeedSettings.h"

namespace marovix {
namespace {

namespace fs = std::filesystem;

constexpr int kNothingNewer = -1;
constexpr int kFileEnds = -1;
constexpr int kDownloading = -3;
constexpr int kBadDataspec = -111;
constexpr int kBadFromTime = -112;
constexpr int kBadKey = -114;
constexpr int kBadOption = -115;
constexpr int kNotInitialised = -201;
constexpr int kStillOpen = -202;
constexpr int kNotOpened = -203;
constexpr int kFileMissing = -503;

constexpr std::size_t kStampLength = 14;
constexpr std::string_view kFeedExtension = ".jvf";

// The data IDs a stored-data dataspec is made of (four characters each).
constexpr std::string_view kStoredDataIds[] = {"RACE", "MING"};
constexpr int kStoredOptions[] = {1, 3};

// The real-time dataspecs and the lengths of their keys (DayKey8 or RaceKey16).
struct RealtimeDataspec {
    std::string_view dataspec;
    std::array<std::size_t, 2> keyLengths;
};
constexpr std::size_t kDayKey = IdField::dayKey8.length;
constexpr std::size_t kRaceKey = IdField::raceKey16.length;
constexpr RealtimeDataspec kRealtimeDataspecs[] = {
    {"0B30", {kRaceKey, kRaceKey}}, {"0B12", {kDayKey, kRaceKey}}, {"0B13", {kDayKey, kDayKey}},
    {"0B17", {kDayKey, kDayKey}},   {"0B14", {kDayKey, kDayKey}},
};

bool allDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool validStoredDataspec(std::string_view dataspec) {
    if (dataspec.empty() || dataspec.size() % 4 != 0) return false;
    std::vector<std::string_view> seen;
    for (std::size_t i = 0; i < dataspec.size(); i += 4) {
        auto id = dataspec.substr(i, 4);
        if (std::find(std::begin(kStoredDataIds), std::end(kStoredDataIds), id) == std::end(kStoredDataIds) ||
            std::find(seen.begin(), seen.end(), id) != seen.end())
            return false;
        seen.push_back(id);
    }
    return true;
}

const RealtimeDataspec* realtimeDataspec(std::string_view dataspec) {
    for (const auto& entry : kRealtimeDataspecs)
        if (entry.dataspec == dataspec) return &entry;
    return nullptr;
}

bool validKey(const RealtimeDataspec& entry, std::string_view key) {
    return allDigits(key) &&
           std::find(entry.keyLengths.begin(), entry.keyLengths.end(), key.size()) != entry.keyLengths.end();
}

struct FeedFile {
    std::string path;
    std::string name;
    std::string stamp;
    bool downloaded = false;
};

bool stampedName(std::string_view name) {
    return name.size() >= kStampLength && allDigits(name.substr(0, kStampLength)) && name.ends_with(kFeedExtension);
}

// A stored file: "yyyymmddhhnnss_" + any name + ".jvf".
bool storedFileName(std::string_view name) {
    return stampedName(name) && name.size() >= kStampLength + 1 + kFeedExtension.size() && name[kStampLength] == '_';
}

// A real-time snapshot: "yyyymmddhhnnss.jvf".
bool snapshotName(std::string_view name) {
    return stampedName(name) && name.size() == kStampLength + kFeedExtension.size();
}

// The files of a folder whose names pass `wanted`, ordered by stamp, then by name. A missing folder
// has none.
std::vector<FeedFile> listFeedFiles(const std::string& folder, bool (*wanted)(std::string_view)) {
    std::vector<FeedFile> files;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        std::error_code typeError;
        if (wanted(name) && it->is_regular_file(typeError))
            files.push_back({it->path().string(), name, name.substr(0, kStampLength)});
    }
    std::sort(files.begin(), files.end(), [](const FeedFile& a, const FeedFile& b) {
        return std::tie(a.stamp, a.name) < std::tie(b.stamp, b.name);
    });
    return files;
}

}  // namespace

// One open stream: the files it serves in order and how far the download and the reading are.
struct FeedJvLink::Stream {
    std::string dataspec;
    bool stored = false;
    std::vector<FeedFile> files;
    std::size_t nextFetch = 0;  // no file before this one is still to fetch
    int fetched = 0;            // files fetched by this stream's download
    std::size_t current = 0;    // the file being read
    std::unique_ptr<FeedFileReader> reader;
    bool cancelled = false;
};

FeedJvLink::FeedJvLink(const Clock& clock) : FeedJvLink(clock, FeedSettings::load().feedFolder) {}

FeedJvLink::FeedJvLink(const Clock& clock, std::string feedFolder)
    : m_clock(clock), m_feedFolder(std::move(feedFolder)) {}

FeedJvLink::~FeedJvLink() = default;

std::string FeedJvLink::feedPath(const std::string& tail) const {
    // No feed folder chosen yet: nothing to serve (and never the working folder).
    return m_feedFolder.empty() ? std::string() : joinPath(m_feedFolder, tail);
}

void FeedJvLink::reloadFaults() {
    auto text = readFileBytes(feedPath("faults.txt"));
    std::string current = text ? std::move(*text) : std::string();
    if (current == m_faultsText) return;
    m_faultsText = std::move(current);
    m_faults = FeedFaults::parse(m_faultsText);
}

std::optional<int> FeedJvLink::fault(std::string_view operation, std::string_view dataspec) {
    auto code = m_faults.failure(operation, dataspec);
    if (!code) m_faults.passed(operation, dataspec);
    return code;
}

int FeedJvLink::openAllowed() {
    if (!m_initialised) return kNotInitialised;
    if (m_stream && !m_stream->cancelled) return kStillOpen;
    m_stream.reset();
    return 0;
}

void FeedJvLink::startStream(std::unique_ptr<Stream> stream) {
    m_stream = std::move(stream);
    m_faults.restart("JVRead");
    m_faults.restart("JVStatus");
}

void FeedJvLink::fetch(Stream& stream, std::size_t file) {
    stream.files[file].downloaded = true;
    m_downloaded.insert(stream.files[file].path);
    ++stream.fetched;
}

int FeedJvLink::JVInit(const std::string& softwareId) {
    reloadFaults();
    if (softwareId.empty()) return -101;
    if (softwareId.size() >= 64) return -102;
    if (softwareId.front() == ' ') return -103;
    if (auto code = fault("JVInit", {})) return *code;
    m_initialised = true;
    return 0;
}

int FeedJvLink::JVSetUIProperties() {
    if (!m_initialised) return kNotInitialised;
    if (auto code = fault("JVSetUIProperties", {})) return *code;
    return m_settingsDialog ? m_settingsDialog(*this) : 0;
}

int FeedJvLink::JVOpen(const std::string& dataspec, const std::string& fromTime, int option, int& readCount,
                       int& downloadCount, std::string& lastFileTimestamp) {
    readCount = downloadCount = 0;
    lastFileTimestamp.clear();
    if (int refused = openAllowed()) return refused;
    if (!validStoredDataspec(dataspec)) return kBadDataspec;
    if (fromTime.size() != kStampLength || !DateTime::parseCompact(fromTime)) return kBadFromTime;
    if (std::find(std::begin(kStoredOptions), std::end(kStoredOptions), option) == std::end(kStoredOptions))
        return kBadOption;
    reloadFaults();
    if (auto code = fault("JVOpen", dataspec)) return *code;

    auto files = listFeedFiles(feedPath("stored"), storedFileName);
    // A file stamped after the clock does not exist yet: a replayed race day must not see the
    // results of races still to be run.
    const std::string now = m_clock.now().compactText();
    std::erase_if(files, [&](const FeedFile& f) { return f.stamp <= fromTime || f.stamp > now; });
    if (files.empty()) return kNothingNewer;

    auto stream = std::make_unique<Stream>();
    stream->dataspec = dataspec;
    stream->stored = true;
    for (auto& file : files) {
        file.downloaded = m_downloaded.contains(file.path);
        if (!file.downloaded) ++downloadCount;
    }
    readCount = static_cast<int>(files.size());
    lastFileTimestamp = files.back().stamp;
    stream->files = std::move(files);
    startStream(std::move(stream));
    return 0;
}

int FeedJvLink::JVStatus() {
    if (!m_initialised) return kNotInitialised;
    if (!m_stream || !m_stream->stored) return kNotOpened;
    if (auto code = fault("JVStatus", m_stream->dataspec)) return *code;
    Stream& stream = *m_stream;
    if (!stream.cancelled) {
        while (stream.nextFetch < stream.files.size() && stream.files[stream.nextFetch].downloaded) ++stream.nextFetch;
        if (stream.nextFetch < stream.files.size()) fetch(stream, stream.nextFetch);
    }
    return stream.fetched;
}

int FeedJvLink::JVRTOpen(const std::string& dataspec, const std::string& key) {
    if (int refused = openAllowed()) return refused;
    const RealtimeDataspec* entry = realtimeDataspec(dataspec);
    if (!entry) return kBadDataspec;
    if (!validKey(*entry, key)) return kBadKey;
    reloadFaults();
    if (auto code = fault("JVRTOpen", dataspec)) return *code;

    auto snapshots = listFeedFiles(feedPath("realtime/" + dataspec + "/" + key), snapshotName);
    std::string now = m_clock.now().compactText();
    std::erase_if(snapshots, [&](const FeedFile& f) { return f.stamp > now; });
    if (snapshots.empty()) return kNothingNewer;

    auto stream = std::make_unique<Stream>();
    stream->dataspec = dataspec;
    stream->files.push_back(std::move(snapshots.back()));
    stream->files.back().downloaded = true;
    startStream(std::move(stream));
    return 0;
}

int FeedJvLink::JVRead(std::string& record, int, std::string& fileName) {
    if (!m_initialised) return kNotInitialised;
    if (!m_stream) return kNotOpened;
    Stream& stream = *m_stream;
    if (auto code = m_faults.failure("JVRead", stream.dataspec)) return *code;
    if (stream.cancelled || stream.current >= stream.files.size()) return 0;

    FeedFile& file = stream.files[stream.current];
    fileName = file.name;
    if (!stream.reader) {
        if (!file.downloaded) {
            fetch(stream, stream.current);
            return kDownloading;
        }
        stream.reader = std::make_unique<FeedFileReader>(file.path);
        if (!stream.reader->isOpen()) {
            stream.reader.reset();
            return kFileMissing;
        }
    }
    if (stream.reader->next(record)) {
        m_faults.passed("JVRead", stream.dataspec);
        return static_cast<int>(record.size());
    }
    stream.reader.reset();
    ++stream.current;
    return kFileEnds;
}

int FeedJvLink::JVCancel() {
    if (!m_initialised) return kNotInitialised;
    if (auto code = fault("JVCancel", m_stream ? m_stream->dataspec : std::string())) return *code;
    if (m_stream) {
        m_stream->cancelled = true;
        m_stream->reader.reset();
    }
    return 0;
}

int FeedJvLink::JVClose() {
    if (!m_initialised) return kNotInitialised;
    auto code = fault("JVClose", m_stream ? m_stream->dataspec : std::string());
    m_stream.reset();
    return code.value_or(0);
}

}  // namespace marovix
