#include "core/jv/StoredDataDownload.h"

#include <cstdio>

#include "core/common/TextFile.h"
#include "core/common/Trim.h"
#include "core/jv/DownloadRecordRule.h"
#include "core/jv/JvMessage.h"
#include "core/ports/Clock.h"
#include "core/ports/Dialogs.h"
#include "core/ports/JvLink.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"

namespace marovix {
namespace {

constexpr const char* kDataspec = "RACEMING";
constexpr int kOptionNormal = 1;
constexpr int kOptionSetup = 3;
constexpr const char* kNoTimestamp = "00000000000000";

constexpr const char* kStartNotice =
    "以降のデータ取込を開始します。データ作成が終了するまで本ソフトを操作したり他のアプリケーションを操作することは"
    "極力避けてください。";
constexpr const char* kNothingNew = "最新のデータがありません。";
constexpr const char* kCancelQuestion = "データ取込を中止します。実行しますか？";
constexpr const char* kCancelled = "JVCancel:キャンセルされました";
constexpr const char* kDone = "データ作成が完了しました。";
// Ends the message of an attempt that leaves LastTime as it was.
constexpr const char* kSameStartNextTime = "次回も同じ日時から取り込みます。";

// yyyy"年"mm"月"dd"日"hh"時"nn"分"ss"秒"
std::string japaneseMoment(const DateTime& t) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d年%02d月%02d日%02d時%02d分%02d秒", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return text;
}

}  // namespace

StoredDataDownload::StoredDataDownload(DownloadPorts ports)
    : m_ports(std::move(ports)), m_loop(m_ports.jvLink, m_ports.readCancelled) {
    Settings& settings = m_ports.settings;
    m_options.finalOdds = settings.readBool(settings::JvDataGetKakuteiOzGet);
    m_options.setupData = settings.readStoredText(settings::JvDataGetLastTime).empty();
    const DateTime yearBack = m_ports.clock.now().addDays(-365);
    m_options.from = DateTime::parseSlash(settings.readText(settings::JvDataGetLastTime)).value_or(yearBack);
    m_loop.processEvents = [this] {
        if (processEvents) processEvents();
    };
    m_loop.waitForData = [this](int result) {
        if (waitForData) waitForData(result);
    };
    m_loop.fetched = [this](const JvReadProgress& progress) { showFetched(progress); };
}

StoredDataDownload::~StoredDataDownload() = default;

void StoredDataDownload::appendErrorLog(const std::string& text) {
    if (m_ports.appendErrorLog) m_ports.appendErrorLog(text);
}

void StoredDataDownload::notify() {
    if (changed) changed();
}

void StoredDataDownload::setBusy(bool busy) { m_progress.busy = busy; }

void StoredDataDownload::stopPolling() { m_progress.statusPolling = false; }

void StoredDataDownload::showWriteError(const std::string& text) { m_ports.dialogs.error(text); }

void StoredDataDownload::CheckBox1Click(bool ticked) {
    m_options.finalOdds = ticked;
    if (Status status = m_ports.settings.writeBool(settings::JvDataGetKakuteiOzGet, ticked); !status)
        showWriteError(status.error());
    notify();
}

void StoredDataDownload::setFinalOdds(bool finalOdds) {
    m_options.finalOdds = finalOdds;
    notify();
}

void StoredDataDownload::setSetupData(bool setup) {
    m_options.setupData = setup;
    notify();
}

void StoredDataDownload::setFrom(const DateTime& moment) {
    m_options.from = moment;
    notify();
}

void StoredDataDownload::SpeedButton1Click() {
    int result = m_ports.jvLink.JVSetUIProperties();
    if (result != 0) {
        m_ports.dialogs.beep();
        m_ports.dialogs.information("JVSetUIPropertiesエラー：" + JVMessage("JVSetUIProperties", result));
    }
}

void StoredDataDownload::ButtonStartClick() {
    if (m_phase != Phase::Idle) return;  // an attempt runs: a second press does nothing
    m_phase = Phase::Starting;
    m_closeAfterAttempt = false;
    m_ports.dialogs.information(japaneseMoment(m_options.from) + kStartNotice);

    stopPolling();
    m_progress.fetched.done = 0;
    m_progress.read.done = 0;
    m_counts = {};
    m_problems.clear();
    m_failure.clear();
    m_outcome = Outcome::None;
    m_storeError.reset();
    const std::string fromTime = m_options.from.compactText();
    m_fromDateNumber = std::stoi(fromTime.substr(0, 8));
    const int option = m_options.setupData ? kOptionSetup : kOptionNormal;
    setBusy(true);
    notify();

    // The open lowers ReadCancelled first.
    const JvReadLoop::StoredOpening opening = m_loop.openStored(kDataspec, fromTime, option);
    m_lastFileTimestamp = opening.lastFileTimestamp;
    if (opening.kind == JvReadLoop::StoredOpening::Kind::NothingNew) {
        m_outcome = Outcome::NothingNew;
        m_ports.dialogs.beep();
        m_ports.dialogs.information(kNothingNew);
        closeStep();
        return;
    }
    if (opening.kind == JvReadLoop::StoredOpening::Kind::Failed) {
        fail("JVOpenエラー:" + JVMessage("JVOpen", opening.result));
        closeStep();
        return;
    }
    m_progress.text =
        "ReadCount:" + std::to_string(opening.filesToRead) + ", DownloadCount:" + std::to_string(opening.filesToFetch);
    if (opening.filesToFetch == 0) {
        m_progress.fetched = {100, 100};
        notify();
        read();
        closeStep();
        return;
    }
    m_progress.text = "ダウンロード中・・・";
    m_progress.fetched.total = opening.filesToFetch;
    m_progress.statusPolling = true;
    m_phase = Phase::Downloading;
    notify();
}

