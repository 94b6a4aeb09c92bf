#include "fuzz/seeds/DemoRecords.h"

#include <algorithm>
#include <filesystem>

#include "core/common/DateTime.h"
#include "core/common/TextFile.h"
#include "core/jv/DayFileStore.h"
#include "core/jv/DownloadRecordRule.h"
#include "core/jv/RealTimeRecordRule.h"
#include "standins/feedgen/FeedWriter.h"
#include "standins/jvlink/FeedFileReader.h"

namespace marovix::fuzz {
namespace {

// The feed's ".jvf" files below `folder`, in name order (stored files: by stamp).
std::vector<std::string> feedFiles(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, ec))
        if (entry.is_regular_file() && entry.path().extension() == ".jvf") files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::string> readRecords(const std::string& path) {
    std::vector<std::string> records;
    FeedFileReader reader(path);
    std::string record;
    while (reader.next(record) == FeedFileReader::Next::Record) records.push_back(record);
    return records;
}

}  // namespace

DemoRecords::DemoRecords(const std::string& workFolder)
    : m_feed(joinPath(workFolder, "feed")), m_data(joinPath(workFolder, "Data")) {
    feedgen::FeedOptions options;
    options.from = DateTime{2024, 1, 6};
    options.to = DateTime{2024, 1, 6};
    options.seed = 7;
    options.folder = m_feed;
    if (auto written = feedgen::FeedWriter(options).write(); !written) {
        m_problem = written.error();
        return;
    }
    if (Status made = makeDirectory(m_data); !made) {
        m_problem = made.error();
        return;
    }
    DayFileStore store;
    auto keep = [&](const RecordDecision& decision) {
        if (decision.outcome != RecordDecision::Outcome::Store) return;
        const std::string path = joinPath(m_data, decision.fileName);
        const Status stored = decision.runnerFile
                                  ? store.storeRunnerLine(path, decision.line)
                                  : store.storeRecordLine(path, decision.line, decision.dropEmptyFirstLine);
        if (!stored && m_problem.empty()) m_problem = stored.error();
    };
    for (const std::string& file : feedFiles(joinPath(m_feed, "stored")))
        for (const std::string& record : readRecords(file)) {
            m_records[record.substr(0, 2)].push_back(record);
            keep(decideRecord(record, 0, true));
        }
    for (const std::string& file : feedFiles(joinPath(m_feed, "realtime")))
        for (const std::string& record : readRecords(file)) {
            m_records[record.substr(0, 2)].push_back(record);
            keep(decideRealTimeRecord(RealTimeStream::TimeMining, record));
        }
    if (Status saved = store.saveAll(); !saved && m_problem.empty()) m_problem = saved.error();
}

const std::vector<std::string>& DemoRecords::records(const std::string& type) const {
    static const std::vector<std::string> none;
    const auto found = m_records.find(type);
    return found == m_records.end() ? none : found->second;
}

std::vector<std::string> DemoRecords::dayFile(const std::string& tail) const {
    auto lines = readRawLines(joinPath(m_data, std::string(kDayText) + tail));
    return lines ? *lines : std::vector<std::string>{};
}

std::vector<std::string> DemoRecords::companion(const std::string& tail) const {
    auto lines = readRawLines(joinPath(joinPath(m_feed, "companions"), tail));
    return lines ? *lines : std::vector<std::string>{};
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string joined;
    for (const std::string& line : lines) joined += line + "\r\n";
    return joined;
}

std::vector<std::string> firstLines(const std::vector<std::string>& lines, std::size_t count) {
    return {lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(std::min(count, lines.size()))};
}

std::string withoutLineEnd(const std::string& record) {
    return record.ends_with("\r\n") ? record.substr(0, record.size() - 2) : record;
}

}  // namespace marovix::fuzz
