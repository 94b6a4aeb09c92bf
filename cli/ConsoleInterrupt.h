#pragma once
// Ctrl-C (SIGINT) as a request to cancel what runs: while an instance lives, the first Ctrl-C only raises
// requested(), which the command checks at its next step; a second Ctrl-C ends the program as usual.
namespace marovix {

class ConsoleInterrupt {
public:
    ConsoleInterrupt();
    ~ConsoleInterrupt();
    ConsoleInterrupt(const ConsoleInterrupt&) = delete;
    ConsoleInterrupt& operator=(const ConsoleInterrupt&) = delete;

    // A Ctrl-C came since the instance was made.
    static bool requested();
    // The exit code of a command ended by Ctrl-C, as a shell reports a program ended by SIGINT.
    static constexpr int kExitCode = 130;
};

}  // namespace marovix
