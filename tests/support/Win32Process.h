#pragma once
// A Windows program started by the tests with its standard output and standard error captured, as a user
// runs it from a console: CreateProcessW with pipes, the arguments quoted as the C runtime reads them.
// Both pipes are read as they fill, so a program writing much to one of them never blocks.
#ifdef _WIN32
#include <chrono>
#include <csignal>  // the numbers signal() takes
#include <string>
#include <vector>

namespace marovix {

class Win32Process {
public:
    // Where standard error goes: a pipe of its own, or the pipe of standard output (as "2>&1").
    enum class Streams { Apart, Together };

    // The console the program is attached to: the tests' own (or none), or a hidden one of its own, as a
    // program run from a terminal, which Ctrl-C can be delivered to.
    enum class Console { Shared, OfItsOwn };

    // Starts `program` (a UTF-8 path) with `arguments`, each passed as it is; standard input reads
    // nothing. A program that cannot be started ends at once with -1 and the reason in err().
    Win32Process(const std::string& program, const std::vector<std::string>& arguments, Streams streams,
                 Console console = Console::Shared);
    // Ends a program still running.
    ~Win32Process();
    Win32Process(const Win32Process&) = delete;
    Win32Process& operator=(const Win32Process&) = delete;

    // Waits until standard output holds `text`: true; false when the program closed its output first or
    // `deadline` passed.
    bool waitForOutput(const std::string& text, std::chrono::seconds deadline = std::chrono::seconds(60));
    // SIGINT is Ctrl-C on the program's own console (Console::OfItsOwn); any other signal, or SIGINT to
    // a program without a console of its own, ends it with exit code 128 + `sig`, as a shell reports it.
    void signal(int sig);
    // Reads everything to the end and waits for the program: its exit code.
    int wait();
    const std::string& out() const { return m_stdout; }
    const std::string& err() const { return m_stderr; }

private:
    // Reads what the pipes hold until something arrived (true), both pipes ended (false) or `until`
    // passed (true).
    bool pump(std::chrono::steady_clock::time_point until);

    void* m_process = nullptr;
    unsigned long m_processId = 0;
    Console m_console;
    void* m_out = nullptr;
    void* m_err = nullptr;
    std::string m_stdout;
    std::string m_stderr;
    bool m_ended = false;
    int m_status = -1;
};

}  // namespace marovix
#endif
