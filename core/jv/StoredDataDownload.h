#pragma once
// The stored-data download of the window "ＪＶデータ取込": its options, its progress and everything it
// does. The window (ui/TGetDataForm) shows the options and the progress on its controls and forwards
// clicks and timer ticks; marovix-cli download sets the options and runs an attempt unattended.
//
// Life of one attempt: ButtonStartClick opens the stored data ("RACEMING") through the JV-Link read loop
// (JvReadLoop.h); when files are still to be fetched, the status is polled (the view calls
// TimerJVStatusTimer every 10 ms while progress().statusPolling) until the download is complete; then the
// records are read and stored into the day files of the data folder (DownloadRecordRule.h,
// DayFileStore.h), letting pending events run between records through `processEvents`. The day files a
// feed file changed are held in memory and saved once when that file ends (JVRead -1); whatever ends the
// read (the end of the data, a cancel, an error) saves the rest before anything is shown, and LastTime
// advances only after every file was saved. Every attempt ends with JVClose; a cancel during the download
// phase ends it at once, without JVClose.
//
// Guards: a second ButtonStart while an attempt runs is ignored; closing the window while one runs is
// refused, after offering to cancel it (see FormCloseQuery).
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/common/DateTime.h"
#include "core/jv/DayFileStore.h"
#include "core/jv/JvReadLoop.h"
#include "core/jv/ReadCancelFlag.h"

namespace marovix {

class Clock;
class Dialogs;
class JvLink;
class Settings;

// What the download reaches.
struct DownloadPorts {
    JvLink& jvLink;
    Dialogs& dialogs;
    const Clock& clock;
    Settings& settings;             // JvDataGet/KakuteiOzGet and JvDataGet/LastTime
    std::string dataFolder;         // AppFolder/Data
    ReadCancelFlag& readCancelled;  // ReadCancelled, shared with the real-time fetches
    // The main window's day-list rebuild (MakeDataListBtn), run after the window closed; may be empty.
    std::function<void()> dayListRebuild;
    // AppendErrorLog: each damaged record skipped is named there (the first kProblemsKept of an attempt,
    // then the count of the rest); may be empty.
    std::function<void(const std::string& text)> appendErrorLog;
};

// What the next attempt fetches.
struct DownloadOptions {
    bool finalOdds = true;   // the final odds (O1-O6) too ("確定オッズも合わせて取得する")
    bool setupData = false;  // setup data ("セットアップデータ", JVOpen option 3) rather than normal data (1)
    DateTime from;           // the from-moment; its date is what the user picks
};

// A share of files done: `done` of `total`.
struct ProgressShare {
    int done = 0;
    int total = 100;  // until the attempt knows its count
};

// How far the attempt has come, as the user is shown it.
struct DownloadProgress {
    ProgressShare fetched;  // files fetched by JV-Link (full when nothing was left to fetch)
    ProgressShare read;     // files read
    std::string text;  // the state and its counts: "ダウンロード中．．．(2/3)", "データ作成が完了しました。"
    std::string recordText;      // the record last stored: "開催:2024年01月06日中山11R"
    bool statusPolling = false;  // JV-Link's download is asked how far it is, every kStatusIntervalMs
    bool busy = false;           // the user is to wait (the busy pointer)
};

// Figures of the last attempt.
struct DownloadCounts {
    std::int64_t recordsRead = 0;  // JVRead results above 0
    std::int64_t recordsStored = 0;
    std::int64_t recordsNotTaken = 0;  // other types, or a take condition failed
    std::int64_t recordsCorrupt = 0;   // wrong length or date: skipped, never stored
    int filesRead = 0;
};

class StoredDataDownload {
public:
    enum class Phase { Idle, Starting, Downloading, Reading };
    enum class Outcome {
        None,        // no attempt yet
        Completed,   // every offered file read to the end (JVRead 0) and LastTime advanced
        NothingNew,  // JVOpen -1, or read count 0
        Cancelled,
        // A JV-Link error, a day file that could not be written, data that ended before every offered file
        // was read, or a LastTime that could not be advanced (a stamp that is no moment, a settings file
        // that cannot be written). LastTime stays as it was.
        Failed,
    };

    static constexpr int kStatusIntervalMs = 10;
    static constexpr int kCallAgainWaitMs = 10;
    static constexpr int kReadSize = 100000;
    static constexpr const char* kCaption = "ＪＶデータ取込";
    // How many corrupt-record descriptions are kept for the attempt.
    static constexpr std::size_t kProblemsKept = 20;

