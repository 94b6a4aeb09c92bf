#include "core/vote/VotePluginStart.h"

#include <gtest/gtest.h>

#include "tests/support/FakeVotePluginLauncher.h"
#include "tests/support/TempFolder.h"

namespace marovix::vote_plugin_start_test {
namespace {

TEST(StartVotePlugin, StartsTheProgramShownWithTheUnquotedVoteFilePath) {
    FakeVotePluginLauncher launcher;
    ASSERT_TRUE(StartVotePlugin(launcher, "/opt/VQM plug in", "/opt/VQM plug in/kaime/250301.csv").ok());
    ASSERT_EQ(launcher.starts.size(), 1u);
    const auto& start = launcher.starts[0];
    EXPECT_EQ(start.program, "/opt/VQM plug in" + nativePath("/VQMTohyoPlugIn2.exe"));
    EXPECT_EQ(start.parameter, "/opt/VQM plug in/kaime/250301.csv");
    EXPECT_EQ(start.workingFolder, "/opt/VQM plug in/");
    EXPECT_EQ(start.window, PluginWindow::Shown);
}

TEST(StartBalanceQuery, StartsTheProgramHiddenWithMoney) {
    FakeVotePluginLauncher launcher;
    ASSERT_TRUE(StartBalanceQuery(launcher, "/opt/vqm/").ok());
    ASSERT_EQ(launcher.starts.size(), 1u);
    const auto& start = launcher.starts[0];
    EXPECT_EQ(start.program, "/opt/vqm/VQMTohyoPlugIn2.exe");
    EXPECT_EQ(start.parameter, " money");
    EXPECT_EQ(start.workingFolder, "/opt/vqm/");
    EXPECT_EQ(start.window, PluginWindow::Hidden);
}

TEST(StartVotePlugin, ARefusedStartIsAnErrorAndABlankFolderStartsNothing) {
    FakeVotePluginLauncher launcher;
    launcher.refuseWith("No such file or directory");
    auto started = StartVotePlugin(launcher, "/opt/vqm", "/opt/vqm/kaime/250301.csv");
    ASSERT_FALSE(started.ok());
    EXPECT_NE(started.error().find("/opt/vqm" + nativePath("/VQMTohyoPlugIn2.exe")), std::string::npos);
    EXPECT_FALSE(StartBalanceQuery(launcher, "/opt/vqm").ok());

    FakeVotePluginLauncher quiet;
    EXPECT_FALSE(StartVotePlugin(quiet, "", "/kaime/250301.csv").ok());
    EXPECT_FALSE(StartBalanceQuery(quiet, "").ok());
    EXPECT_TRUE(quiet.starts.empty());
}

}  // namespace
}  // namespace marovix::vote_plugin_start_test
