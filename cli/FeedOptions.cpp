#include "cli/FeedOptions.h"

#include <filesystem>

#include "standins/jvlink/FeedSettings.h"

namespace marovix {

std::string feedFolderOf(const std::string& option) {
    if (!option.empty()) return std::filesystem::absolute(option).lexically_normal().string();
    return FeedSettings::load().feedFolder;
}

std::unique_ptr<FeedJvLink> makeFeedJvLink(const std::string& option, const Clock& clock) {
    return std::make_unique<FeedJvLink>(clock, feedFolderOf(option));
}

}  // namespace marovix
