#pragma once
// The JV-Link stand-in of a command: --feed DIR names the feed folder; without it the folder kept in the
// stand-in's own settings is served.
#include <functional>
#include <memory>
#include <string>

#include "core/ports/Clock.h"
#include "standins/jvlink/FeedJvLink.h"

namespace marovix {

// The feed folder for the command: the --feed value made absolute, else the stand-in settings' folder
// (which may be empty when none was ever chosen).
std::string feedFolderOf(const std::string& option);

// A JV-Link stand-in serving that folder. Each problem it meets with its feed goes to `report`, by
// default printed on standard error. REQUIRES: `clock` outlives it.
std::unique_ptr<FeedJvLink> makeFeedJvLink(const std::string& option, const Clock& clock,
                                           std::function<void(const std::string&)> report = {});
// Prints a problem of the stand-in's feed on standard error.
void printFeedProblem(const std::string& problem);

}  // namespace marovix