    // The window's creation: the final odds as KakuteiOzGet says; a first download ever (no LastTime) takes
    // setup data; the from-moment is LastTime, or 365 days back when it is missing or no valid moment.
    explicit StoredDataDownload(DownloadPorts ports);
    ~StoredDataDownload();

    const DownloadOptions& options() const { return m_options; }
    const DownloadProgress& progress() const { return m_progress; }
    Phase phase() const { return m_phase; }
    bool running() const { return m_phase != Phase::Idle; }
    Outcome outcome() const { return m_outcome; }
    const DownloadCounts& counts() const { return m_counts; }
    // The message of the failure that ended the last attempt; empty unless outcome() is Failed.
    const std::string& failure() const { return m_failure; }
    // Descriptions of the first corrupt records of the attempt (at most kProblemsKept), as the error log
    // names them.
    const std::vector<std::string>& problems() const { return m_problems; }
    // Bytes written to day files, whole-file saves, and the most bytes of day-file lines held in memory at
    // once, since the window was made.
    std::uint64_t bytesWritten() const { return m_store.bytesWritten(); }
    std::uint64_t fileSaves() const { return m_store.saves(); }
    std::size_t peakBytesHeld() const { return m_store.peakBytesHeld(); }

    // The user ticks or clears "確定オッズも合わせて取得する" (CheckBox1): the setting is written at once.
    void CheckBox1Click(bool ticked);
    // The options for the attempts of this window only; no setting is written (the command line's choice).
    void setFinalOdds(bool finalOdds);
    void setSetupData(bool setup);
    void setFrom(const DateTime& moment);

    // "データ取込": starts an attempt; ignored while one runs.
    void ButtonStartClick();
    // "データ取込中止": asks, then cancels.
    void ButtonCancelClick();
    // "JV-Link設定": JV-Link's own settings dialog.
    void SpeedButton1Click();
    // One tick of TimerJVStatus: one status step; ignored unless progress().statusPolling.
    void TimerJVStatusTimer();
    // May the window close now? Yes when idle. While an attempt runs: offers the cancel (the same
    // question as ButtonCancel); on Yes the attempt is cancelled and the window may close once it has
    // ended: at once after a cancel in the download phase (true), else through `closeWindow` when the
    // read loop has unwound (false now). On No the window stays (false).
    bool FormCloseQuery();
    // The window has closed: the main window's day list is rebuilt.
    void FormClose();

    // A whole attempt without a window (the command line, benchmarks): ButtonStart, then a status step
    // after each `wait` while the status is polled. Returns the outcome.
    Outcome runUnattended(const std::function<void()>& wait);

    // Lets pending window events run; called between records and between reads. May click ButtonCancel.
    std::function<void()> processEvents;
    // Called when JVRead asks to be called again (-2 or -3, the file is still being fetched), with that
    // result, before the read loop calls again: the view waits a moment here (kCallAgainWaitMs) so that a
    // component that keeps asking is not called at full speed. May click ButtonCancel.
    std::function<void(int result)> waitForData;
    // Told after the options or the progress changed.
    std::function<void()> changed;
    // Asks the window to close (after a close request that cancelled a read); the view should post it.
    std::function<void()> closeWindow;

private:
    void notify();
    void setBusy(bool busy);
    void stopPolling();
    void fail(const std::string& message);
    void showFetched(const JvReadProgress& progress);
    void read();
    JvReadLoop::Next fileEnded(const JvReadProgress& progress);
    JvReadLoop::Next handleRecord(const std::string& record, const std::string& fileName);
    void appendErrorLog(const std::string& text);
    // Writes the last file time stamp to LastTime; false (and the attempt failed) when it is no moment or
    // cannot be written.
    bool advanceLastTime();
    void closeStep();
    void cancel();
    void endAttempt();
    void showWriteError(const std::string& text);

    DownloadPorts m_ports;
    JvReadLoop m_loop;
    DownloadOptions m_options;
    DownloadProgress m_progress;
    Phase m_phase = Phase::Idle;
    Outcome m_outcome = Outcome::None;
    DayFileStore m_store;
    DownloadCounts m_counts;
    std::vector<std::string> m_problems;
    std::string m_failure;
    // Of the attempt in hand.
    std::string m_lastFileTimestamp;
    int m_fromDateNumber = 0;
    bool m_inTick = false;
    bool m_closeAfterAttempt = false;
    // Why a day file could not be read or saved in this attempt (the first such failure).
    std::optional<std::string> m_storeError;
};

}  // namespace marovix
