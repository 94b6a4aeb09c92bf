// The day-file store rule on damaged day files and records: the records go through the download's or a
// real-time stream's decision and are stored three ways that must leave the same bytes: record by record
// (StoreRecordLine, StoreRunnerLine), through a store that saves at every record (a memory limit of one
// byte) and saves a file when its feed file ends, and through the fetches' store that saves once at the
// end of the stream.
//
// Input parts: the day files found on disk before the stream (part 0 for every sorted day file, part 1
// for every runner file; an empty part leaves the file missing), then one part per record, whose first
// byte chooses the stream (its value modulo 5: the download, odds, results, time mining, match mining)
// and whether its feed file ends after it (bit 7).
#include <cstdint>
#include <set>
#include <string>

#include "core/common/TextFile.h"
#include "core/jv/DayDataFile.h"
#include "core/jv/DayFileStore.h"
#include "core/jv/DownloadRecordRule.h"
#include "core/jv/FetchFileStore.h"
#include "core/jv/RealTimeRecordRule.h"
#include "fuzz/support/FuzzFolder.h"
#include "fuzz/support/FuzzParts.h"

namespace marovix {
namespace {

using fuzz::check;

constexpr std::size_t kMaxRecords = 24;

RecordDecision decide(unsigned char choice, std::string_view record) {
    switch (choice % 5) {
        case 1: return decideRealTimeRecord(RealTimeStream::Odds, record);
        case 2: return decideRealTimeRecord(RealTimeStream::Results, record);
        case 3: return decideRealTimeRecord(RealTimeStream::TimeMining, record);
        case 4: return decideRealTimeRecord(RealTimeStream::MatchMining, record);
        default: return decideRecord(record, 0, true);
    }
}

struct Folders {
    std::string byRecord, everyRecord, atEnd;
};

class ThreeStores {
public:
    ThreeStores(const fuzz::FuzzFolder& folder, std::string_view sortedBytes, std::string_view runnerBytes)
        : m_sortedBytes(sortedBytes),
          m_runnerBytes(runnerBytes),
          m_paths{folder.makeFolder("a"), folder.makeFolder("b"), folder.makeFolder("c")},
          m_everyRecord(1),
          m_atEnd(m_paths.atEnd, folder.makeFolder("changes")) {}

    void store(const RecordDecision& decision, bool fileEnds) {
        layOut(decision);
        const std::string a = joinPath(m_paths.byRecord, decision.fileName);
        const std::string b = joinPath(m_paths.everyRecord, decision.fileName);
        const bool byRecordSkips = decision.existingFileOnly && !fileExists(a);
        const bool everyRecordSkips = decision.existingFileOnly && !m_everyRecord.exists(b);
        check(byRecordSkips == everyRecordSkips, "the stores disagree on whether a day file exists");
        if (!byRecordSkips) {
            const Status one = decision.runnerFile ? StoreRunnerLine(a, decision.line)
                                                   : StoreRecordLine(a, decision.line, decision.dropEmptyFirstLine);
            const Status two = decision.runnerFile
                                   ? m_everyRecord.storeRunnerLine(b, decision.line)
                                   : m_everyRecord.storeRecordLine(b, decision.line, decision.dropEmptyFirstLine);
            check(one.ok() == two.ok(), "storing record by record and through the store disagree on success");
            if (fileEnds) check(m_everyRecord.save(b).ok(), "a held day file could not be saved");
        }
        const Result<FetchFileStore::Stored> three = m_atEnd.store(decision);
        check(three.ok(), "the fetches' store refused a record its stream took");
        m_files.insert(decision.fileName);
    }

    void compare() {
        check(m_everyRecord.saveAll().ok(), "a held day file could not be saved");
        check(m_atEnd.endStream().ok(), "a day file of the stream could not be saved");
        for (const std::string& name : m_files) {
            const auto a = readFileBytes(joinPath(m_paths.byRecord, name));
            const auto b = readFileBytes(joinPath(m_paths.everyRecord, name));
            const auto c = readFileBytes(joinPath(m_paths.atEnd, name));
            check(a.ok() == b.ok() && a.ok() == c.ok(), "a day file exists after one way of storing only");
            if (!a.ok()) continue;
            check(*a == *b, "saving at every record left other bytes than storing record by record: " + name);
            check(*a == *c, "saving at the end of the stream left other bytes than storing record by record: " + name);
        }
    }

private:
    // The day file as found before the stream, the same in all three folders.
    void layOut(const RecordDecision& decision) {
        if (!m_laidOut.insert(decision.fileName).second) return;
        const std::string_view bytes = decision.runnerFile ? m_runnerBytes : m_sortedBytes;
        if (bytes.empty()) return;
        for (const std::string* folder : {&m_paths.byRecord, &m_paths.everyRecord, &m_paths.atEnd})
            fuzz::writeFile(joinPath(*folder, decision.fileName), bytes);
    }

    std::string_view m_sortedBytes, m_runnerBytes;
    Folders m_paths;
    DayFileStore m_everyRecord;
    FetchFileStore m_atEnd;
    std::set<std::string> m_laidOut, m_files;
};

}  // namespace
}  // namespace marovix

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace marovix;
    const auto parts = fuzz::splitParts(fuzz::inputText(data, size), kMaxRecords + 2);
    const fuzz::FuzzFolder& folder = fuzz::FuzzFolder::fresh();
    ThreeStores stores(folder, fuzz::partAt(parts, 0), fuzz::partAt(parts, 1));
    for (std::size_t i = 2; i < parts.size(); ++i) {
        if (parts[i].empty()) continue;
        const auto flags = static_cast<unsigned char>(parts[i].front());
        const RecordDecision decision = decide(flags & 0x7F, parts[i].substr(1));
        if (decision.outcome == RecordDecision::Outcome::Store) stores.store(decision, (flags & 0x80) != 0);
    }
    stores.compare();
    return 0;
}
