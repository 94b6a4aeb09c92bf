#include "platform/PosixVotePluginLauncher.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <sstream>
#include <thread>

#include "core/common/TextFile.h"
#include "tests/support/TempFolder.h"

namespace marovix {
namespace {

// Waits (up to ten seconds) for a file the started script writes; its content, or nothing.
std::optional<std::string> awaitFile(const std::string& path) {
    for (int i = 0; i < 1000; ++i) {
        if (fileExists(path) && fileExists(path + ".done")) return *readFileBytes(path);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return std::nullopt;
}

void writeScript(const std::string& path, const std::string& body) {
    ASSERT_TRUE(replaceFile(path, "#!/bin/sh\n" + body).ok());
    std::filesystem::permissions(path, std::filesystem::perms(0755));
}

std::string currentFolder() { return std::filesystem::current_path().string(); }

TEST(PosixVotePluginLauncher, RefusesAMissingOrNonExecutableProgramOrWorkingFolder) {
    TempFolder folder;
    PosixVotePluginLauncher launcher;
    const std::string work = folder.path() + "/";
    Status missing = launcher.startDetached(folder.file("VQMTohyoPlugIn2.exe"), " money", work, PluginWindow::Hidden);
    ASSERT_FALSE(missing.ok());
    EXPECT_NE(missing.error().find("VQMTohyoPlugIn2.exe"), std::string::npos) << missing.error();

    ASSERT_TRUE(replaceFile(folder.file("plain.exe"), "#!/bin/sh\n").ok());  // written 0644
    EXPECT_FALSE(launcher.startDetached(folder.file("plain.exe"), "x", work, PluginWindow::Shown).ok());
    EXPECT_FALSE(launcher.startDetached(folder.path(), "x", work, PluginWindow::Shown).ok());  // a folder

    writeScript(folder.file("ok.exe"), "exit 0\n");
    EXPECT_FALSE(launcher.startDetached(folder.file("ok.exe"), "x", folder.file("gone/"), PluginWindow::Shown).ok());

    // Executable bits on bytes no system can run: the exec itself fails, and says so.
    ASSERT_TRUE(replaceFile(folder.file("garbage.exe"), std::string{'\x7F', 'E', 'L', 'F', 1, 1, 1}).ok());
    std::filesystem::permissions(folder.file("garbage.exe"), std::filesystem::perms(0755));
    EXPECT_FALSE(launcher.startDetached(folder.file("garbage.exe"), "x", work, PluginWindow::Shown).ok());
}

TEST(PosixVotePluginLauncher, StartsDetachedInTheWorkingFolderAndReturnsBeforeTheProgramEnds) {
    TempFolder folder;
    const std::string plugin = folder.file("VQM plug in");
    ASSERT_TRUE(makeDirectory(plugin).ok());
    // The script runs on only once the test, after the start has returned, opens the gate; had the
    // start waited for it, it would write "waited" after ten seconds instead.
    std::string script = R"sh(i=0; while [ ! -e '@/go' ] && [ $i -lt 1000 ]; do sleep 0.01; i=$((i+1)); done
if [ -e '@/go' ]; then r=released; else r=waited; fi
printf '%s|%s|%s|%s|%s' "$r" "$(pwd)" "$1" "$#" "$(readlink /proc/$$/fd/1)" > '@/out'
cut -d' ' -f6 /proc/$$/stat > '@/sid'
: > '@/out.done'
)sh";
    for (auto at = script.find('@'); at != std::string::npos; at = script.find('@', at + folder.path().size()))
        script.replace(at, 1, folder.path());
    writeScript(plugin + "/VQMTohyoPlugIn2.exe", script);
    const std::string before = currentFolder();
    PosixVotePluginLauncher launcher;
    const std::string parameter = plugin + "/kaime/250301.csv";
    Status started =
        launcher.startDetached(plugin + "/VQMTohyoPlugIn2.exe", parameter, plugin + "/", PluginWindow::Hidden);
    ASSERT_TRUE(started.ok()) << started.error();
    // Nothing to reap: the intermediate process is gone and the plug-in belongs to another parent.
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
    EXPECT_EQ(currentFolder(), before);
    ASSERT_TRUE(replaceFile(folder.file("go"), "").ok());

    auto out = awaitFile(folder.file("out"));
    ASSERT_TRUE(out.has_value()) << "the script never finished";
    EXPECT_EQ(*out, "released|" + plugin + "|" + parameter + "|1|/dev/null");
    auto sid = readFileBytes(folder.file("sid"));
    ASSERT_TRUE(sid.ok());
    EXPECT_NE(std::stol(*sid), static_cast<long>(::getsid(0))) << "the plug-in runs in a session of its own";
}

}  // namespace
}  // namespace marovix
