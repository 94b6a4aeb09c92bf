// marovix-cli standin [--feed DIR]: shows, or sets, the feed folder the JV-Link stand-in serves, and lists
// on standard error what the stand-in finds wrong with that feed.
#include <cstdio>

#include "cli/CliApp.h"
#include "cli/FeedOptions.h"
#include "standins/jvlink/FeedLayout.h"
#include "standins/jvlink/FeedSettings.h"

namespace marovix {
namespace {

CliRunner defineStandin(CLI::App& sub) {
    auto feed = std::make_shared<std::string>();
    addFeedOption(sub, *feed);
    return [feed](CliContext&) {
        const std::string folder = FeedSettings::defaultFolder();
        if (folder.empty()) {
            std::fprintf(stderr, "marovix-cli standin: no settings folder (set HOME or MAROVIX_JVLINK_CONFIG)\n");
            return 1;
        }
        if (!feed->empty()) {
            FeedSettings settings{feedFolderOf(*feed)};
            if (Status saved = settings.save(folder); !saved) {
                std::fprintf(stderr, "marovix-cli standin: %s\n", saved.error().c_str());
                return 1;
            }
        }
        FeedSettings current = FeedSettings::load(folder);
        std::printf("settings: %s\nfeed: %s\n", FeedSettings::filePath(folder).c_str(), current.feedFolder.c_str());
        std::fflush(stdout);
        // What the stand-in will find wrong with the feed when it serves it.
        for (const auto& problem : feedlayout::inspectFeed(current.feedFolder)) printFeedProblem(problem);
        return 0;
    };
}

const bool standinCommandRegistered = registerCliCommand(
    {"standin", "show or set the feed folder the JV-Link stand-in serves (and what is wrong with it)", defineStandin});

}  // namespace
}  // namespace marovix
