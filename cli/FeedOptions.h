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
// The program's JV-Link for a command. On Windows without --feed: the component registered as
// "JVDTLab.JVLink", through COM (JRA-VAN's JV-Link, or the stand-in's COM server in the tests), whose
// failed calls go to `fault` (by default standard error) and whose JVOpen is watched for
// $MAROVIX_JVOPEN_WATCHDOG_SECONDS (default 300); otherwise the stand-in of makeFeedJvLink, its feed's
// problems going to `report`.
std::unique_ptr<JvLink> makeJvLink(const std::string& option, const Clock& clock,
                                   std::function<void(const std::string&)> report = {},
                                   std::function<void(const std::string&)> fault = {});
// Prints a problem of the stand-in's feed on standard error.
void printFeedProblem(const std::string& problem);

}  // namespace marovix
