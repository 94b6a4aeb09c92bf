#pragma once
// What the stored-data download does with one record it reads: whether it is taken, which day file it
// goes to, how it is written there and what the window shows for it.
//
//   type  taken when                                              file          zero 3-11  drop empty 1st
//   RA    kind not A/B, date >= from-10, race > 0, runners 1..18  .jvRA         yes        yes
//   SE    kind not A/B, date >= from-10, race 1..12, horse 1..18  <course>.jvSEr  no (fixed line)
//   HR    date >= from-10, race > 0                               .jvHR         yes        no
//   TM    race > 0                                                .jvTM         yes        yes
//   O1-O6 final odds wanted, kind not 0/9, race > 0               .jvO1..O6     yes        yes
//
// The date comparison is on the eight-digit numbers (from 20240105 the limit is 20240095). Records of any
// other type are not taken, whatever their length: DM (fetched in real time only), the types a stream
// delivers that the program does not store (H1, H6, WF, JG, WH, JC, CC, TK ...) and unknown types. A
// record of a handled type must also have its type's exact length; one that does not, or whose date
// (positions 12-19) is no real yyyymmdd, is corrupt and never stored: its positions could not be trusted,
// and its date names the file.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/race/LineKeys.h"

namespace marovix {

struct RecordDecision {
    enum class Outcome {
        Store,     // store the line into `fileName`
        NotTaken,  // another type, or a take condition fails
        Corrupt,   // a handled type whose record has the wrong length; `problem` says how
    };
    Outcome outcome = Outcome::NotTaken;
    // Store: the file's name in the data folder, e.g. "2024年01月06日.jvRA" or "2024年01月06日中山.jvSEr".
    std::string fileName;
    // Store: the day-file line (the record without CR LF), positions 3-11 already zeroed where due.
    std::string line;
    bool runnerFile = false;          // the fixed-line runner file rather than a sorted file
    bool dropEmptyFirstLine = false;  // for sorted files
    LineKey key = raceLineKey;        // for sorted files: the line a record replaces
    bool existingFileOnly = false;    // only into a file that exists: a missing file is not created
    // Store: the new text of MkDataLabel; nothing leaves it as it is.
    std::optional<std::string> label;
    // Corrupt: the fault found.
    std::string problem;
};

// A read that skipped damaged records says so: "不正レコード読み飛ばし:" + count + "件" (the download's
// MkDataLabel, the real-time fetches' FetchStatusText).
std::string skippedRecordsText(std::int64_t count);
// The error log's entry for a damaged record that was skipped: "不正なレコードを読み飛ばしました。" + the
// fault, e.g. "RAレコードのレコード長が不正です(改行を除き500バイト、正しくは1270バイト)".
std::string skippedRecordEntry(const std::string& problem);
// The entry for skipped records beyond those named: "ほかに不正なレコードを" + count + "件読み飛ばしました。".
std::string moreSkippedRecordsEntry(std::int64_t count);

// Why a record of a handled `type` cannot be trusted, or nothing when it can: it must have its type's
// exact length, no line break before its closing CR LF (a day file holds one record per line), and a real
// date (positions 12-19), since the date names the day file it goes to.
std::optional<std::string> storedRecordFault(std::string_view record, std::string_view type);

// True when positions 12-19 of the record hold a real date yyyymmdd: the date names day files, and
// anything else could make a path of any shape.
bool hasRealDate(std::string_view record);

// Where and how a record of one handled type is stored: what the download and the real-time fetch share.
struct StoreShape {
    std::string_view type;
    std::string_view extension;  // of the day file, e.g. ".jvRA"
    bool runnerFile;             // the fixed-line runner file, named with the course
    bool zero;                   // positions 3-11 zeroed
    bool drop;                   // an empty first line of a sorted file dropped
};

// Fills a Store decision for `record` as `shape` says: file name, line and how it is written.
void fillStoreDecision(RecordDecision& decision, std::string_view record, const StoreShape& shape);

// The decision for a record of a handled type: Corrupt when it cannot be trusted, NotTaken when `taken()`
// says no (asked only of a sound record), else Store as `shape` says.
template <class Taken>
RecordDecision decideStored(std::string_view record, const StoreShape& shape, Taken taken) {
    RecordDecision decision;
    if (auto fault = storedRecordFault(record, shape.type)) {
        decision.outcome = RecordDecision::Outcome::Corrupt;
        decision.problem = std::move(*fault);
        return decision;
    }
    if (!taken()) return decision;
    fillStoreDecision(decision, record, shape);
    return decision;
}

// The decision for `record` (CP932 bytes as read, normally ending in CR LF). `fromDateNumber` is the
// from-moment's yyyymmdd as a number; `finalOdds` is CheckBox1.
RecordDecision decideRecord(std::string_view record, int fromDateNumber, bool finalOdds);

}  // namespace marovix
