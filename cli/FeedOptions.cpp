#include "cli/FeedOptions.h"

#include <cstdio>
#include <cstdlib>

#include "core/common/SystemFiles.h"
#include "core/common/TextFile.h"
#include "standins/jvlink/FeedSettings.h"
#ifdef _WIN32
#include "platform/win32/ComJvLink.h"
#endif

namespace marovix {

std::string feedFolderOf(const std::string& option) {
    if (!option.empty()) return absolutePath(option);
    return FeedSettings::load().feedFolder;
}

std::unique_ptr<FeedJvLink> makeFeedJvLink(const std::string& option, const Clock& clock,
                                           std::function<void(const std::string&)> report) {
    auto jvLink = std::make_unique<FeedJvLink>(clock, feedFolderOf(option));
    jvLink->setProblemReporter(report ? std::move(report) : printFeedProblem);
    return jvLink;
}

std::unique_ptr<JvLink> makeJvLink(const std::string& option, const Clock& clock,
                                   std::function<void(const std::string&)> report,
                                   std::function<void(const std::string&)> fault) {
#ifdef _WIN32
    if (option.empty()) {
        ComJvLink::Options options;
        options.report = [fault](const std::string& text) {
            fault ? fault(text) : (void)std::fprintf(stderr, "JV-Link: %s\n", text.c_str());
        };
        options.late = [](const std::string& text) { std::fprintf(stderr, "JV-Link: %s\n", text.c_str()); };
        if (const char* seconds = std::getenv("MAROVIX_JVOPEN_WATCHDOG_SECONDS"); seconds && *seconds)
            options.openWatchdog = std::chrono::seconds(std::strtol(seconds, nullptr, 10));
        return std::make_unique<ComJvLink>(std::move(options));
    }
#else
    (void)fault;
#endif
    return makeFeedJvLink(option, clock, std::move(report));
}

void printFeedProblem(const std::string& problem) { std::fprintf(stderr, "JV-Link stand-in: %s\n", problem.c_str()); }

}  // namespace marovix
