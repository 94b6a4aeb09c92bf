#pragma once
// Runs the built marovix-cli in a process of its own, as a user would from a terminal: its standard output
// and standard error captured apart, signals delivered on request. Only for the core test binary, which
// knows where the command was built (MAROVIX_CLI_PATH).
#ifdef _WIN32
#include "tests/support/Win32Process.h"

namespace marovix {

// On Windows the program is started by CreateProcessW on a hidden console of its own, which takes
// SIGINT as Ctrl-C; another signal ends it with 128 + the signal's number.
class CliProcess : public Win32Process {
public:
    // Starts marovix-cli with `args` (no shell: each argument as it is).
    explicit CliProcess(const std::vector<std::string>& args)
        : Win32Process(MAROVIX_CLI_PATH, args, Streams::Apart, Console::OfItsOwn) {}
};

}  // namespace marovix
#else
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

namespace marovix {

class CliProcess {
public:
    // Starts marovix-cli with `args` (no shell: each argument as it is).
    explicit CliProcess(const std::vector<std::string>& args) {
        int out[2], err[2];
        if (::pipe(out) != 0 || ::pipe(err) != 0) return;
        m_pid = ::fork();
        if (m_pid == 0) {
            ::dup2(out[1], 1);
            ::dup2(err[1], 2);
            ::close(out[0]);
            ::close(err[0]);
            std::vector<char*> argv;
            std::string program = MAROVIX_CLI_PATH;
            argv.push_back(program.data());
            std::vector<std::string> copies = args;
            for (auto& arg : copies) argv.push_back(arg.data());
            argv.push_back(nullptr);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        ::close(err[1]);
        m_out = out[0];
        m_err = err[0];
    }
    ~CliProcess() {
        if (m_pid > 0 && !m_ended) {
            ::kill(m_pid, SIGKILL);
            wait();
        }
        if (m_out >= 0) ::close(m_out);
        if (m_err >= 0) ::close(m_err);
    }
    CliProcess(const CliProcess&) = delete;
    CliProcess& operator=(const CliProcess&) = delete;

    // Waits until standard output holds `text`: true; false when the process closed its output first or
    // `deadline` passed.
    bool waitForOutput(const std::string& text, std::chrono::seconds deadline = std::chrono::seconds(60)) {
        const auto end = std::chrono::steady_clock::now() + deadline;
        while (m_stdout.find(text) == std::string::npos) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
            if (left.count() <= 0 || !pump(static_cast<int>(left.count()))) return false;
        }
        return true;
    }
    void signal(int sig) { ::kill(m_pid, sig); }
    // Reads everything to the end and waits for the process: its exit code, or 128 + the signal that
    // ended it (as a shell reports it).
    int wait() {
        while (pump(-1)) {
        }
        if (!m_ended) {
            int status = 0;
            ::waitpid(m_pid, &status, 0);
            m_status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            m_ended = true;
        }
        return m_status;
    }
    const std::string& out() const { return m_stdout; }
    const std::string& err() const { return m_stderr; }

private:
    // Reads what is there (waiting up to `timeoutMs`, -1 without end); false once both streams ended.
    bool pump(int timeoutMs) {
        pollfd fds[2] = {{m_out, POLLIN, 0}, {m_err, POLLIN, 0}};
        if (m_out < 0 && m_err < 0) return false;
        if (::poll(fds, 2, timeoutMs) <= 0) return timeoutMs != 0;
        readFrom(fds[0], m_out, m_stdout);
        readFrom(fds[1], m_err, m_stderr);
        return m_out >= 0 || m_err >= 0;
    }
    static void readFrom(const pollfd& fd, int& stream, std::string& into) {
        if (stream < 0 || !(fd.revents & (POLLIN | POLLHUP | POLLERR))) return;
        char buffer[4096];
        const ssize_t n = ::read(stream, buffer, sizeof buffer);
        if (n > 0) {
            into.append(buffer, static_cast<std::size_t>(n));
        } else {
            ::close(stream);
            stream = -1;
        }
    }

    pid_t m_pid = -1;
    int m_out = -1;
    int m_err = -1;
    std::string m_stdout;
    std::string m_stderr;
    bool m_ended = false;
    int m_status = -1;
};

}  // namespace marovix
#endif
