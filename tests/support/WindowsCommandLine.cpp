#include "tests/support/WindowsCommandLine.h"

namespace marovix {

std::string quoteWindowsArgument(std::string_view argument) {
    if (!argument.empty() && argument.find_first_of(" \t\n\v\"") == std::string_view::npos)
        return std::string(argument);
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        // Backslashes are literal unless a quote follows them: then each stands for half of a pair.
        quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, '\\');
    quoted += '"';
    return quoted;
}

std::string windowsCommandLine(std::string_view program, const std::vector<std::string>& arguments) {
    std::string line = "\"" + std::string(program) + "\"";
    for (const std::string& argument : arguments) line += " " + quoteWindowsArgument(argument);
    return line;
}

}  // namespace marovix
