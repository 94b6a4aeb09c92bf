#include "core/jv/StoredDataDownload.h"

#include <cstdio>

#include "core/common/TextFile.h"
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
// A day file that cannot be written ends the read: the text is followed by the system's reason.
constexpr const char* kWriteFailed = "データ保存エラー:";
// Ends the message of an attempt that leaves LastTime as it was.
constexpr const char* kSameStartNextTime = "次回も同じ日時から取り込みます。";
// MkDataLabel after a corrupt record was skipped, followed by the count and "件".
constexpr const char* kCorruptSkipped = "不正レコード読み飛ばし:";

// yyyy"年"mm"月"dd"日"hh"時"nn"分"ss"秒"
std::string japaneseMoment(const DateTime& t) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d年%02d月%02d日%02d時%02d分%02d秒", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return text;
}

std::string trimmed(const std::string& text) {
    auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::string corruptLabel(std::int64_t count) { return kCorruptSkipped + std::to_string(count) + "件"; }

}  // namespace

StoredDataDownload::StoredDataDownload(DownloadPorts ports) : m_ports(std::move(ports)) {
    Settings& settings = m_ports.settings;
    m_state.CheckBox1 = settings.readBool(settings::JvDataGetKakuteiOzGet);
    m_state.rbtSetup = settings.readStoredText(settings::JvDataGetLastTime).empty();
    const DateTime yearBack = m_ports.clock.now().addDays(-365);
    m_state.DateTimePicker1 = DateTime::parseSlash(settings.readText(settings::JvDataGetLastTime)).value_or(yearBack);
}

StoredDataDownload::~StoredDataDownload() = default;

void StoredDataDownload::notify() {
    if (changed) changed();
}

void StoredDataDownload::setBusy(bool busy) { m_state.busyPointer = busy; }

void StoredDataDownload::stopTimer() { m_state.TimerJVStatus = false; }

void StoredDataDownload::showWriteError(const std::string& text) { m_ports.dialogs.error(text); }

void StoredDataDownload::CheckBox1Click(bool ticked) {
    m_state.CheckBox1 = ticked;
    if (Status status = m_ports.settings.writeBool(settings::JvDataGetKakuteiOzGet, ticked); !status)
        showWriteError(status.error());
    notify();
}

void StoredDataDownload::setCheckBox1(bool ticked) {
    m_state.CheckBox1 = ticked;
    notify();
}

void StoredDataDownload::setSetupData(bool setup) {
    m_state.rbtSetup = setup;
    notify();
}

void StoredDataDownload::setDateTimePicker1(const DateTime& moment) {
    m_state.DateTimePicker1 = moment;
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
    m_ports.dialogs.information(japaneseMoment(m_state.DateTimePicker1) + kStartNotice);

    stopTimer();
    m_ports.readCancelled.lower();
    m_state.ProgressBar1.position = 0;
    m_state.ProgressBar2.position = 0;
    m_counts = {};
    m_problems.clear();
    m_failure.clear();
    m_outcome = Outcome::None;
    m_storeFailed = false;
    const std::string fromTime = m_state.DateTimePicker1.compactText();
    m_fromDateNumber = std::stoi(fromTime.substr(0, 8));
    const int option = m_state.rbtSetup ? kOptionSetup : kOptionNormal;
    setBusy(true);
    notify();

    m_readCount = 0;
    m_downloadCount = 0;
    m_lastFileTimestamp.clear();
    int result = m_ports.jvLink.JVOpen(kDataspec, fromTime, option, m_readCount, m_downloadCount, m_lastFileTimestamp);
    if (result == -1 || (result == 0 && m_readCount == 0)) {
        m_outcome = Outcome::NothingNew;
        m_ports.dialogs.beep();
        m_ports.dialogs.information(kNothingNew);
        closeStep();
        return;
    }
    if (result != 0) {
        fail("JVOpenエラー:" + JVMessage("JVOpen", result));
        closeStep();
        return;
    }
    m_state.ProgressLabel =
        "ReadCount:" + std::to_string(m_readCount) + ", DownloadCount:" + std::to_string(m_downloadCount);
    if (m_downloadCount == 0) {
        m_state.ProgressBar1 = {100, 100};
        notify();
        read();
        closeStep();
        return;
    }
    m_state.ProgressLabel = "ダウンロード中・・・";
    m_state.ProgressBar1.maximum = m_downloadCount;
    m_state.TimerJVStatus = true;
    m_phase = Phase::Downloading;
    notify();
}

StoredDataDownload::Outcome StoredDataDownload::runUnattended(const std::function<void()>& wait) {
    ButtonStartClick();
    while (m_state.TimerJVStatus) {
        if (wait) wait();
        TimerJVStatusTimer();
    }
    return m_outcome;
}