StoredDataDownload::Outcome StoredDataDownload::runUnattended(const std::function<void()>& wait) {
    ButtonStartClick();
    while (m_progress.statusPolling) {
        if (wait) wait();
        TimerJVStatusTimer();
    }
    return m_outcome;
}

void StoredDataDownload::showFetched(const JvReadProgress& progress) {
    m_progress.text = "ダウンロード中．．．(" + std::to_string(progress.filesFetched) + "/" +
                      std::to_string(progress.filesToFetch) + ")";
    m_progress.fetched.done = progress.filesFetched;
}

void StoredDataDownload::TimerJVStatusTimer() {
    if (!m_progress.statusPolling || m_phase != Phase::Downloading || m_inTick) return;
    m_inTick = true;
    const JvReadLoop::StatusStep step = m_loop.pollStatus();  // a count shows through showFetched
    switch (step.kind) {
        case JvReadLoop::StatusStep::Kind::Failed:
            // The polling stops before the message shows, so that no further tick fails again behind it.
            stopPolling();
            fail("JVStatusエラー:" + JVMessage("JVStatus", step.result));
            closeStep();
            break;
        case JvReadLoop::StatusStep::Kind::Fetching: notify(); break;
        case JvReadLoop::StatusStep::Kind::Fetched:
            stopPolling();
            notify();
            read();
            closeStep();
            break;
        case JvReadLoop::StatusStep::Kind::Beyond: break;
    }
    m_inTick = false;
}

void StoredDataDownload::fail(const std::string& message) {
    m_outcome = Outcome::Failed;
    m_failure = message;
    m_ports.dialogs.beep();
    m_ports.dialogs.information(message);
}

void StoredDataDownload::read() {
    m_phase = Phase::Reading;
    const int filesToRead = m_loop.progress().filesToRead;
    const std::string of = "/" + std::to_string(filesToRead) + ")";
    m_progress.text = "データ読込み中．．．(0" + of;
    m_progress.read = {0, filesToRead};
    m_counts.filesRead = 0;
    notify();

    const JvReadLoop::ReadEnd end = m_loop.read(
        kReadSize,
        {[this](const std::string& record, const std::string& fileName) { return handleRecord(record, fileName); },
         [this](const JvReadProgress& progress) { return fileEnded(progress); }});
    // Whatever ended the read, the day files changed since the last file end are saved before anything is
    // shown: a message left open must not hold back what was read.
    if (Status saved = m_store.saveAll(); !saved && !m_storeError) m_storeError = saved.error();
    switch (end.kind) {
        case JvReadLoop::ReadEnd::Kind::Cancelled: m_outcome = Outcome::Cancelled; break;
        case JvReadLoop::ReadEnd::Kind::Stopped: break;  // a day file could not be written: shown below
        case JvReadLoop::ReadEnd::Kind::Failed: fail("JVReadエラー:" + JVMessage("JVRead", end.result)); break;
        case JvReadLoop::ReadEnd::Kind::EndedEarly:
            // LastTime must stay, or the next download would start past files never read.
            fail("データ読込みが途中で終了しました(" + std::to_string(m_counts.filesRead) + of + "。" +
                 kSameStartNextTime);
            break;
        case JvReadLoop::ReadEnd::Kind::EndOfData: {
            if (m_storeError) break;  // not complete: LastTime stays
            m_progress.text = "データ読込み完了(" + std::to_string(m_counts.filesRead) + of;
            m_progress.fetched.done = 0;
            m_progress.read.done = 0;
            const bool saved = advanceLastTime();
            m_progress.text = kDone;
            if (saved) m_outcome = Outcome::Completed;
            break;
        }
    }
    if (m_storeError) fail(kWriteFailed + *m_storeError);
    if (m_counts.recordsCorrupt > static_cast<std::int64_t>(kProblemsKept))
        appendErrorLog(moreSkippedRecordsEntry(m_counts.recordsCorrupt - static_cast<std::int64_t>(kProblemsKept)));
    if (m_counts.recordsCorrupt > 0) m_progress.recordText = skippedRecordsText(m_counts.recordsCorrupt);
    notify();
}

