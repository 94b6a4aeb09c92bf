#pragma once
// The JV-Link stand-in of a command: "--feed DIR" names the feed folder; without it the folder kept in
// the stand-in's own settings is served.
#include <functional>
#include <memory>
#include <string>

#include "cli/CliApp.h"
#include "core/app/Clock.h"
#include "standins/jvlink/FeedJvLink.h"

namespace marovix {

// The option naming the feed folder; list it among a command's known options.
inline constexpr const char* kFeedOption = "--feed";

// The feed folder for the command: --feed DIR made absolute, else the stand-in settings' folder (which
// may be empty when none was ever chosen).
std::string feedFolderOf(const CliArgs& args);

// A JV-Link stand-in serving that folder. Each problem it meets with its feed goes to `report`, by
// default printed on standard error. REQUIRES: `clock` outlives it.
std::unique_ptr<FeedJvLink> makeFeedJvLink(const CliArgs& args, const Clock& clock,
                                           std::function<void(const std::string&)> report = {});
// Prints a problem of the stand-in's feed on standard error.
void printFeedProblem(const std::string& problem);

}  // namespace marovix
