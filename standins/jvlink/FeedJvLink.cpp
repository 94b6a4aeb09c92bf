#include "standins/jvlink/FeedJvLink.h"

#include <algorithm>
#include <vector>

#include "core/common/DateTime.h"
#include "core/common/TextFile.h"
#include "core/race/RecordFields.h"
#include "standins/jvlink/FeedFileReader.h"
#include "standins/jvlink/FeedLayout.h"
#include "standins/jvlink/FeedSettings.h"

namespace marovix {
namespace {

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
constexpr int kFileCorrupt = -403;
constexpr int kFileMissing = -503;

constexpr std::size_t kStampLength = 14;
constexpr int kStoredOptions[] = {1, 3};

// A listed file of an open stream and whether this run of the component has "downloaded" it.
struct FeedFile : feedlayout::ListedFile {
    bool downloaded = false;
};

std::vector<FeedFile> feedFiles(std::vector<feedlayout::ListedFile> listed) {
    std::vector<FeedFile> files;
    files.reserve(listed.size());
    for (auto& file : listed) files.push_back({std::move(file), false});
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

void FeedJvLink::reportProblems(const std::vector<std::string>& problems) {
    for (const auto& problem : problems) {
        if (!m_reported.insert(problem).second) continue;
        m_problems.push_back(problem);
        if (m_problemReporter) m_problemReporter(problem);
    }
}

bool FeedJvLink::checkFeed() {
    const std::vector<std::string> folderProblems = feedlayout::feedFolderProblems(m_feedFolder);
    feedlayout::FaultsText text;
    if (folderProblems.empty()) {
        text = feedlayout::readFaultsFile(feedPath("faults.txt"));
    } else {
        reportProblems(folderProblems);
    }
    if (!text.problem.empty()) reportProblems({text.problem});
    if (text.text != m_faultsText) {
        m_faultsText = std::move(text.text);
        m_faults = FeedFaults::parse(m_faultsText);
        reportProblems(feedlayout::faultsFileProblems(feedPath("faults.txt"), m_faults.problems()));
    }
    return folderProblems.empty();
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
    checkFeed();
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
    if (!feedlayout::validStoredDataspec(dataspec)) return kBadDataspec;
    if (fromTime.size() != kStampLength || !DateTime::parseCompact(fromTime)) return kBadFromTime;
    if (std::find(std::begin(kStoredOptions), std::end(kStoredOptions), option) == std::end(kStoredOptions))
        return kBadOption;
    const bool usable = checkFeed();
    if (auto code = fault("JVOpen", dataspec)) return *code;
    if (!usable) return kNothingNewer;

    auto listing = feedlayout::listStoredFiles(feedPath("stored"));
    reportProblems(listing.problems);
    auto files = feedFiles(std::move(listing.files));
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
    if (stream.cancelled) return stream.fetched;
    std::uint64_t spent = 0;
    for (bool first = true;; first = false) {
        while (stream.nextFetch < stream.files.size() && stream.files[stream.nextFetch].downloaded) ++stream.nextFetch;
        if (stream.nextFetch >= stream.files.size()) break;
        // A file that cannot be measured costs nothing here; its reading reports it.
        const auto status = pathStatus(stream.files[stream.nextFetch].path);
        const std::uint64_t size = status && status->kind == PathKind::Regular ? status->size : 0;
        if (!first && size > m_statusByteBudget - spent) break;
        spent += std::min(size, m_statusByteBudget - spent);
        fetch(stream, stream.nextFetch);
    }
    return stream.fetched;
}

int FeedJvLink::JVRTOpen(const std::string& dataspec, const std::string& key) {
    if (int refused = openAllowed()) return refused;
    if (!feedlayout::isRealtimeDataspec(dataspec)) return kBadDataspec;
    if (!feedlayout::validRealtimeKey(dataspec, key)) return kBadKey;
    const bool usable = checkFeed();
    if (auto code = fault("JVRTOpen", dataspec)) return *code;
    if (!usable) return kNothingNewer;

    auto listing = feedlayout::listSnapshots(joinPath(joinPath(feedPath("realtime"), dataspec), key));
    reportProblems(listing.problems);
    auto snapshots = feedFiles(std::move(listing.files));
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
            reportProblems(
                {file.path + ": " + stream.reader->openError() + "; JVRead gives " + std::to_string(kFileMissing)});
            stream.reader.reset();
            return kFileMissing;
        }
    }
    switch (stream.reader->next(record)) {
        case FeedFileReader::Next::Record:
            m_faults.passed("JVRead", stream.dataspec);
            return static_cast<int>(record.size());
        case FeedFileReader::Next::TooLong:
            // No stream delivers such a record: the file is damaged. The reading goes on after the line.
            reportProblems({file.path + " line " + std::to_string(stream.reader->lineNumber()) +
                            ": longer than any record (" + std::to_string(FeedFileReader::kLongestRecord) +
                            " bytes with its CR LF); JVRead gives " + std::to_string(kFileCorrupt)});
            return kFileCorrupt;
        case FeedFileReader::Next::End: break;
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
