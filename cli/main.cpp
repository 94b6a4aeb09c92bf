#include <string>
#include <vector>

#include "cli/CliApp.h"
#include "platform/ProgramArguments.h"

int main(int argc, char** argv) {
    marovix::useBinaryStandardStreams();
    // The arguments as UTF-8, whatever code page the system handed them in.
    std::vector<std::string> arguments = marovix::programArguments(argc, argv);
    arguments.insert(arguments.begin(), argc > 0 ? argv[0] : "marovix-cli");
    std::vector<char*> pointers;
    for (std::string& argument : arguments) pointers.push_back(argument.data());
    pointers.push_back(nullptr);
    return marovix::runCli(static_cast<int>(arguments.size()), pointers.data());
}
