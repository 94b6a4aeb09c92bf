#pragma once
// The votes waiting for their hand-over to the vote plug-in, and the plug-in runs handed a vote file.
//
// All votes of a race day share one vote file, which the plug-in reads some time after it starts. So a
// vote is handed over only when no run handed its vote file by this program still runs and the lock file
// of the kaime folder (Marovix.lock) can be taken: that lock is held from writing the vote file until the
// run handed it has ended, also by the run itself, so another program (a second window, the command line)
// waits as well, even after the program that started the run has ended. Until then the vote waits here,
// in the order the votes came; nothing blocks. A tick (the window's timer, the command line's polling,
// the scheduler) calls pump(), which first records the runs that have ended and then hands over the
// waiting votes in turn, each checked again first.
//
// A hand-over, in order: the checks again; the lock; the vote file; the day-log block, on the disk before
// the plug-in starts; the plug-in's start, passing the lock on to the run; the race marked voted. A start
// that fails after the block adds a "[エラー]" line naming the start error and leaves the race unvoted. A
// run that ends with a non-zero status or by a signal adds a "[エラー]" line to the day log and the error
// log; its race stays voted (the plug-in may have placed part of it).
#include <functional>
#include <list>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/common/Result.h"
#include "core/ports/VotePluginLauncher.h"
#include "core/vote/VoteCommand.h"

namespace marovix {

class Clock;

// A vote that passed its checks (and the user's confirmation).
struct QueuedVote {
    VoteInputs inputs;               // as at the vote; clock and plug-in folder are taken again at hand-over
    int slot = -1;                   // the race's RaceSlot in the day it was voted from
    std::vector<std::string> lines;  // the vote-file lines
    // An automatic vote without DupTohyoOK: refused when its race was voted while it waited.
    bool refuseWhenVoted = false;
};

enum class VoteOutcome {
    Waiting,     // in the queue
    HandedOver,  // handed to the plug-in (or kept from it by simulation): the race is voted
    Refused,     // a check refused it when it came to be handed over
    Failed,      // the lock, the vote file, the day log or the start failed: not handed over
    Withdrawn,   // given up while waiting (withdraw)
};

// The steps of a hand-over, each reported to the step hook when done.
enum class VoteStep { Checked, Locked, FileWritten, Logged, Started, Marked };

// The vote shown in the window's status line: the last event of the queue; an error or refusal stays
// until the next vote is put into the queue.
struct VoteStatus {
    std::string text;
    bool alarm = false;  // an error or a refusal
    friend bool operator==(const VoteStatus&, const VoteStatus&) = default;
};

// What the queue needs of the program around it.
class VoteQueueHost {
public:
    virtual ~VoteQueueHost() = default;
    // Dir/VQMTohyo2 as stored now.
    virtual std::string pluginFolder() = 0;
    // The race of `vote` is marked voted now (in the day loaded now).
    virtual bool raceVoted(const QueuedVote& vote) = 0;
    // Appends lines to the day log (saved and shown).
    virtual void appendDayLog(const std::vector<std::string>& lines) = 0;
    // Appends lines to the day log and puts them on the disk, or takes them back and fails.
    virtual Status appendDayLogDurably(const std::vector<std::string>& lines) = 0;
    virtual void appendErrorLog(const std::string& text) = 0;
    virtual void beep() = 0;
    virtual void information(const std::string& text) = 0;
    virtual void error(const std::string& text) = 0;
    // Automatic operation is on: where a failed start is reported.
    virtual bool autoRunMode() = 0;
    // The vote was handed over (or simulation kept it from the plug-in): mark its race, play the sound.
    virtual void handedOver(const QueuedVote& vote) = 0;
};

class VoteQueue {
public:
    VoteQueue(VotePluginLauncher& launcher, const Clock& clock, VoteQueueHost& host);
    ~VoteQueue();
    VoteQueue(const VoteQueue&) = delete;
    VoteQueue& operator=(const VoteQueue&) = delete;

    // Adds a vote at the end of the queue; its number. It is handed over by the next pump() that finds
    // its turn.
    int submit(QueuedVote vote);
    // Records the runs that have ended, then hands over the waiting votes in order. A vote whose vote
    // file (or lock) is busy waits, and so does every later vote of the same file.
    void pump();
    // Gives up a waiting vote (its "[投票不可]" line goes to the day log); false when it no longer waits.
    bool withdraw(int id);
    // Gives up every waiting vote.
    void withdrawAll();

    VoteOutcome outcome(int id) const;
    // How the run handed the vote ended; nothing while it runs, or when it was not started.
    std::optional<PluginRunState> runEnd(int id) const;
    // The run handed the vote still runs.
    bool running(int id) const;
    std::size_t waitingCount() const { return m_waiting.size(); }
    std::size_t runningCount() const { return m_runs.size(); }
    const VoteStatus& status() const { return m_status; }

    // Tests: called after each step of a hand-over.
    void setStepHook(std::function<void(VoteStep)> hook) { m_stepHook = std::move(hook); }

private:
    struct Waiting {
        int id;
        QueuedVote vote;
        bool waited = false;  // stayed in the queue after a pump
    };
    struct Run {
        int id;
        std::string voteFile;
        std::string raceEntry;
        std::unique_ptr<PluginRun> run;
        std::unique_ptr<PluginRunLock> lock;
    };
    struct Record {
        VoteOutcome outcome = VoteOutcome::Waiting;
        std::optional<PluginRunState> end;
    };
    enum class Turn { Done, Wait };

    void collectEndedRuns();
    Turn handOver(Waiting& entry);
    void step(VoteStep done);
    void setStatus(VoteStatus status);
    void finish(int id, VoteOutcome outcome);
    bool ownRunOn(const std::string& voteFile) const;
    bool ownRunIn(const std::string& folder) const;

    VotePluginLauncher& m_launcher;
    const Clock& m_clock;
    VoteQueueHost& m_host;
    std::list<Waiting> m_waiting;
    std::vector<Run> m_runs;
    std::map<int, Record> m_records;
    int m_nextId = 1;
    VoteStatus m_status;
    std::function<void(VoteStep)> m_stepHook;
};

}  // namespace marovix
