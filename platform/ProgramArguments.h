#pragma once
// The program's arguments as UTF-8 texts, whatever the system hands a program: Windows hands `main` its
// arguments in the system's code page, which cannot hold every name, so they are read again from the
// wide command line there.
#include <string>
#include <vector>

namespace marovix {

// The arguments after the program's name.
std::vector<std::string> programArguments(int argc, char** argv);

// The text after the program's name as one parameter text, blanks inside it kept (a path with blanks
// passed unquoted, as a launcher that hands over one parameter text does): on Windows the command line's
// own text, elsewhere the arguments joined by one blank.
std::string programParameterText(int argc, char** argv);

// Standard output and error carry the bytes written, unchanged (Windows would otherwise write LF as CR LF).
void useBinaryStandardStreams();

}  // namespace marovix
