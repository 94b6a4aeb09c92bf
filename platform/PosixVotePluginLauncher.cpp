#include "platform/PosixVotePluginLauncher.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <mutex>
#include <vector>

#include "core/common/FileFaults.h"

extern char** environ;

namespace marovix {
namespace {

Error refused(const std::string& what, int error) { return Error{what + ": " + systemErrorText(error)}; }

// The descriptor the started run finds its lock on.
constexpr int kRunLockFd = 3;

// Children whose handles were dropped while they ran: reaped as soon as they have ended.
class Orphans {
public:
    void add(pid_t pid) {
        std::lock_guard guard(m_mutex);
        m_pids.push_back(pid);
    }
    void reap() {
        std::lock_guard guard(m_mutex);
        std::erase_if(m_pids, [](pid_t pid) {
            const pid_t got = ::waitpid(pid, nullptr, WNOHANG);
            return got == pid || (got < 0 && errno == ECHILD);
        });
    }

private:
    std::mutex m_mutex;
    std::vector<pid_t> m_pids;
};

Orphans& orphans() {
    static Orphans list;
    return list;
}

class PosixPluginRun : public PluginRun {
public:
    explicit PosixPluginRun(pid_t pid) : m_pid(pid) {}
    ~PosixPluginRun() override {
        if (m_state.running()) orphans().add(m_pid);
    }
    PluginRunState poll() override {
        orphans().reap();
        if (!m_state.running()) return m_state;
        int status = 0;
        pid_t got;
        while ((got = ::waitpid(m_pid, &status, WNOHANG)) < 0 && errno == EINTR) {
        }
        if (got == m_pid) {
            m_state = WIFSIGNALED(status) ? PluginRunState{PluginRunState::Kind::Signalled, WTERMSIG(status)}
                                          : PluginRunState{PluginRunState::Kind::Exited, WEXITSTATUS(status)};
        } else if (got < 0) {
            // Reaped elsewhere (SIGCHLD ignored, for instance): it has ended, how is not known.
            m_state = PluginRunState{PluginRunState::Kind::Unknown, 0};
        }
        return m_state;
    }

private:
    pid_t m_pid;
    PluginRunState m_state;
};

class PosixRunLock : public PluginRunLock {
public:
    explicit PosixRunLock(int fd) : m_fd(fd) {}
    ~PosixRunLock() override { ::close(m_fd); }  // the lock ends with the last descriptor of the file
    int fd() const { return m_fd; }

private:
    int m_fd;
};

// The file actions and attributes of a start; released however the start ends.
struct SpawnSetup {
    posix_spawn_file_actions_t actions{};
    posix_spawnattr_t attributes{};
    SpawnSetup() {
        posix_spawn_file_actions_init(&actions);
        posix_spawnattr_init(&attributes);
    }
    ~SpawnSetup() {
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    // Returns 0 or the error number of the step that failed.
    int prepare(const std::string& workingFolder, int lockFd) {
        int error = 0;
        // The lock first: it may sit on 0-2 in a program started without its standard streams.
        if (lockFd >= 0) error = posix_spawn_file_actions_adddup2(&actions, lockFd, kRunLockFd);
        for (int fd = 0; fd <= 2 && error == 0; ++fd)
            error = posix_spawn_file_actions_addopen(&actions, fd, "/dev/null", fd == 0 ? O_RDONLY : O_WRONLY, 0);
        if (error == 0) error = posix_spawn_file_actions_addclosefrom_np(&actions, lockFd >= 0 ? kRunLockFd + 1 : 3);
        if (error == 0) error = posix_spawn_file_actions_addchdir_np(&actions, workingFolder.c_str());
        sigset_t all, none;
        sigfillset(&all);
        sigemptyset(&none);
        if (error == 0) error = posix_spawnattr_setsigdefault(&attributes, &all);
        if (error == 0) error = posix_spawnattr_setsigmask(&attributes, &none);
        if (error == 0)
            error = posix_spawnattr_setflags(&attributes,
                                             POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
        return error;
    }
};

}  // namespace

Result<std::unique_ptr<PluginRun>> PosixVotePluginLauncher::start(const std::string& program,
                                                                  const std::string& parameter,
                                                                  const std::string& workingFolder,
                                                                  PluginWindow /*window*/, PluginRunLock* passOn) {
    orphans().reap();
    struct stat st {};
    if (::stat(program.c_str(), &st) != 0) return refused(program, errno);
    if (!S_ISREG(st.st_mode)) return refused(program, S_ISDIR(st.st_mode) ? EISDIR : EACCES);
    if (::access(program.c_str(), X_OK) != 0) return refused(program, errno);
    if (::stat(workingFolder.c_str(), &st) != 0) return refused(workingFolder, errno);
    if (!S_ISDIR(st.st_mode)) return refused(workingFolder, ENOTDIR);

    const auto* lock = dynamic_cast<PosixRunLock*>(passOn);
    SpawnSetup setup;
    if (int error = setup.prepare(workingFolder, lock ? lock->fd() : -1); error != 0) return refused(program, error);
    std::string programArg = program, parameterArg = parameter;
    char* argv[] = {programArg.data(), parameterArg.data(), nullptr};
    pid_t pid = 0;
    // posix_spawn reports a failed exec (or file action) as its result, the child reaped already.
    if (int error = ::posix_spawn(&pid, program.c_str(), &setup.actions, &setup.attributes, argv, environ); error != 0)
        return refused(program, error);
    return std::unique_ptr<PluginRun>(std::make_unique<PosixPluginRun>(pid));
}

Result<std::unique_ptr<PluginRunLock>> PosixVotePluginLauncher::tryLock(const std::string& path) {
    orphans().reap();
    // Not blocking on a FIFO put in its place, and only a regular file is locked.
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK | O_NOCTTY, 0644);
    if (fd < 0) return refused(path, errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int error = S_ISREG(st.st_mode) ? errno : EINVAL;
        ::close(fd);
        return refused(path, error);
    }
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK) return std::unique_ptr<PluginRunLock>();
        return refused(path, error);
    }
    return std::unique_ptr<PluginRunLock>(std::make_unique<PosixRunLock>(fd));
}

}  // namespace marovix
