// VQMTohyoPlugIn2.exe, the paper-trading stand-in of the vote plug-in (see docs/vote-plugin.md).
#include <string>
#include <vector>

#include "core/common/SystemFiles.h"
#include "core/common/TextFile.h"
#include "platform/ProgramArguments.h"
#include "platform/SystemClock.h"
#include "standins/voteplugin/VotePluginRun.h"

namespace {

// The folder of this program: its files live there, whatever the working folder is.
std::string ownFolder(const char* argv0) {
    std::string self = marovix::executablePath();
    if (self.empty()) self = marovix::absolutePath(argv0);
    return marovix::folderOf(self);
}

}  // namespace

int main(int argc, char** argv) {
    marovix::SystemClock clock;
    return marovix::runVotePlugin({marovix::programParameterText(argc, argv)}, ownFolder(argc > 0 ? argv[0] : ""),
                                  clock);
}
