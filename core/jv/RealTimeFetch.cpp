#include "core/jv/RealTimeFetch.h"

#include <cstdio>

#include "core/jv/JvMessage.h"
#include "core/ports/Dialogs.h"
#include "core/race/KeibaFunc.h"

namespace marovix {
namespace {

enum class Beep { Never, Always, UnlessSilent };

// A day file that cannot be written ends the read: the text is followed by the system's reason.
constexpr const char* kWriteFailed = "データ保存エラー:";
// Corrupt records named in the error log per fetch; the rest are counted.
constexpr int kCorruptRecordsLogged = 5;

}  // namespace

// How an operation differs from the others.
struct FetchShape {
    FetchOperation operation;
    RealTimeStream stream;
    bool progressAfterLabel;  // the progress text follows the race label
    std::string_view progress;
    std::string_view errorTail;
    Beep openErrorBeep;
    bool closeErrorBeeps;
    Beep closeOkBeep;
};

namespace {

// The differences between the operations (see the table in the header).
constexpr FetchShape kShapes[] = {
    {FetchOperation::QuickOdds, RealTimeStream::Odds, true, "オッズ取得中", "R:ｵｯｽﾞ取得エラー：", Beep::Always, true,
     Beep::Never},
    {FetchOperation::Results, RealTimeStream::Results, false, "ﾚｰｽ情報データ取得中", "R:ﾚｰｽ情報データ取得エラー：",
     Beep::Always, false, Beep::Always},
    {FetchOperation::TimeMining, RealTimeStream::TimeMining, false, "DM取得中", "R:DMデータ取得エラー：",
     Beep::UnlessSilent, false, Beep::UnlessSilent},
    {FetchOperation::MatchMining, RealTimeStream::MatchMining, false, "対戦DM取得中", "R:DMデータ取得エラー：",
     Beep::UnlessSilent, false, Beep::UnlessSilent},
    {FetchOperation::OddsList, RealTimeStream::Odds, true, "R ｵｯｽﾞ取得中", "R:", Beep::Always, true, Beep::Never},
    {FetchOperation::PayoutList, RealTimeStream::Results, true, "R 結果取得中", "R:", Beep::Never, false, Beep::Never},
};

const FetchShape& shapeOf(FetchOperation operation) {
    for (const FetchShape& shape : kShapes)
        if (shape.operation == operation) return shape;
    return kShapes[0];
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
    : m_ports(std::move(ports)), m_loop(m_ports.jvLink, m_ports.readCancelled), m_files(m_ports.dataFolder) {
    m_loop.processEvents = [this] {
        if (m_ports.processEvents) m_ports.processEvents();
    };
}

void RealTimeFetcher::showError(const std::string& text) {
    m_lastError = text;
    m_ports.showStatus(text);
    m_ports.appendErrorLog(text);
}

int RealTimeFetcher::closeStep(const FetchShape& shape) {
    const int r = m_loop.close();
    if (r != 0) {
        if (shape.closeErrorBeeps) m_ports.dialogs.beep();
        showError(JVMessage("JVClose", r));
    } else if (beeps(shape.closeOkBeep, m_silent)) {
        m_ports.dialogs.beep();
    }
    return r;
}

void RealTimeFetcher::read(RealTimeStream stream, const std::string& key, FetchRun& run) {
    int& corrupt = run.recordsSkipped;
    const std::string where = std::string(realTimeDataspec(stream)) + " " + key + ": ";
    const JvReadLoop::ReadEnd end =
        m_loop.read(realTimeReadSize(stream), {[&](const std::string& record, const std::string&) {
                        const RecordDecision decision = decideRealTimeRecord(stream, record);
                        if (decision.outcome == RecordDecision::Outcome::Corrupt) {
                            if (++corrupt <= kCorruptRecordsLogged)
                                m_ports.appendErrorLog(where + skippedRecordEntry(decision.problem));
                            return JvReadLoop::Next::Continue;
                        }
                        if (decision.outcome != RecordDecision::Outcome::Store) return JvReadLoop::Next::Continue;
                        auto stored = m_files.store(decision);
                        if (!stored) {
                            run.storeFailed = true;
                            showError(kWriteFailed + stored.error());
                            return JvReadLoop::Next::Stop;
                        }
                        if (*stored == FetchFileStore::Stored::Yes) ++run.recordsStored;
                        return JvReadLoop::Next::Continue;
                    }});
    if (corrupt > kCorruptRecordsLogged)
        m_ports.appendErrorLog(where + moreSkippedRecordsEntry(corrupt - kCorruptRecordsLogged));
    run.readEnd = end.kind;
    run.readResult = end.result;
    if (end.kind == JvReadLoop::ReadEnd::Kind::Failed) showError(JVMessage("JVRead", end.result));
    if (Status saved = m_files.endStream(); !saved && !run.storeFailed) {
        run.storeFailed = true;
        showError(kWriteFailed + saved.error());
    }
}

FetchRun RealTimeFetcher::run(FetchOperation operation, const std::string& key, const std::string& raceLabel) {
    const FetchShape& shape = shapeOf(operation);
    FetchRun run;
    // 1. What the fetch is doing.
    m_ports.showStatus(shape.progressAfterLabel ? raceLabel + std::string(shape.progress)
                                                : std::string(shape.progress));
    if (m_ports.processEvents) m_ports.processEvents();
    // 2.-4. Open, read, close.
    run.openResult = m_loop.openRealTime(std::string(realTimeDataspec(shape.stream)), key);
    if (run.openResult != 0) {
        if (beeps(shape.openErrorBeep, m_silent)) m_ports.dialogs.beep();
        showError(raceLabel + std::string(shape.errorTail) + JVMessage("JVRTOpen", run.openResult));
    } else {
        read(shape.stream, key, run);
    }
    run.closeResult = closeStep(shape);
    // 5. The label keeps the last error of the run, so that a failed fetch is not shown as a success, and
    // says how many damaged records a fetch without an error skipped.
    if (m_lastError.empty() && run.recordsSkipped > 0)
        m_lastError = raceLabel + std::string(shape.errorTail) + skippedRecordsText(run.recordsSkipped);
    m_ports.showStatus(m_lastError);
    if (m_ports.processEvents) m_ports.processEvents();
    // 6. The close step once more.
    run.secondCloseResult = closeStep(shape);
    return run;
}

}  // namespace marovix
