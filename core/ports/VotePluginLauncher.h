#pragma once
// Port: starts the vote plug-in program as a process of its own and lets it run.
#include <string>

#include "core/common/Result.h"

namespace marovix {

// How the started program shows itself. A platform without windows for it may treat both alike.
enum class PluginWindow { Shown, Hidden };

class VotePluginLauncher {
public:
    virtual ~VotePluginLauncher() = default;
    // Starts `program` detached with the one parameter text `parameter` (passed whole, never split or
    // quoted) in the working folder `workingFolder`, and returns at once: it never waits for the
    // program and nothing is left to reap. A start the platform refuses (program missing or not
    // executable, working folder missing, no process to be had) is an error naming the program.
    virtual Status startDetached(const std::string& program, const std::string& parameter,
                                 const std::string& workingFolder, PluginWindow window) = 0;
};

}  // namespace marovix
