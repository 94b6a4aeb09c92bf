#pragma once
#include "core/ports/VotePluginLauncher.h"

namespace marovix {

// Starts the plug-in with posix_spawn as a child of this process, in a session of its own (a Ctrl-C in
// the terminal does not reach it), with standard input, output and error on /dev/null whatever the
// window mode (Linux shows no window for it), default signal handling, and no descriptor of this process
// but the lock passed on. A missing or non-executable program, a missing working folder or a failed exec
// comes back as an error.
//
// The run keeps the child's pid; poll() reaps it once it has ended (waitpid without waiting), so a polled
// run leaves no zombie. A handle dropped while its run goes on hands the pid to a list that every later
// start, poll or lock attempt reaps. When this program ends first, the run goes on: the system's init (or
// the nearest subreaper) adopts and reaps it, and a lock passed to it stays held until it ends.
//
// The lock is flock on the lock file. flock belongs to the open file, not to the process: the started run
// gets a copy of the descriptor (the only one it inherits), so the lock stays held while either this
// program's descriptor or the run's is open, and is never released by hand (LOCK_UN would release it for
// the run too). A plug-in that closes the descriptors it inherited gives its part of the lock up early.
class PosixVotePluginLauncher : public VotePluginLauncher {
public:
    Result<std::unique_ptr<PluginRun>> start(const std::string& program, const std::string& parameter,
                                             const std::string& workingFolder, PluginWindow window,
                                             PluginRunLock* passOn = nullptr) override;
    Result<std::unique_ptr<PluginRunLock>> tryLock(const std::string& path) override;
};

}  // namespace marovix
