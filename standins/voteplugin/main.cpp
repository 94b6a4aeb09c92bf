// VQMTohyoPlugIn2.exe, the paper-trading stand-in of the vote plug-in (see docs/vote-plugin.md).
#include <filesystem>
#include <string>
#include <vector>

#include "platform/SystemClock.h"
#include "standins/voteplugin/VotePluginRun.h"

namespace {

// The folder of this program: its files live there, whatever the working folder is.
std::string ownFolder(const char* argv0) {
    std::error_code ec;
    auto self = std::filesystem::canonical("/proc/self/exe", ec);
    if (ec) self = std::filesystem::absolute(argv0, ec);
    if (ec) return std::filesystem::current_path(ec).string();
    return self.parent_path().string();
}

}  // namespace

int main(int argc, char** argv) {
    marovix::SystemClock clock;
    return marovix::runVotePlugin(std::vector<std::string>(argv + 1, argv + argc), ownFolder(argc > 0 ? argv[0] : ""),
                                  clock);
}
