#pragma once
// Runs the built marovix-cli as a user would, with its standard output and error captured.
// Only for the core test binary, which knows where the command was built (MAROVIX_CLI_PATH).
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace marovix {

struct CliRun {
    int exitCode = -1;
    std::string output;  // standard output and standard error
};

inline CliRun runCli(const std::string& arguments) {
    CliRun run;
    const std::string command = std::string(MAROVIX_CLI_PATH) + " " + arguments + " 2>&1";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, n);
    const int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

}  // namespace marovix
