#include "cli/FeedOptions.h"

#include <cstdio>
#include <filesystem>

#include "standins/jvlink/FeedSettings.h"

namespace marovix {

std::string feedFolderOf(const std::string& option) {
    if (!option.empty()) return std::filesystem::absolute(option).lexically_normal().string();
    return FeedSettings::load().feedFolder;
}

std::unique_ptr<FeedJvLink> makeFeedJvLink(const std::string& option, const Clock& clock,
                                           std::function<void(const std::string&)> report) {
    auto jvLink = std::make_unique<FeedJvLink>(clock, feedFolderOf(option));
    jvLink->setProblemReporter(report ? std::move(report) : printFeedProblem);
    return jvLink;
}

void printFeedProblem(const std::string& problem) { std::fprintf(stderr, "JV-Link stand-in: %s\n", problem.c_str()); }

}  // namespace marovix
