#pragma once
// Runs the built marovix-cli as a user would, with its standard output and error captured.
// Only for the core test binary, which knows where the command was built (MAROVIX_CLI_PATH).
// The arguments are one string as a POSIX shell reads it; on Windows it is split into words by the
// shell's quoting rules (tests/support/ShellWords.h) and the program started without a shell.
#ifdef _WIN32
#include "tests/support/ShellWords.h"
#include "tests/support/Win32Process.h"
#else
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#endif
#include <string>

namespace marovix {

struct CliRun {
    int exitCode = -1;
    std::string output;  // standard output and standard error
};

// A run whose standard output and standard error are kept apart.
struct CliSplitRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

#ifdef _WIN32
inline CliRun runCli(const std::string& arguments) {
    Win32Process process(MAROVIX_CLI_PATH, splitShellWords(arguments), Win32Process::Streams::Together);
    CliRun run;
    run.exitCode = process.wait();
    run.output = process.out() + process.err();  // err() holds only a failure to start
    return run;
}

inline CliSplitRun runCliSplit(const std::string& arguments) {
    Win32Process process(MAROVIX_CLI_PATH, splitShellWords(arguments), Win32Process::Streams::Apart);
    CliSplitRun run;
    run.exitCode = process.wait();
    run.out = process.out();
    run.err = process.err();
    return run;
}
#else
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

inline CliSplitRun runCliSplit(const std::string& arguments) {
    CliSplitRun run;
    char errPath[] = "/tmp/marovix-cli-err-XXXXXX";
    const int fd = ::mkstemp(errPath);
    if (fd < 0) return run;
    ::close(fd);
    const std::string command = std::string(MAROVIX_CLI_PATH) + " " + arguments + " 2>" + errPath;
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
        const int status = ::pclose(pipe);
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    if (std::FILE* err = std::fopen(errPath, "rb")) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, err)) > 0) run.err.append(buffer, n);
        std::fclose(err);
    }
    std::remove(errPath);
    return run;
}
#endif

}  // namespace marovix
