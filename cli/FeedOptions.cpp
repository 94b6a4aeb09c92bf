#include "cli/FeedOptions.h"

#include <filesystem>

#include "standins/jvlink/FeedSettings.h"

namespace marovix {

std::string feedFolderOf(const CliArgs& args) {
    if (auto folder = args.option(kFeedOption)) return std::filesystem::absolute(*folder).lexically_normal().string();
    return FeedSettings::load().feedFolder;
}

std::unique_ptr<FeedJvLink> makeFeedJvLink(const CliArgs& args, const Clock& clock) {
    return std::make_unique<FeedJvLink>(clock, feedFolderOf(args));
}

}  // namespace marovix
