#include "core/jv/RealTimeFetch.h"

#include <cstdio>

#include "core/jv/JvMessage.h"
#include "core/ports/Dialogs.h"
#include "core/race/KeibaFunc.h"

namespace marovix {
namespace {

enum class Beep { Never, Always, UnlessSilent };
using enum Beep;

// Whether the progress text follows the race label.
enum class Progress { Alone, AfterLabel };
using enum Progress;

// The close steps of a stream's fetch: right after the read (or the failed open) and at the end, or only
// at the end.
enum class Closes { AfterReadAndAtTheEnd, AtTheEnd };
using enum Closes;

// Corrupt records named in the error log per fetch; the rest are counted.
constexpr int kCorruptRecordsLogged = 5;

}  // namespace

// How an operation differs from the others.
struct FetchShape {
    FetchOperation operation;
    RealTimeStream stream;
    Progress placement;
    std::string_view progress;
    std::string_view errorTail;
    Beep openErrorBeep;
    Beep closeErrorBeep;
    Beep closeOkBeep;
};

// The error-log lines of a stream's fetch.
struct ErrorLogLines {
    bool failures;        // a failed open, read, write or close, as FetchStatusText shows it
    bool damagedRecords;  // each damaged record skipped (the first few), then the count of the rest
};

// How a stream's fetch differs from the others around its read.
struct StreamSteps {
    RealTimeStream stream;
    Closes closes;
    ErrorLogLines log;
};

namespace {

// The differences between the operations: the tables of the header, one row an operation.
// clang-format off
constexpr FetchShape kShapes[] = {
    // operation                  stream                       progress text                      error tail                     beep on open error, close error, close 0
    {FetchOperation::QuickOdds,   RealTimeStream::Odds,        AfterLabel, "オッズ取得中",        "R:ｵｯｽﾞ取得エラー：",          Always,       Always, Never},
    {FetchOperation::Results,     RealTimeStream::Results,     Alone,      "ﾚｰｽ情報データ取得中", "R:ﾚｰｽ情報データ取得エラー：", Always,       Never,  Always},
    {FetchOperation::TimeMining,  RealTimeStream::TimeMining,  Alone,      "DM取得中",            "R:DMデータ取得エラー：",      UnlessSilent, Never,  UnlessSilent},
    {FetchOperation::MatchMining, RealTimeStream::MatchMining, Alone,      "対戦DM取得中",        "R:DMデータ取得エラー：",      UnlessSilent, Never,  UnlessSilent},
    {FetchOperation::OddsList,    RealTimeStream::Odds,        AfterLabel, "R ｵｯｽﾞ取得中",        "R:",                          Always,       Always, Never},
    {FetchOperation::PayoutList,  RealTimeStream::Results,     AfterLabel, "R 結果取得中",        "R:",                          Never,        Never,  Never},
    {FetchOperation::Changes,     RealTimeStream::Changes,     Alone,      "開催速報データ取得中", "R:開催速報データ取得エラー：", Always,      Never,  Always},
};
// clang-format on

constexpr ErrorLogLines kEveryLine{true, true};
constexpr ErrorLogLines kNoLine{false, false};

// The differences between the streams, one row a stream.
constexpr StreamSteps kStreamSteps[] = {
    {RealTimeStream::Odds, AfterReadAndAtTheEnd, kEveryLine},
    {RealTimeStream::Results, AfterReadAndAtTheEnd, kEveryLine},
    {RealTimeStream::TimeMining, AfterReadAndAtTheEnd, kEveryLine},
    {RealTimeStream::MatchMining, AfterReadAndAtTheEnd, kEveryLine},
    {RealTimeStream::Changes, AtTheEnd, kNoLine},
};

const FetchShape& shapeOf(FetchOperation operation) {
    for (const FetchShape& shape : kShapes)
        if (shape.operation == operation) return shape;
    return kShapes[0];
}

const StreamSteps& stepsOf(RealTimeStream stream) {
    for (const StreamSteps& steps : kStreamSteps)
        if (steps.stream == stream) return steps;
    return kStreamSteps[0];
}

bool beeps(Beep beep, bool silent) { return beep == Beep::Always || (beep == Beep::UnlessSilent && !silent); }

}  // namespace

std::string fetchRaceLabel(std::string_view courseCode, int raceNumber) {
    char number[16];
    std::snprintf(number, sizeof number, "%2d", raceNumber);
    return CourseName(courseCode) + number;
}

bool usableFetchKey(std::string_view key) {
    for (char c : key) {
        if (c < '0' || c > '9') return false;  // the leading digits end here, all zeros so far
        if (c != '0') return true;
    }
    return false;
}

RealTimeFetcher::RealTimeFetcher(FetchPorts ports)
    : m_ports(std::move(ports)),
      m_loop(m_ports.jvLink, m_ports.readCancelled),
      m_files(m_ports.dataFolder, m_ports.changeFolder) {
    m_loop.processEvents = [this] {
        if (m_ports.processEvents) m_ports.processEvents();
    };
}

void RealTimeFetcher::showError(const std::string& text, bool logged) {
    m_lastError = text;
    m_ports.showStatus(text);
    if (logged) m_ports.appendErrorLog(text);
}

int RealTimeFetcher::closeStep(const FetchShape& shape, const StreamSteps& steps) {
    const int r = m_loop.close();
    if (r != 0) {
        if (beeps(shape.closeErrorBeep, m_silent)) m_ports.dialogs.beep();
        showError(JVMessage("JVClose", r), steps.log.failures);
    } else if (beeps(shape.closeOkBeep, m_silent)) {
        m_ports.dialogs.beep();
    }
    return r;
}

void RealTimeFetcher::read(RealTimeStream stream, const StreamSteps& steps, const std::string& key, FetchRun& run) {
    int& corrupt = run.recordsSkipped;
    const std::string where = std::string(realTimeDataspec(stream)) + " " + key + ": ";
    const JvReadLoop::ReadEnd end =
        m_loop.read(realTimeReadSize(stream), {[&](const std::string& record, const std::string&) {
                        const RecordDecision decision = decideRealTimeRecord(stream, record);
                        if (decision.outcome == RecordDecision::Outcome::Corrupt) {
                            if (++corrupt <= kCorruptRecordsLogged && steps.log.damagedRecords)
                                m_ports.appendErrorLog(where + skippedRecordEntry(decision.problem));
                            return JvReadLoop::Next::Continue;
                        }
                        if (decision.outcome != RecordDecision::Outcome::Store) return JvReadLoop::Next::Continue;
                        auto stored = m_files.store(decision);
                        if (!stored) {
                            run.storeFailed = true;
                            showError(kWriteFailed + stored.error(), steps.log.failures);
                            return JvReadLoop::Next::Stop;
                        }
                        if (*stored == FetchFileStore::Stored::Yes) ++run.recordsStored;
                        return JvReadLoop::Next::Continue;
                    }});
    if (corrupt > kCorruptRecordsLogged && steps.log.damagedRecords)
        m_ports.appendErrorLog(where + moreSkippedRecordsEntry(corrupt - kCorruptRecordsLogged));
    run.readEnd = end.kind;
    run.readResult = end.result;
    if (end.kind == JvReadLoop::ReadEnd::Kind::Failed) showError(JVMessage("JVRead", end.result), steps.log.failures);
    if (Status saved = m_files.endStream(); !saved && !run.storeFailed) {
        run.storeFailed = true;
        showError(kWriteFailed + saved.error(), steps.log.failures);
    }
}

FetchRun RealTimeFetcher::run(FetchOperation operation, const std::string& key, const std::string& raceLabel) {
    const FetchShape& shape = shapeOf(operation);
    const StreamSteps& steps = stepsOf(shape.stream);
    FetchRun run;
    // 1. What the fetch is doing.
    m_ports.showStatus(shape.placement == AfterLabel ? raceLabel + std::string(shape.progress)
                                                     : std::string(shape.progress));
    if (m_ports.processEvents) m_ports.processEvents();
    // 2.-4. Open, read, close.
    run.openResult = m_loop.openRealTime(std::string(realTimeDataspec(shape.stream)), key);
    if (run.openResult != 0) {
        if (beeps(shape.openErrorBeep, m_silent)) m_ports.dialogs.beep();
        showError(raceLabel + std::string(shape.errorTail) + JVMessage("JVRTOpen", run.openResult), steps.log.failures);
    } else {
        read(shape.stream, steps, key, run);
    }
    if (steps.closes == AfterReadAndAtTheEnd) run.closeResult = closeStep(shape, steps);
    // 5. The label keeps the last error of the run, so that a failed fetch is not shown as a success, and
    // says how many damaged records a fetch without an error skipped.
    if (m_lastError.empty() && run.recordsSkipped > 0)
        m_lastError = raceLabel + std::string(shape.errorTail) + skippedRecordsText(run.recordsSkipped);
    m_ports.showStatus(m_lastError);
    if (m_ports.processEvents) m_ports.processEvents();
    // 6. The close step (once more where the stream closed after the read).
    run.secondCloseResult = closeStep(shape, steps);
    return run;
}

}  // namespace marovix
