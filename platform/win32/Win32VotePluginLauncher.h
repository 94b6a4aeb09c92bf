#pragma once
#include "core/ports/VotePluginLauncher.h"

namespace marovix {

// Starts the plug-in with ShellExecuteExW, as the installed plug-in expects to be started: the program,
// the parameter text passed as it is (unquoted, blanks and all), the working folder, shown normally or
// hidden. The run keeps the process handle the start returns; poll() looks at it without waiting and
// reports the exit code (a Windows process has no signals). A start the system refuses is an error with
// the system's reason.
//
// The lock is the lock file opened with no sharing at all: while any handle of that open file exists,
// nobody (this program included) can open the file again, which is what tryLock tries. A lock passed to
// a start is duplicated into the started process (DuplicateHandle), so the plug-in holds the open file
// as well without knowing it, and the system closes that handle only when the plug-in ends, however this
// program ends meanwhile: the counterpart of the POSIX side's inherited flock descriptor. Should the
// duplication fail (a plug-in that ended at once, or one running elevated), the lock stays held by this
// program's own handle until its run is seen to end.
class Win32VotePluginLauncher : public VotePluginLauncher {
public:
    Result<std::unique_ptr<PluginRun>> start(const std::string& program, const std::string& parameter,
                                             const std::string& workingFolder, PluginWindow window,
                                             PluginRunLock* passOn = nullptr) override;
    Result<std::unique_ptr<PluginRunLock>> tryLock(const std::string& path) override;
};

}  // namespace marovix
