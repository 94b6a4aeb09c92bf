#include "platform/PosixVotePluginLauncher.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <sstream>
#include <thread>

#include "core/common/TextFile.h"
#include "tests/support/TempFolder.h"

namespace marovix::posix_vote_plugin_launcher_test {
namespace {

// Waits (up to ten seconds) for a file the started script writes; its content, or nothing.
std::optional<std::string> awaitFile(const std::string& path) {
    for (int i = 0; i < 1000; ++i) {
        if (fileExists(path) && fileExists(path + ".done")) return *readFileBytes(path);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return std::nullopt;
}

// Polls the run (up to ten seconds) until it has ended.
PluginRunState awaitEnd(PluginRun& run) {
    PluginRunState state = run.poll();
    for (int i = 0; i < 1000 && state.running(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        state = run.poll();
    }
    return state;
}

void writeScript(const std::string& path, const std::string& body) {
    ASSERT_TRUE(replaceFile(path, "#!/bin/sh\n" + body).ok());
    std::filesystem::permissions(path, std::filesystem::perms(0755));
}

// `script` with every "@" replaced by the folder.
std::string inFolder(std::string script, const std::string& folder) {
    for (auto at = script.find('@'); at != std::string::npos; at = script.find('@', at + folder.size()))
        script.replace(at, 1, folder);
    return script;
}

std::string currentFolder() { return std::filesystem::current_path().string(); }

// No child of this process is left, running or ended.
bool noChildLeft() { return ::waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD; }

TEST(PosixVotePluginLauncher, RefusesAMissingOrNonExecutableProgramOrWorkingFolder) {
    TempFolder folder;
    PosixVotePluginLauncher launcher;
    const std::string work = folder.path() + "/";
    auto missing = launcher.start(folder.file("VQMTohyoPlugIn2.exe"), " money", work, PluginWindow::Hidden);
    ASSERT_FALSE(missing.ok());
    EXPECT_NE(missing.error().find("VQMTohyoPlugIn2.exe"), std::string::npos) << missing.error();

    ASSERT_TRUE(replaceFile(folder.file("plain.exe"), "#!/bin/sh\n").ok());  // written 0644
    EXPECT_FALSE(launcher.start(folder.file("plain.exe"), "x", work, PluginWindow::Shown).ok());
    EXPECT_FALSE(launcher.start(folder.path(), "x", work, PluginWindow::Shown).ok());  // a folder

    writeScript(folder.file("ok.exe"), "exit 0\n");
    EXPECT_FALSE(launcher.start(folder.file("ok.exe"), "x", folder.file("gone/"), PluginWindow::Shown).ok());

    // Executable bits on bytes no system can run: the exec itself fails, and says so.
    ASSERT_TRUE(replaceFile(folder.file("garbage.exe"), std::string{'\x7F', 'E', 'L', 'F', 1, 1, 1}).ok());
    std::filesystem::permissions(folder.file("garbage.exe"), std::filesystem::perms(0755));
    EXPECT_FALSE(launcher.start(folder.file("garbage.exe"), "x", work, PluginWindow::Shown).ok());
    EXPECT_TRUE(noChildLeft());
}

TEST(PosixVotePluginLauncher, StartsInTheWorkingFolderOnNullStreamsAndReturnsBeforeTheProgramEnds) {
    for (PluginWindow window : {PluginWindow::Shown, PluginWindow::Hidden}) {
        TempFolder folder;
        const std::string plugin = folder.file("VQM plug in");
        ASSERT_TRUE(makeDirectory(plugin).ok());
        // The script runs on only once the test, after the start has returned, opens the gate; had the
        // start waited for it, it would write "waited" after ten seconds instead.
        writeScript(plugin + "/VQMTohyoPlugIn2.exe",
                    inFolder(R"sh(i=0; while [ ! -e '@/go' ] && [ $i -lt 1000 ]; do sleep 0.01; i=$((i+1)); done
if [ -e '@/go' ]; then r=released; else r=waited; fi
s="$(readlink /proc/$$/fd/0) $(readlink /proc/$$/fd/1) $(readlink /proc/$$/fd/2)"
printf '%s|%s|%s|%s|%s' "$r" "$(pwd)" "$1" "$#" "$s" > '@/out'
cut -d' ' -f6 /proc/$$/stat > '@/sid'
: > '@/out.done'
)sh",
                             folder.path()));
        const std::string before = currentFolder();
        PosixVotePluginLauncher launcher;
        const std::string parameter = plugin + "/kaime/250301.csv";
        auto run = launcher.start(plugin + "/VQMTohyoPlugIn2.exe", parameter, plugin + "/", window);
        ASSERT_TRUE(run.ok()) << run.error();
        EXPECT_TRUE((*run)->poll().running());
        EXPECT_EQ(currentFolder(), before);
        ASSERT_TRUE(replaceFile(folder.file("go"), "").ok());

        auto out = awaitFile(folder.file("out"));
        ASSERT_TRUE(out.has_value()) << "the script never finished";
        EXPECT_EQ(*out, "released|" + plugin + "|" + parameter + "|1|/dev/null /dev/null /dev/null");
        auto sid = readFileBytes(folder.file("sid"));
        ASSERT_TRUE(sid.ok());
        EXPECT_NE(std::stol(*sid), static_cast<long>(::getsid(0))) << "the plug-in runs in a session of its own";
        // Polled to its end, the run is reaped: no zombie stays.
        EXPECT_EQ(awaitEnd(**run), (PluginRunState{PluginRunState::Kind::Exited, 0}));
        EXPECT_EQ((*run)->poll(), (PluginRunState{PluginRunState::Kind::Exited, 0}));
        EXPECT_TRUE(noChildLeft());
    }
}

TEST(PosixVotePluginLauncher, ReportsHowTheRunEnded) {
    TempFolder folder;
    PosixVotePluginLauncher launcher;
    const struct {
        const char* script;
        PluginRunState end;
    } cases[] = {
        {"exit 0\n", {PluginRunState::Kind::Exited, 0}},
        {"exit 1\n", {PluginRunState::Kind::Exited, 1}},
        {"kill -9 $$\n", {PluginRunState::Kind::Signalled, SIGKILL}},
    };
    for (const auto& c : cases) {
        writeScript(folder.file("run.exe"), c.script);
        auto run = launcher.start(folder.file("run.exe"), "x", folder.path() + "/", PluginWindow::Shown);
        ASSERT_TRUE(run.ok()) << run.error();
        const PluginRunState end = awaitEnd(**run);
        EXPECT_EQ(end, c.end) << c.script;
        EXPECT_EQ(end.failed(), c.end.code != 0) << c.script;
    }
    EXPECT_TRUE(noChildLeft());
}

TEST(PosixVotePluginLauncher, ARunWhoseHandleWasDroppedIsReapedByALaterCall) {
    TempFolder folder;
    PosixVotePluginLauncher launcher;
    writeScript(folder.file("short.exe"), "exit 0\n");
    {
        auto run = launcher.start(folder.file("short.exe"), "x", folder.path() + "/", PluginWindow::Hidden);
        ASSERT_TRUE(run.ok()) << run.error();
        // Dropped at once, while it may still run.
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ASSERT_TRUE(launcher.tryLock(folder.file("any.lock")).ok());  // any later call reaps
    EXPECT_TRUE(noChildLeft());
}

TEST(PosixVotePluginLauncher, ALockPassedToARunIsHeldUntilTheRunEndsEvenAfterItsStarterIsGone) {
    TempFolder folder;
    PosixVotePluginLauncher launcher;
    const std::string lockPath = folder.file("Marovix.lock");
    writeScript(folder.file("slow.exe"),
                inFolder("readlink /proc/$$/fd/3 > '@/fd3'\n"
                         "i=0; while [ ! -e '@/go' ] && [ $i -lt 1000 ]; do sleep 0.01; i=$((i+1)); done\n",
                         folder.path()));

    // In this process: the lock is ours, then the run's as well; dropping ours leaves it held.
    auto lock = launcher.tryLock(lockPath);
    ASSERT_TRUE(lock.ok() && *lock) << (lock.ok() ? "busy" : lock.error());
    auto busy = launcher.tryLock(lockPath);
    ASSERT_TRUE(busy.ok());
    EXPECT_FALSE(*busy) << "one holder at a time, this program included";
    auto run = launcher.start(folder.file("slow.exe"), "x", folder.path() + "/", PluginWindow::Shown, lock->get());
    ASSERT_TRUE(run.ok()) << run.error();
    lock->reset();
    EXPECT_FALSE(*launcher.tryLock(lockPath)) << "the run holds the lock";
    ASSERT_TRUE(replaceFile(folder.file("go"), "").ok());
    EXPECT_EQ(awaitEnd(**run).kind, PluginRunState::Kind::Exited);
    auto fd3 = readFileBytes(folder.file("fd3"));
    ASSERT_TRUE(fd3.ok());
    EXPECT_EQ(*fd3, lockPath + "\n") << "the lock is the one descriptor the run inherits";
    EXPECT_TRUE(*launcher.tryLock(lockPath)) << "free once the run has ended";

    // A starter that ends at once (the command line): its run keeps the lock for another program.
    ASSERT_EQ(::unlink(folder.file("go").c_str()), 0);
    const pid_t starter = ::fork();
    if (starter == 0) {
        PosixVotePluginLauncher own;
        auto held = own.tryLock(lockPath);
        if (!held.ok() || !*held) ::_exit(2);
        auto started = own.start(folder.file("slow.exe"), "x", folder.path() + "/", PluginWindow::Shown, held->get());
        ::_exit(started.ok() ? 0 : 3);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(starter, &status, 0), starter);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_FALSE(*launcher.tryLock(lockPath)) << "the orphaned run holds the lock";
    ASSERT_TRUE(replaceFile(folder.file("go"), "").ok());
    bool freed = false;
    for (int i = 0; i < 1000 && !freed; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        auto again = launcher.tryLock(lockPath);
        freed = again.ok() && *again;
    }
    EXPECT_TRUE(freed);
}

TEST(PosixVotePluginLauncher, ALockFileThatCannotBeMadeIsAnError) {
    TempFolder folder;
    PosixVotePluginLauncher launcher;
    auto lock = launcher.tryLock(folder.file("missing/Marovix.lock"));
    ASSERT_FALSE(lock.ok());
    EXPECT_NE(lock.error().find("missing/Marovix.lock"), std::string::npos) << lock.error();
    ASSERT_TRUE(makeDirectory(folder.file("folder.lock")).ok());
    EXPECT_FALSE(launcher.tryLock(folder.file("folder.lock")).ok());
}

}  // namespace
}  // namespace marovix::posix_vote_plugin_launcher_test
