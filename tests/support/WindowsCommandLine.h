#pragma once
// The command line of a Windows program built from its arguments, as the C runtime and CommandLineToArgvW
// read it back word for word.
#include <string>
#include <string_view>
#include <vector>

namespace marovix {

// `argument` as it is when it holds no blank or quote and is not empty; else in quotes, each quote inside
// after a backslash, and the backslashes before a quote (or before the closing quote) doubled.
std::string quoteWindowsArgument(std::string_view argument);

// The program in quotes (the system reads the first word up to the next quote, backslashes and all),
// then each argument quoted as above, separated by one space.
std::string windowsCommandLine(std::string_view program, const std::vector<std::string>& arguments);

}  // namespace marovix
