// The vote handlers of the main window: the vote command (manual and automatic) with its queue, the
// voted races of a loaded day, and the plug-in's menus.
#include <set>

#include "core/app/MainModel.h"
#include "core/common/TextFile.h"
#include "core/ports/Clock.h"
#include "core/ports/Dialogs.h"
#include "core/ports/DocumentOpener.h"
#include "core/ports/Sound.h"
#include "core/race/JvRecord.h"
#include "core/race/RecordFields.h"
#include "core/session/VotedRaces.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "core/vote/VoteCommand.h"
#include "core/vote/VoteLogScan.h"
#include "core/vote/VoteQueue.h"

namespace marovix {
namespace {

// The IPAT service's page.
constexpr const char* kIpatPage = "https://www.ipat.jra.go.jp/";
constexpr const char* kBuildMethods[] = {"順位指標指定", "事前馬番指定", "手動"};

}  // namespace

// The queue's view of the main window.
class MainModel::VoteHost : public VoteQueueHost {
public:
    explicit VoteHost(MainModel& model) : m_model(model) {}

    std::string pluginFolder() override { return m_model.m_settings->readStoredText(settings::DirVQMTohyo2); }
    bool raceVoted(const QueuedVote& vote) override { return sameRace(vote) && m_model.m_session.tohyoDone(vote.slot); }
    void appendDayLog(const std::vector<std::string>& lines) override { m_model.appendDayLog(lines); }
    Status appendDayLogDurably(const std::vector<std::string>& lines) override {
        if (!m_model.m_dayLog) return Error{"日ログが開かれていません"};
        Status status = m_model.m_dayLog->appendDurably(lines);
        m_model.showAutoNaviList();
        return status;
    }
    void appendErrorLog(const std::string& text) override { m_model.appendErrorLog(text); }
    void beep() override { m_model.m_ports.dialogs.beep(); }
    void information(const std::string& text) override { m_model.m_ports.dialogs.information(text); }
    void error(const std::string& text) override { m_model.m_ports.dialogs.error(text); }
    bool autoRunMode() override { return m_model.m_autoRunMode; }
    void handedOver(const QueuedVote& vote) override {
        // 9. The sound of an automatic vote. 10. The race is voted, when its day is still the one loaded.
        if (vote.inputs.automatic && m_model.m_state.options.on(MainOption::SoundTohyo))
            m_model.m_ports.sound.play(m_model.m_settings->readText(settings::InfoSettingsTohyoAlarm));
        if (sameRace(vote)) m_model.m_session.slot(vote.slot).TohyoDone = true;
    }

private:
    bool sameRace(const QueuedVote& vote) const {
        return vote.slot >= 0 && vote.slot < kRaceSlotCount &&
               fieldText(m_model.m_session.race(vote.slot), RaField::raceKey16) == vote.inputs.raceKey16;
    }

