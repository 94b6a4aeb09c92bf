#pragma once
// The real-time fetches of the main window and of automatic operation, one dataspec and key at a time,
// each in the same shape:
//
//   1. FetchStatusText := the operation's progress text; pending events run.
//   2. JVRTOpen(dataspec, key); the open lowers ReadCancelled first, so a cancel of an earlier download
//      never makes a fetch store nothing.
//   3. Open failed: a beep as the operation says; FetchStatusText := race label + the operation's error
//      tail + JVMessage("JVRTOpen", r); the close step where the stream closes after the read.
//   4. Opened: JVRead until the end (pending events run before every call), each record stored by the
//      fetch's record table (RealTimeRecordRule.h) through FetchFileStore; then the close step where the
//      stream closes after the read.
//   5. FetchStatusText := the last error of this fetcher's run, or empty when there was none; pending
//      events run.
//   6. The close step (once more, on the closed stream, where the stream closed after the read: so a
//      successful result or mining fetch beeps twice).
//
// Close step: JVClose; a result other than 0 shows JVMessage("JVClose", r) in FetchStatusText, with a beep
// where the operation says; a result of 0 beeps where the operation says. A read error (below -3) shows
// JVMessage("JVRead", r); a day file that cannot be written stops the read the same way with
// "データ保存エラー:" and the reason. Each failure shown goes to the error log too where the stream logs
// that kind of failure. A damaged record is skipped and, where the stream logs them, named in the error log
// (dataspec, key, "不正なレコードを読み飛ばしました。" and the fault, the first five of a fetch; the rest
// counted); a fetch without an error that skipped records says so in step 5: race label + the error tail
// + "不正レコード読み飛ばし:" + the count + "件".
//
// What the operations differ in (kShapes in RealTimeFetch.cpp):
//
//   operation             dataspec  progress text               error tail
//   quick odds            0B30      label + "オッズ取得中"      "R:ｵｯｽﾞ取得エラー："
//   results               0B12      "ﾚｰｽ情報データ取得中"       "R:ﾚｰｽ情報データ取得エラー："
//   mining, time type     0B13      "DM取得中"                  "R:DMデータ取得エラー："
//   mining, match type    0B17      "対戦DM取得中"              "R:DMデータ取得エラー："
//   odds over a list      0B30      label + "R ｵｯｽﾞ取得中"      "R:"
//   payouts over a list   0B12      label + "R 結果取得中"      "R:"
//
//   operation             beep on a failed open  beep on a failed close  beep on a close of 0
//   quick odds            always                 yes                     no
//   results               always                 no                      yes
//   mining, each type     unless silent          no                      unless silent
//   odds over a list      always                 yes                     no
//   payouts over a list   never                  no                      no
//
// What the streams differ in (kStreamSteps in RealTimeFetch.cpp):
//
//   stream                  close steps                     error log
//   0B30, 0B12, 0B13, 0B17  after the read, and at the end  every failure, every damaged record
#include <functional>
#include <string>
#include <string_view>

#include "core/jv/FetchFileStore.h"
#include "core/jv/JvReadLoop.h"
#include "core/jv/ReadCancelFlag.h"
#include "core/jv/RealTimeRecordRule.h"

namespace marovix {

class Dialogs;
class JvLink;
struct FetchShape;
struct StreamSteps;

enum class FetchOperation {
    QuickOdds,    // "速報ｵｯｽﾞ": the odds of the current race
    Results,      // "結果情報": results and payouts of the day
    TimeMining,   // "ﾏｲﾆﾝｸﾞ", first stream: time-type mining of the day
    MatchMining,  // "ﾏｲﾆﾝｸﾞ", second stream: match-type mining of the day
    OddsList,     // the odds of each race of FetchQueueOdds
    PayoutList,   // the results and payouts of each race of FetchQueueResults
};

// What a fetch reaches.
struct FetchPorts {
    JvLink& jvLink;
    Dialogs& dialogs;               // the system beep
    ReadCancelFlag& readCancelled;  // ReadCancelled, shared with the download
    std::string dataFolder;         // AppFolder/Data
    // FetchStatusText gets a new text.
    std::function<void(const std::string& text)> showStatus;
    // AppendErrorLog.
    std::function<void(const std::string& text)> appendErrorLog;
    // Lets pending window events run.
    std::function<void()> processEvents;
};

// How one fetch went.
struct FetchRun {
    int openResult = 0;
    JvReadLoop::ReadEnd::Kind readEnd = JvReadLoop::ReadEnd::Kind::Failed;  // when opened
    int readResult = 0;                                                     // JVRead's error for a failed read
    bool storeFailed = false;                                               // a day file could not be written
    int closeResult = 0;        // the close step after the read, where the stream has it
    int secondCloseResult = 0;  // the close step at the end
    int recordsStored = 0;
    int recordsSkipped = 0;  // damaged records, named in the error log and never stored

    // Opened, read to the end of the data, and every record taken stored.
    bool readComplete() const {
        return openResult == 0 && readEnd == JvReadLoop::ReadEnd::Kind::EndOfData && !storeFailed;
    }
};

// The race label of a fetch: the course's plain name and the race number right-aligned in two
// characters ("東京" and " 5" for Tokyo race 5).
std::string fetchRaceLabel(std::string_view courseCode, int raceNumber);

// True when a key (RaceKey16 or DayKey8) may be used: its leading digits read as a number above 0. An
// empty, blank or all-zero key, as of an empty race slot, may not.
bool usableFetchKey(std::string_view key);

// The fetches of one operation (a button click, a list run). REQUIRES: the ports outlive it.
class RealTimeFetcher {
public:
    explicit RealTimeFetcher(FetchPorts ports);
    // Its read loop calls back into it: it stays where it was made.
    RealTimeFetcher(const RealTimeFetcher&) = delete;
    RealTimeFetcher& operator=(const RealTimeFetcher&) = delete;

    // SilentFetch: the mining fetch of automatic operation does not beep.
    void setSilent(bool silent) { m_silent = silent; }

    // One fetch of `operation` with `key`; `raceLabel` goes before the error tail of a failed open.
    FetchRun run(FetchOperation operation, const std::string& key, const std::string& raceLabel);

    // The last error shown by this fetcher's fetches; empty when none failed.
    const std::string& lastError() const { return m_lastError; }

private:
    // The failure `text` in FetchStatusText, and in the error log when `logged`.
    void showError(const std::string& text, bool logged);
    int closeStep(const FetchShape& shape, const StreamSteps& steps);
    void read(RealTimeStream stream, const StreamSteps& steps, const std::string& key, FetchRun& run);

    FetchPorts m_ports;
    JvReadLoop m_loop;
    FetchFileStore m_files;
    bool m_silent = false;
    std::string m_lastError;
};

}  // namespace marovix