JvReadLoop::Next StoredDataDownload::fileEnded(const JvReadProgress& progress) {
    // The day files of the feed file that ended are complete for now: saved once each, and let go, so
    // that the memory held never passes what one feed file touches.
    if (Status saved = m_store.saveAll(); !saved) {
        m_storeError = saved.error();
        return JvReadLoop::Next::Stop;
    }
    m_counts.filesRead = progress.filesRead;
    m_progress.read.done = progress.filesRead;
    m_progress.text =
        "データ読込み中．．．(" + std::to_string(progress.filesRead) + "/" + std::to_string(progress.filesToRead) + ")";
    m_progress.recordText.clear();
    notify();
    return JvReadLoop::Next::Continue;
}

JvReadLoop::Next StoredDataDownload::handleRecord(const std::string& record, const std::string& fileName) {
    ++m_counts.recordsRead;
    RecordDecision decision = decideRecord(record, m_fromDateNumber, m_options.finalOdds);
    switch (decision.outcome) {
        case RecordDecision::Outcome::NotTaken: ++m_counts.recordsNotTaken; return JvReadLoop::Next::Continue;
        case RecordDecision::Outcome::Corrupt:
            ++m_counts.recordsCorrupt;
            if (m_problems.size() < kProblemsKept) {
                m_problems.push_back(decision.problem);
                appendErrorLog(fileName + ": " + skippedRecordEntry(decision.problem));
            }
            m_progress.recordText = skippedRecordsText(m_counts.recordsCorrupt);
            notify();
            return JvReadLoop::Next::Continue;
        case RecordDecision::Outcome::Store: break;
    }
    const std::string path = joinPath(m_ports.dataFolder, decision.fileName);
    Status status = decision.runnerFile
                        ? m_store.storeRunnerLine(path, decision.line)
                        : m_store.storeRecordLine(path, decision.line, decision.dropEmptyFirstLine, decision.key);
    if (!status) {
        m_storeError = status.error();
        return JvReadLoop::Next::Stop;
    }
    ++m_counts.recordsStored;
    if (decision.label) m_progress.recordText = std::move(*decision.label);
    notify();
    return JvReadLoop::Next::Continue;
}

bool StoredDataDownload::advanceLastTime() {
    const std::string stamp(trimmed(m_lastFileTimestamp, Blanks::SpaceTabLineEnd));
    if (stamp.empty() || stamp == kNoTimestamp) return true;
    // A stamp that is no moment ("yyyymmddhhnnss") leaves LastTime as it is, and the user learns that the
    // next download starts at the same moment again.
    auto moment = stamp.size() == 14 ? DateTime::parseCompact(stamp) : std::nullopt;
    if (!moment) {
        fail("最終ファイルのタイムスタンプが日時ではありません(" + stamp + ")。" + kSameStartNextTime);
        return false;
    }
    m_options.from = *moment;
    if (Status status = m_ports.settings.writeText(settings::JvDataGetLastTime, moment->slashText()); !status) {
        // Every later download would fetch everything again: the attempt has failed.
        m_outcome = Outcome::Failed;
        m_failure = status.error();
        showWriteError(status.error());
        return false;
    }
    return true;
}

void StoredDataDownload::closeStep() {
    const int r = m_loop.close();
    setBusy(false);
    notify();
    m_ports.dialogs.beep();
    if (r != 0) {
        m_outcome = Outcome::Failed;
        m_ports.dialogs.information("JVCloseエラー:" + JVMessage("JVClose", r));
    }
    endAttempt();
}

void StoredDataDownload::endAttempt() {
    m_phase = Phase::Idle;
    m_store.discard();  // nothing is held after a read; a cancel while downloading held nothing either
    notify();
    if (m_closeAfterAttempt) {
        m_closeAfterAttempt = false;
        if (closeWindow) closeWindow();
    }
}

void StoredDataDownload::cancel() {
    stopPolling();
    m_loop.cancel();  // JVCancel, then ReadCancelled is raised
    if (m_phase == Phase::Downloading || m_phase == Phase::Reading) m_outcome = Outcome::Cancelled;
    // A read stops before its next record: what it read is saved now, before the message waits for the
    // user; a failure is shown when the read has ended.
    if (m_phase == Phase::Reading)
        if (Status saved = m_store.saveAll(); !saved && !m_storeError) m_storeError = saved.error();
    m_ports.dialogs.beep();
    m_ports.dialogs.information(kCancelled);
    m_progress.text = kCancelled;
    if (m_phase == Phase::Downloading) {
        // The attempt ends here: no JVClose follows a cancel of the download, so the pointer is
        // restored now.
        setBusy(false);
        endAttempt();
        return;
    }
    notify();
}

void StoredDataDownload::ButtonCancelClick() {
    if (!m_ports.dialogs.confirm(kCancelQuestion)) return;
    cancel();
}

bool StoredDataDownload::FormCloseQuery() {
    if (m_phase == Phase::Idle) return true;
    if (m_phase == Phase::Starting) return false;
    if (!m_ports.dialogs.confirm(kCancelQuestion)) return false;
    const bool reading = m_phase == Phase::Reading;
    if (reading) m_closeAfterAttempt = true;
    cancel();
    return !reading;
}

void StoredDataDownload::FormClose() {
    if (m_ports.dayListRebuild) m_ports.dayListRebuild();
}

}  // namespace marovix