    MainModel& m_model;
};

void MainModel::makeVoteQueue() {
    m_voteHost = std::make_unique<VoteHost>(*this);
    m_voteQueue = std::make_unique<VoteQueue>(m_ports.launcher, m_ports.clock, *m_voteHost);
}

void MainModel::TohyouBtnClick() { vote(false); }

void MainModel::AutoTohyoBtnClick() { vote(true); }

void MainModel::vote(bool automatic) {
    const HandlerScope scope(*this);
    const int page = std::clamp(m_state.options.value(MainOption::TabIndex), 0, 8);
    const KaimeGrid& grid = page == 0 ? m_state.allKaimeGrid : m_state.kaimeGrid(static_cast<BetType>(page - 1));
    const RaceSlot slot = m_state.currentRace;
    VoteInputs inputs;
    inputs.automatic = automatic;
    inputs.dateText = m_state.shownDay.value_or("");
    const int entry = m_state.entryOfSlot(slot);
    inputs.raceSelected = entry >= 0;
    if (inputs.raceSelected) {
        inputs.raceEntry = m_state.datList[static_cast<std::size_t>(entry)];
        inputs.raceKey16 = std::string(fieldText(m_session.race(slot), RaField::raceKey16));
        inputs.postTime = std::string(fieldText(m_session.race(slot), RaField::postTime));
    }
    inputs.now = m_ports.clock.now();
    inputs.page = page;
    inputs.stakeTotal = page == 0 ? m_state.labels[LabelId::SoTohyoGakuLabel].text
                                  : m_state.labels[{static_cast<BetType>(page - 1), BetLabel::Toshi}].text;
    const int method = std::clamp(m_state.options.value(MainOption::ShihyoSet), 0, 2);
    inputs.buildMethod = kBuildMethods[method];
    inputs.pluginFolder = m_settings->readStoredText(settings::DirVQMTohyo2);
    inputs.simulation = m_state.options.on(MainOption::SimMode);

    // 2. The checks, in order.
    if (auto refused = checkVote(inputs, grid)) {
        m_ports.dialogs.beep();
        if (refused->logLine)
            appendDayLog({*refused->logLine});
        else
            m_ports.dialogs.information(refused->message);
        return;
    }
    // 3. The vote lines of the complete rows that are not struck out.
    auto lines = VoteLines(inputs.raceKey16, votedRows(grid));
    if (!lines) {
        m_ports.dialogs.beep();
        m_ports.dialogs.error(lines.error());
        return;
    }
    // 4.-5. A manual vote asks first (the sound file is read when the vote is handed over).
    if (!automatic && !m_ports.dialogs.confirm(voteQuestion(inputs.raceEntry))) return;
    // 6.-10. The vote waits its turn in the queue: the vote file, the day log, the hand-over, TohyoDone.
    const bool refuseWhenVoted = automatic && !m_state.options.on(MainOption::DupOK);
    m_lastVote = m_voteQueue->submit(QueuedVote{std::move(inputs), slot, std::move(*lines), refuseWhenVoted});
    m_voteQueue->pump();
    showVoteStatus();
}

void MainModel::VoteQueueTimerTimer() {
    if (busy()) return;  // inside a half-done handler: the next tick pumps
    const HandlerScope scope(*this);
    if (m_voteQueue->waitingCount() == 0 && m_voteQueue->runningCount() == 0) return;
    m_voteQueue->pump();
    showVoteStatus();
}

bool MainModel::withdrawVote(int id) {
    const HandlerScope scope(*this);
    const bool withdrawn = m_voteQueue->withdraw(id);
    showVoteStatus();
    return withdrawn;
}

void MainModel::showVoteStatus() {
    const VoteStatus& status = m_voteQueue->status();
    Label label{status.text, status.alarm ? std::optional<Rgb>(0xFF0000u) : std::nullopt, std::nullopt};
    if (m_state.labels[LabelId::TohyoStatusLabel] == label) return;
    m_state.labels[LabelId::TohyoStatusLabel] = std::move(label);
    notify(StatePart::Labels);
}

void MainModel::restoreTohyoDone() {
    std::vector<LoggedVote> votes;
    auto scan = [&votes](const std::vector<std::string>& lines) {
        auto found = loggedVotes(lines);
        votes.insert(votes.end(), found.begin(), found.end());
    };
    const std::string ownLog = m_dayLog ? m_dayLog->path() : std::string();
    if (m_dayLog) scan(m_dayLog->lines());
    for (const DateTime& day : voteLogDays(m_session)) {
        const std::string path = m_folders.dayLogPath(day.dateKey());
        if (path == ownLog) continue;
        // A log that cannot be read holds no votes that could be restored; it is not this load's error.
        if (auto lines = readTextLines(path)) scan(*lines);
    }
    markVotedRaces(m_session, votes, std::set<std::string>(m_state.dateCombo.begin(), m_state.dateCombo.end()));
}

void MainModel::VQM1Click() {
    const HandlerScope scope(*this);
    const std::string current = m_settings->readText(settings::DirVQMTohyo2);
    if (auto folder = m_ports.dialogs.chooseFolder("VQM投票プラグイン２フォルダの指定", current))
        reportWrite(m_settings->writeText(settings::DirVQMTohyo2, *folder));
}

void MainModel::IPAT2Click() { m_ports.opener.open(kIpatPage); }

}  // namespace marovix