void StoredDataDownload::TimerJVStatusTimer() {
    if (!m_state.TimerJVStatus || m_phase != Phase::Downloading || m_inTick) return;
    m_inTick = true;
    const int n = m_ports.jvLink.JVStatus();
    if (n < 0) {
        // The timer stops before the message shows, so that no further tick fails again behind it.
        stopTimer();
        fail("JVStatusエラー:" + JVMessage("JVStatus", n));
        closeStep();
    } else if (n <= m_downloadCount) {
        m_state.ProgressLabel =
            "ダウンロード中．．．(" + std::to_string(n) + "/" + std::to_string(m_downloadCount) + ")";
        m_state.ProgressBar1.position = n;
        if (n == m_downloadCount) {
            stopTimer();
            notify();
            read();
            closeStep();
        } else {
            notify();
        }
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
    const std::string of = "/" + std::to_string(m_readCount) + ")";
    m_state.ProgressLabel = "データ読込み中．．．(0" + of;
    m_state.ProgressBar2 = {0, m_readCount};
    m_counts.filesRead = 0;
    notify();

    std::string record;
    std::string fileName;
    for (;;) {
        if (processEvents) processEvents();
        if (m_ports.readCancelled.raised()) {
            m_outcome = Outcome::Cancelled;
            break;
        }
        const int r = m_ports.jvLink.JVRead(record, kReadSize, fileName);
        if (r > 0) {
            handleRecord(record);
            if (m_storeFailed) break;
        } else if (r == -1) {
            ++m_counts.filesRead;
            m_state.ProgressBar2.position = m_counts.filesRead;
            m_state.ProgressLabel = "データ読込み中．．．(" + std::to_string(m_counts.filesRead) + of;
            m_state.MkDataLabel.clear();
            notify();
        } else if (r == 0) {
            // After a cancel the component reports the end although files were left unread: that must
            // not advance LastTime past them.
            if (m_ports.readCancelled.raised()) {
                m_outcome = Outcome::Cancelled;
                break;
            }
            // The end of the data is complete only when every offered file ended (-1 once per file);
            // otherwise LastTime must stay, or the next download would start past files never read.
            if (m_counts.filesRead != m_readCount) {
                fail("データ読込みが途中で終了しました(" + std::to_string(m_counts.filesRead) + of + "。" +
                     kSameStartNextTime);
                break;
            }
            m_state.ProgressLabel = "データ読込み完了(" + std::to_string(m_counts.filesRead) + of;
            m_state.ProgressBar1.position = 0;
            m_state.ProgressBar2.position = 0;
            const bool saved = advanceLastTime();
            m_state.ProgressLabel = kDone;
            if (saved) m_outcome = Outcome::Completed;
            break;
        } else if (r < -3) {
            fail("JVReadエラー:" + JVMessage("JVRead", r));
            break;
        } else if (waitForData) {
            // -2 and -3: the file is still being fetched; call again after a moment.
            waitForData(r);
        }
    }
    if (m_counts.recordsCorrupt > 0) m_state.MkDataLabel = corruptLabel(m_counts.recordsCorrupt);
    notify();
}

void StoredDataDownload::handleRecord(const std::string& record) {
    ++m_counts.recordsRead;
    RecordDecision decision = decideRecord(record, m_fromDateNumber, m_state.CheckBox1);
    switch (decision.outcome) {
        case RecordDecision::Outcome::NotTaken: ++m_counts.recordsNotTaken; return;
        case RecordDecision::Outcome::Corrupt:
            ++m_counts.recordsCorrupt;
            if (m_problems.size() < kProblemsKept) m_problems.push_back(decision.problem);
            m_state.MkDataLabel = corruptLabel(m_counts.recordsCorrupt);
            notify();
            return;
        case RecordDecision::Outcome::Store: break;
    }
    const std::string path = joinPath(m_ports.dataFolder, decision.fileName);
    Status status = decision.runnerFile ? m_store.storeRunnerLine(path, decision.line)
                                        : m_store.storeRecordLine(path, decision.line, decision.dropEmptyFirstLine);
    if (!status) {
        m_storeFailed = true;
        m_store.forget();
        fail(kWriteFailed + status.error());
        return;
    }
    ++m_counts.recordsStored;
    if (decision.label) m_state.MkDataLabel = std::move(*decision.label);
    notify();
}

bool StoredDataDownload::advanceLastTime() {
    const std::string stamp = trimmed(m_lastFileTimestamp);
    if (stamp.empty() || stamp == kNoTimestamp) return true;
    // A stamp that is no moment ("yyyymmddhhnnss") leaves LastTime as it is, and the user learns that the
    // next download starts at the same moment again.
    auto moment = stamp.size() == 14 ? DateTime::parseCompact(stamp) : std::nullopt;
    if (!moment) {
        fail("最終ファイルのタイムスタンプが日時ではありません(" + stamp + ")。" + kSameStartNextTime);
        return false;
    }
    m_state.DateTimePicker1 = *moment;
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
    const int r = m_ports.jvLink.JVClose();
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
    m_store.forget();
    notify();
    if (m_closeAfterAttempt) {
        m_closeAfterAttempt = false;
        if (closeWindow) closeWindow();
    }
}

void StoredDataDownload::cancel() {
    stopTimer();
    m_ports.jvLink.JVCancel();
    m_ports.readCancelled.raise();
    if (m_phase == Phase::Downloading || m_phase == Phase::Reading) m_outcome = Outcome::Cancelled;
    m_ports.dialogs.beep();
    m_ports.dialogs.information(kCancelled);
    m_state.ProgressLabel = kCancelled;
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
