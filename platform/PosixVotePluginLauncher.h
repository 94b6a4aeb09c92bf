#pragma once
#include "core/ports/VotePluginLauncher.h"

namespace marovix {

// Starts the plug-in with fork and exec, detached: a session of its own, no zombie left (the
// intermediate child exits at once and is reaped here; the plug-in is adopted by init). A missing
// or non-executable program, a missing working folder or a failed exec comes back as an error: the
// plug-in's exec reports its failure through a close-on-exec pipe, which is all the waiting done.
// Linux shows no window for the plug-in: a shown start keeps this process's standard output and
// error, a hidden one sends them to /dev/null. Standard input is always /dev/null.
class PosixVotePluginLauncher : public VotePluginLauncher {
public:
    Status startDetached(const std::string& program, const std::string& parameter, const std::string& workingFolder,
                         PluginWindow window) override;
};

}  // namespace marovix
