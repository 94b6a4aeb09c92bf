#include "cli/FeedOptions.h"

#include <cstdio>
#include <filesystem>

#include "standins/jvlink/FeedSettings.h"

namespace marovix {

std::string feedFolderOf(const CliArgs& args) {
    if (auto folder = args.option(kFeedOption)) return std::filesystem::absolute(*folder).lexically_normal().string();
    return FeedSettings::load().feedFolder;
}

std::unique_ptr<FeedJvLink> makeFeedJvLink(const CliArgs& args, const Clock& clock,
                                           std::function<void(const std::string&)> report) {
    auto jvLink = std::make_unique<FeedJvLink>(clock, feedFolderOf(args));
    jvLink->setProblemReporter(report ? std::move(report) : printFeedProblem);
    return jvLink;
}

void printFeedProblem(const std::string& problem) { std::fprintf(stderr, "JV-Link stand-in: %s\n", problem.c_str()); }

}  // namespace marovix
