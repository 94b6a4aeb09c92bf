// marovix-cli plugin --install: the stand-in's folder as the program expects to find it.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "core/common/TextFile.h"
#include "core/vote/VotePluginFiles.h"
#include "standins/voteplugin/PaperAccount.h"
#include "tests/support/CliRun.h"
#include "tests/support/TempFolder.h"

namespace marovix::plugin_command_test {
namespace {

TEST(PluginCommand, InstallsTheProgramFoldersAndSettingsAndKeepsThemOnReinstall) {
    TempFolder temp;
    const std::string folder = temp.file("new/VQM plug in");
    CliRun run = runCli("plugin --install '" + folder + "'");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    struct stat st {};
    ASSERT_EQ(::stat(VotePluginProgramPath(folder).c_str(), &st), 0);
    EXPECT_TRUE(st.st_mode & S_IXUSR);
    EXPECT_TRUE(directoryExists(folder + "/kaime"));
    EXPECT_TRUE(directoryExists(folder + "/logs"));
    EXPECT_EQ(ReadPluginInetId(folder), "PAPER001");
    EXPECT_EQ(*PaperAccount(folder).balance(), 100000);

    ASSERT_TRUE(PaperAccount(folder).setBalance(64000).ok());  // the stand-in has been voting
    ASSERT_EQ(runCli("plugin --install '" + folder + "' --inetid ZX98").exitCode, 0);
    EXPECT_EQ(*PaperAccount(folder).balance(), 64000);
    EXPECT_EQ(ReadPluginInetId(folder), "ZX98");
    ASSERT_EQ(runCli("plugin --install '" + folder + "' --balance 5000").exitCode, 0);
    EXPECT_EQ(*PaperAccount(folder).balance(), 5000);
}

TEST(PluginCommand, RefusesBadArguments) {
    TempFolder temp;
    EXPECT_EQ(runCli("plugin").exitCode, 2);
    EXPECT_EQ(runCli("plugin --install '" + temp.path() + "' --balance 12ab").exitCode, 2);
    EXPECT_EQ(runCli("plugin --install '" + temp.path() + "' --inetid 'a b'").exitCode, 2);
    EXPECT_EQ(runCli("plugin --install '" + temp.path() + "' --force").exitCode, 2);
    EXPECT_FALSE(fileExists(VotePluginProgramPath(temp.path())));
}

}  // namespace
}  // namespace marovix::plugin_command_test
