#include "platform/ProgramArguments.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>

#include "platform/win32/WideText.h"

namespace marovix {

std::vector<std::string> programArguments(int /*argc*/, char** /*argv*/) {
    std::vector<std::string> arguments;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) return arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(utf8Text(wide[i]));
    LocalFree(wide);
    return arguments;
}

std::string programParameterText(int /*argc*/, char** /*argv*/) {
    // The command line as the launcher handed it, after the program's name (quoted or not) and the blanks
    // that follow it, as the system's own parsing of the first argument reads it.
    std::wstring_view line = GetCommandLineW();
    std::size_t at = 0;
    if (!line.empty() && line[0] == L'"') {
        const std::size_t close = line.find(L'"', 1);
        at = close == std::wstring_view::npos ? line.size() : close + 1;
    } else {
        while (at < line.size() && line[at] != L' ' && line[at] != L'\t') ++at;
    }
    while (at < line.size() && (line[at] == L' ' || line[at] == L'\t')) ++at;
    return utf8Text(line.substr(at));
}

void useBinaryStandardStreams() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

}  // namespace marovix
