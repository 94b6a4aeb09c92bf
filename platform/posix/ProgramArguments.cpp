#include "platform/ProgramArguments.h"

namespace marovix {

std::vector<std::string> programArguments(int argc, char** argv) {
    return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>{};
}

std::string programParameterText(int argc, char** argv) {
    std::string text;
    for (int i = 1; i < argc; ++i) text += (i > 1 ? " " : "") + std::string(argv[i]);
    return text;
}

void useBinaryStandardStreams() {}

}  // namespace marovix
