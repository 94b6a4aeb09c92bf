// A vote run of the stand-in writes its log entry before it changes the balance: whenever it is killed,
// no yen is gone without a log line.
#include "standins/voteplugin/VotePluginRun.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/common/Cp932.h"
#include "core/common/TextFile.h"
#include "core/vote/VotePluginFiles.h"
#include "standins/voteplugin/PaperAccount.h"
#include "tests/support/FakeClock.h"
#include "tests/support/TempFolder.h"

namespace marovix::vote_plugin_run_test {
namespace {

class VotePluginRun : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(makeDirectory(folder.file("kaime")).ok());
        ASSERT_TRUE(PaperAccount(folder.path()).setBalance(10000).ok());
        ASSERT_TRUE(replaceFile(voteFile, "20250301,06,11,TAN,NORMAL,300,07,\r\n").ok());
    }
    std::vector<std::string> log() {
        auto bytes = readFileBytes(PluginLogPath(folder.path(), "20250301"));
        return bytes ? splitLines(cp932ToUtf8(*bytes)) : std::vector<std::string>{};
    }
    std::int64_t balance() { return PaperAccount(folder.path()).balance().value(); }

    TempFolder folder;
    FakeClock clock{DateTime{2025, 3, 1, 15, 30, 10}};
    const std::string voteFile = folder.file("kaime/250301.csv");
};

TEST_F(VotePluginRun, TheEntryIsLoggedBeforeTheBalanceChanges) {
    bool looked = false;
    VoteRunHooks hooks;
    hooks.logged = [&] {
        // A kill here: the entry is in the log, and the balance has not changed.
        looked = true;
        ASSERT_FALSE(log().empty());
        EXPECT_EQ(log().back(), "■結果 受付:1件 不可:0件 購入金額:300円 残高:9700円");
        EXPECT_EQ(balance(), 10000);
    };
    ASSERT_TRUE(runVote(folder.path(), voteFile, clock, hooks).ok());
    EXPECT_TRUE(looked);
    EXPECT_EQ(balance(), 9700);
}

TEST_F(VotePluginRun, ABalanceThatCannotBeWrittenAfterTheEntryIsCancelledInTheLog) {
    const std::string settings = folder.file(std::string(VotePluginSettingsName));
    VoteRunHooks hooks;
    hooks.logged = [&] {
        // The settings file turns into a folder: the balance cannot be replaced.
        std::filesystem::rename(settings, settings + ".kept");
        std::filesystem::create_directory(settings);
    };
    Status run = runVote(folder.path(), voteFile, clock, hooks);
    EXPECT_FALSE(run.ok());
    const auto lines = log();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[lines.size() - 3], "■結果 受付:1件 不可:0件 購入金額:300円 残高:9700円");
    EXPECT_TRUE(lines[lines.size() - 2].starts_with("[取消] 残高を書き込めないため受付1件をすべて取り消しました 理由:"))
        << lines[lines.size() - 2];
    EXPECT_EQ(lines.back(), "■結果 受付:0件 購入金額:0円 残高:10000円");
    std::filesystem::remove(settings);
    std::filesystem::rename(settings + ".kept", settings);
    EXPECT_EQ(balance(), 10000);
}

}  // namespace
}  // namespace marovix::vote_plugin_run_test
