#include "platform/PosixVotePluginLauncher.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>
#include <cstring>

namespace marovix {
namespace {

Error refused(const std::string& what, int error) { return Error{what + ": " + std::strerror(error)}; }

// Child side: report errno through the pipe and end without running any of this process's exit code.
[[noreturn]] void failChild(int pipeFd) {
    const int error = errno;
    ssize_t ignored = ::write(pipeFd, &error, sizeof error);
    (void)ignored;
    ::_exit(127);
}

// Runs in the grandchild between fork and exec: only async-signal-safe calls.
[[noreturn]] void execPlugin(const char* program, char* const argv[], const char* workingFolder, int nullFd,
                             bool hidden, int pipeFd) {
    if (::chdir(workingFolder) != 0) failChild(pipeFd);
    if (::dup2(nullFd, STDIN_FILENO) < 0) failChild(pipeFd);
    if (hidden && (::dup2(nullFd, STDOUT_FILENO) < 0 || ::dup2(nullFd, STDERR_FILENO) < 0)) failChild(pipeFd);
    // The plug-in starts with default signal handling and no blocked signal, whatever this process set.
    for (int s = 1; s < NSIG; ++s) ::signal(s, SIG_DFL);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    // Descriptors of this process (sockets, files of the window toolkit) do not pass to the plug-in.
    ::close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);
    ::execv(program, argv);
    failChild(pipeFd);
}

}  // namespace

Status PosixVotePluginLauncher::startDetached(const std::string& program, const std::string& parameter,
                                              const std::string& workingFolder, PluginWindow window) {
    struct stat st {};
    if (::stat(program.c_str(), &st) != 0) return refused(program, errno);
    if (!S_ISREG(st.st_mode)) return refused(program, S_ISDIR(st.st_mode) ? EISDIR : EACCES);
    if (::access(program.c_str(), X_OK) != 0) return refused(program, errno);
    if (::stat(workingFolder.c_str(), &st) != 0) return refused(workingFolder, errno);
    if (!S_ISDIR(st.st_mode)) return refused(workingFolder, ENOTDIR);

    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) return refused(program, errno);
    const int nullFd = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    if (nullFd < 0) {
        const int error = errno;
        ::close(report[0]);
        ::close(report[1]);
        return refused("/dev/null", error);
    }
    std::string programArg = program, parameterArg = parameter;
    char* argv[] = {programArg.data(), parameterArg.data(), nullptr};
    const bool hidden = window == PluginWindow::Hidden;

    const pid_t child = ::fork();
    if (child == 0) {
        // The intermediate child: a new session, then the plug-in's own process, then gone at once.
        ::setsid();
        const pid_t plugin = ::fork();
        if (plugin < 0) failChild(report[1]);
        if (plugin == 0) execPlugin(program.c_str(), argv, workingFolder.c_str(), nullFd, hidden, report[1]);
        ::_exit(0);
    }
    const int forkError = errno;
    ::close(report[1]);
    ::close(nullFd);
    if (child < 0) {
        ::close(report[0]);
        return refused(program, forkError);
    }
    while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
    // End of file: the exec succeeded and closed the pipe. A number: the errno of the failed step.
    int childError = 0;
    ssize_t got;
    while ((got = ::read(report[0], &childError, sizeof childError)) < 0 && errno == EINTR) {
    }
    ::close(report[0]);
    if (got == static_cast<ssize_t>(sizeof childError)) return refused(program, childError);
    return Status::success();
}

}  // namespace marovix
