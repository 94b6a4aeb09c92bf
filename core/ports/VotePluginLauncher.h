#pragma once
// Port: starts the vote plug-in program as a process of its own and reports the started run, and takes
// the lock that keeps two programs from handing over votes at the same time.
#include <memory>
#include <string>

#include "core/common/Result.h"

namespace marovix {

// How the started program shows itself. A platform without windows for it may treat both alike.
enum class PluginWindow { Shown, Hidden };

// How a started run stands.
struct PluginRunState {
    enum class Kind {
        Running,
        Exited,     // ended by itself: `code` is its exit status
        Signalled,  // ended by a signal: `code` is the signal's number
        Unknown,    // ended, but how is not known (its end was taken by someone else)
    };
    Kind kind = Kind::Running;
    int code = 0;

    bool running() const { return kind == Kind::Running; }
    // Ended with a non-zero status or by a signal.
    bool failed() const { return kind == Kind::Signalled || (kind == Kind::Exited && code != 0); }
    friend bool operator==(const PluginRunState&, const PluginRunState&) = default;
};

// A started run. The run goes on when the handle is dropped; nothing of it is left behind then.
class PluginRun {
public:
    virtual ~PluginRun() = default;
    // Looks, without waiting, whether the run still runs and how it ended. Once ended, the answer stays.
    virtual PluginRunState poll() = 0;
};

// An exclusive lock on a lock file, held while the object lives and, once passed to a start, also by the
// started run until that run ends (however this program ends meanwhile).
class PluginRunLock {
public:
    virtual ~PluginRunLock() = default;
};

class VotePluginLauncher {
public:
    virtual ~VotePluginLauncher() = default;
    // Starts `program` with the one parameter text `parameter` (passed whole, never split or quoted) in
    // the working folder `workingFolder`, and returns at once with the run: it never waits for the
    // program. The run gets none of this program's input and output streams. `passOn`, when given, is
    // held by the run as well until it ends. A start the platform refuses (program missing or not
    // executable, working folder missing, no process to be had) is an error naming the program.
    virtual Result<std::unique_ptr<PluginRun>> start(const std::string& program, const std::string& parameter,
                                                     const std::string& workingFolder, PluginWindow window,
                                                     PluginRunLock* passOn = nullptr) = 0;
    // Takes the lock of the file `path` (made when missing) without waiting: the held lock, or an empty
    // pointer while another holder (this program included) has it. An error when the file cannot be made
    // or opened (its folder is missing, for instance).
    virtual Result<std::unique_ptr<PluginRunLock>> tryLock(const std::string& path) = 0;
};

}  // namespace marovix
