#pragma once
// A plug-in launcher for tests: records every start, gives each started run the next scripted course
// (still running, exit 0 or 1, a signal; a run with no script exits 0 when first looked at), can be told
// to refuse starts, and keeps locks as flock does: one holder at a time, a lock passed to a run held
// until that run ends, and a holder "elsewhere" (another program) the test switches on and off.
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/ports/VotePluginLauncher.h"

namespace marovix {

class FakeVotePluginLauncher : public VotePluginLauncher {
public:
    struct Start {
        std::string program;
        std::string parameter;
        std::string workingFolder;
        PluginWindow window = PluginWindow::Shown;
        bool lockPassed = false;
    };
    std::vector<Start> starts;  // every start asked for, refused ones too
    // Runs at every start, after it was recorded (a test's look at the files the plug-in would find).
    std::function<void(const Start&)> onStart;

    // The course of the next started runs, in order.
    static PluginRunState running() { return {PluginRunState::Kind::Running, 0}; }
    static PluginRunState exits(int code) { return {PluginRunState::Kind::Exited, code}; }
    static PluginRunState killedBy(int signal) { return {PluginRunState::Kind::Signalled, signal}; }
    void script(std::vector<PluginRunState> courses) {
        m_script.insert(m_script.end(), courses.begin(), courses.end());
    }
    // Ends run `index` (in start order) as `state` says; it shows at the run's next poll.
    void end(std::size_t index, PluginRunState state) { m_runs->at(index) = state; }
    // How run `index` stands (Running until ended).
    PluginRunState state(std::size_t index) const { return m_runs->at(index); }
    std::size_t runCount() const { return m_runs->size(); }

    // From now on every start fails with this text (as a platform refusal would); nothing clears it.
    void refuseWith(std::string reason) { m_refusal = std::move(reason); }
    // Another program holds every lock while this is on.
    void holdLocksElsewhere(bool held) { m_elsewhere = held; }
    // Every lock attempt fails with this text while set (a lock file that cannot be made).
    void failLocksWith(std::optional<std::string> reason) { m_lockFailure = std::move(reason); }

    Result<std::unique_ptr<PluginRun>> start(const std::string& program, const std::string& parameter,
                                             const std::string& workingFolder, PluginWindow window,
                                             PluginRunLock* passOn = nullptr) override {
        starts.push_back({program, parameter, workingFolder, window, passOn != nullptr});
        if (onStart) onStart(starts.back());
        if (m_refusal) return Error{program + ": " + *m_refusal};
        PluginRunState course = exits(0);
        if (!m_script.empty()) {
            course = m_script.front();
            m_script.erase(m_script.begin());
        }
        const std::size_t index = m_runs->size();
        m_runs->push_back(course);
        if (auto* lock = dynamic_cast<FakeLock*>(passOn)) (*m_lockRuns)[lock->path].push_back(index);
        return std::unique_ptr<PluginRun>(std::make_unique<FakeRun>(m_runs, index));
    }

    Result<std::unique_ptr<PluginRunLock>> tryLock(const std::string& path) override {
        if (m_lockFailure) return Error{path + ": " + *m_lockFailure};
        if (m_elsewhere || m_held->count(path) > 0) return std::unique_ptr<PluginRunLock>();
        for (std::size_t run : (*m_lockRuns)[path])
            if ((*m_runs)[run].running()) return std::unique_ptr<PluginRunLock>();
        return std::unique_ptr<PluginRunLock>(std::make_unique<FakeLock>(m_held, path));
    }

private:
    using Runs = std::shared_ptr<std::vector<PluginRunState>>;
    class FakeRun : public PluginRun {
    public:
        FakeRun(Runs runs, std::size_t index) : m_runs(std::move(runs)), m_index(index) {}
        PluginRunState poll() override { return (*m_runs)[m_index]; }

    private:
        Runs m_runs;
        std::size_t m_index;
    };
    using Held = std::shared_ptr<std::map<std::string, int>>;
    class FakeLock : public PluginRunLock {
    public:
        FakeLock(Held held, std::string lockPath) : path(std::move(lockPath)), m_held(std::move(held)) {
            ++(*m_held)[path];
        }
        ~FakeLock() override {
            if (--(*m_held)[path] == 0) m_held->erase(path);
        }
        const std::string path;

    private:
        Held m_held;
    };

    std::optional<std::string> m_refusal;
    std::optional<std::string> m_lockFailure;
    bool m_elsewhere = false;
    std::vector<PluginRunState> m_script;
    Runs m_runs = std::make_shared<std::vector<PluginRunState>>();
    Held m_held = std::make_shared<std::map<std::string, int>>();
    std::shared_ptr<std::map<std::string, std::vector<std::size_t>>> m_lockRuns =
        std::make_shared<std::map<std::string, std::vector<std::size_t>>>();
};

}  // namespace marovix
