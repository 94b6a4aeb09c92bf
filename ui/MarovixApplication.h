#pragma once
// The program's start: the JV-Link presence check, the windows in their order, the event loop.
#include <memory>
#include <optional>
#include <string>

#include "core/common/DateTime.h"

namespace marovix {

struct ProgramOptions {
    std::string appFolder;       // the executable's folder unless --app-folder is given
    std::string windowsFolder;   // the program's shared-data folder (holds Media/)
    std::optional<DateTime> at;  // --at "yyyy/mm/dd hh:nn:ss": the clock starts there and runs on
};

// Reads the program's own options (--app-folder DIR, --at MOMENT); other arguments are ignored.
ProgramOptions programOptions(int argc, char** argv);

// Runs the program with the real adapters; returns the exit code. REQUIRES: a QApplication exists.
int runMarovix(const ProgramOptions& options);

}  // namespace marovix
