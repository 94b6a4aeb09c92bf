#pragma once
// The words of a command line written as the tests write it for a POSIX shell, for starting a program
// without one.
#include <string>
#include <string_view>
#include <vector>

namespace marovix {

// Splits `line` at blanks outside quotes (spaces and tabs; a line end too, where a shell would end the
// command). '...' keeps everything inside as it is; "..." keeps blanks; quoted and unquoted parts next to
// each other make one word, and "" or '' alone makes an empty word. A backslash is an ordinary character
// (Windows folders are written with it), and nothing is expanded: no $, no globs, no redirections. A
// quote left open runs to the end of the line.
std::vector<std::string> splitShellWords(std::string_view line);

}  // namespace marovix
