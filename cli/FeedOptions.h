#pragma once
// The JV-Link stand-in of a command: "--feed DIR" names the feed folder; without it the folder kept in
// the stand-in's own settings is served.
#include <memory>
#include <string>

#include "cli/CliApp.h"
#include "core/ports/Clock.h"
#include "standins/jvlink/FeedJvLink.h"

namespace marovix {

// The option naming the feed folder; list it among a command's known options.
inline constexpr const char* kFeedOption = "--feed";

// The feed folder for the command: --feed DIR made absolute, else the stand-in settings' folder (which
// may be empty when none was ever chosen).
std::string feedFolderOf(const CliArgs& args);

// A JV-Link stand-in serving that folder. REQUIRES: `clock` outlives it.
std::unique_ptr<FeedJvLink> makeFeedJvLink(const CliArgs& args, const Clock& clock);

}  // namespace marovix
