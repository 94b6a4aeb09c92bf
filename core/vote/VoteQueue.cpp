#include "core/vote/VoteQueue.h"

#include <set>

#include "core/common/TextFile.h"
#include "core/ports/Clock.h"
#include "core/vote/VoteFile.h"
#include "core/vote/VotePluginFiles.h"
#include "core/vote/VotePluginStart.h"

namespace marovix {

VoteQueue::VoteQueue(VotePluginLauncher& launcher, const Clock& clock, VoteQueueHost& host)
    : m_launcher(launcher), m_clock(clock), m_host(host) {}

// The runs go on; their handles and locks are let go (a run keeps its own part of the lock).
VoteQueue::~VoteQueue() = default;

int VoteQueue::submit(QueuedVote vote) {
    const int id = m_nextId++;
    m_waiting.push_back(Waiting{id, std::move(vote)});
    m_records[id] = Record{};
    m_status.alarm = false;  // a new vote: what it comes to replaces an earlier error in the status
    return id;
}

void VoteQueue::pump() {
    collectEndedRuns();
    std::set<std::string> busyFiles;
    for (auto it = m_waiting.begin(); it != m_waiting.end();) {
        // The votes of one file (one race day) keep their order: a later one never overtakes a waiting one.
        const std::string key = VoteFileName(it->vote.inputs.raceKey16);
        if (busyFiles.count(key) > 0 || handOver(*it) == Turn::Wait) {
            busyFiles.insert(key);
            it->waited = true;
            ++it;
        } else {
            it = m_waiting.erase(it);
        }
    }
}

void VoteQueue::collectEndedRuns() {
    for (auto it = m_runs.begin(); it != m_runs.end();) {
        const PluginRunState state = it->run->poll();
        if (state.running()) {
            ++it;
            continue;
        }
        m_records[it->id].end = state;
        if (state.failed()) {
            const DateTime now = m_clock.now();
            const std::string line = pluginEndLine(it->raceEntry, now, state);
            m_host.appendDayLog({line});
            m_host.appendErrorLog(pluginEndText(state) + "[" + it->raceEntry + "]");
            setStatus(VoteStatus{line, true});
        } else {
            setStatus(VoteStatus{"[" + it->raceEntry + "]投票プラグイン終了 " + m_clock.now().timeText(), false});
        }
        it = m_runs.erase(it);  // the lock goes with it
    }
}

bool VoteQueue::ownRunOn(const std::string& voteFile) const {
    for (const Run& run : m_runs)
        if (run.voteFile == voteFile) return true;
    return false;
}

bool VoteQueue::ownRunIn(const std::string& folder) const {
    for (const Run& run : m_runs)
        if (folderOf(run.voteFile) == folder) return true;
    return false;
}

void VoteQueue::setStatus(VoteStatus status) {
    // An error stays in view until the next vote; later news of waiting votes does not hide it.
    if (status.alarm || !m_status.alarm) m_status = std::move(status);
}

void VoteQueue::step(VoteStep done) {
    if (m_stepHook) m_stepHook(done);
}

void VoteQueue::finish(int id, VoteOutcome outcome) { m_records[id].outcome = outcome; }

VoteQueue::Turn VoteQueue::handOver(Waiting& entry) {
    QueuedVote& vote = entry.vote;
    VoteInputs& inputs = vote.inputs;
    inputs.now = m_clock.now();
    inputs.pluginFolder = m_host.pluginFolder();
    const std::string race = "[" + inputs.raceEntry + "]";

    // 1. The checks again, with the clock and the plug-in folder of now.
    std::optional<VoteRefusal> refused;
    if (entry.waited)
        refused = recheckWaitedVote(inputs, vote.refuseWhenVoted && m_host.raceVoted(vote));
    else if (!(refused = checkVoteDay(inputs)))
        refused = checkVotePlugin(inputs);
    if (refused) {
        m_host.beep();
        if (refused->logLine) m_host.appendDayLog({*refused->logLine});
        if (!refused->logLine || !inputs.automatic) m_host.information(refused->message);
        setStatus(VoteStatus{refused->logLine.value_or(refused->message), true});
        finish(entry.id, VoteOutcome::Refused);
        return Turn::Done;
    }
    step(VoteStep::Checked);

    // 2. The vote file free: no run of this program on it, and the folder's lock taken.
    const std::string voteFile = VoteFilePath(inputs.pluginFolder, inputs.raceKey16);
    auto waitFor = [&](const char* what) {
        setStatus(VoteStatus{"投票待ち" + race + ":" + what, false});
        return Turn::Wait;
    };
    if (ownRunOn(voteFile)) return waitFor("投票プラグインの終了を待っています");
    auto lock = m_launcher.tryLock(VoteLockPath(inputs.pluginFolder));
    if (!lock) {
        m_host.beep();
        m_host.error(lock.error());
        setStatus(VoteStatus{lock.error(), true});
        finish(entry.id, VoteOutcome::Failed);
        return Turn::Done;
    }
    if (!*lock)
        return waitFor(ownRunIn(folderOf(voteFile)) ? "投票プラグインの終了を待っています"
                                                    : "他のプログラムの投票の終了を待っています");
    step(VoteStep::Locked);

    // 3. The vote file.
    auto written = WriteVoteFile(inputs.pluginFolder, inputs.raceKey16, vote.lines);
    if (!written) {
        m_host.error(written.error());
        setStatus(VoteStatus{written.error(), true});
        finish(entry.id, VoteOutcome::Failed);
        return Turn::Done;
    }
    step(VoteStep::FileWritten);

    // 4. The day log, on the disk before anything is handed over.
    if (Status logged = m_host.appendDayLogDurably(voteLogBlock(inputs, vote.lines)); !logged) {
        m_host.beep();
        m_host.error(logged.error());
        setStatus(VoteStatus{logged.error(), true});
        finish(entry.id, VoteOutcome::Failed);
        return Turn::Done;
    }
    step(VoteStep::Logged);

    // 5. The hand-over: an automatic vote in simulation mode stays here.
    if (!(inputs.automatic && inputs.simulation)) {
        auto started = StartVotePlugin(m_launcher, inputs.pluginFolder, *written, lock->get());
        if (!started) {
            const std::string line = voteStartErrorLine(inputs.raceEntry, m_clock.now(), started.error());
            m_host.appendDayLog({line});
            m_host.beep();
            if (m_host.autoRunMode())
                m_host.appendDayLog({kVotePluginStartError});
            else
                m_host.information(kVotePluginStartError);
            setStatus(VoteStatus{line, true});
            finish(entry.id, VoteOutcome::Failed);
            return Turn::Done;
        }
        m_runs.push_back(Run{entry.id, *written, inputs.raceEntry, std::move(*started), std::move(*lock)});
    }
    step(VoteStep::Started);

    // 6. The race is voted.
    m_host.handedOver(vote);
    setStatus(VoteStatus{race + "投票実行 " + inputs.now.timeText(), false});
    finish(entry.id, VoteOutcome::HandedOver);
    step(VoteStep::Marked);
    return Turn::Done;
}

bool VoteQueue::withdraw(int id) {
    for (auto it = m_waiting.begin(); it != m_waiting.end(); ++it) {
        if (it->id != id) continue;
        const std::string line = voteWithdrawnLine(it->vote.inputs, m_clock.now());
        m_host.appendDayLog({line});
        setStatus(VoteStatus{line, true});
        finish(id, VoteOutcome::Withdrawn);
        m_waiting.erase(it);
        return true;
    }
    return false;
}

void VoteQueue::withdrawAll() {
    while (!m_waiting.empty()) withdraw(m_waiting.front().id);
}

VoteOutcome VoteQueue::outcome(int id) const {
    auto it = m_records.find(id);
    return it == m_records.end() ? VoteOutcome::Withdrawn : it->second.outcome;
}

std::optional<PluginRunState> VoteQueue::runEnd(int id) const {
    auto it = m_records.find(id);
    return it == m_records.end() ? std::nullopt : it->second.end;
}

bool VoteQueue::running(int id) const {
    for (const Run& run : m_runs)
        if (run.id == id) return true;
    return false;
}

}  // namespace marovix
