// marovix-cli vote on a generated race day: the program builds the selections, votes them through the real
// paper-trading plug-in process, and the plug-in takes the stakes from its balance.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <thread>

#include "core/common/Cp932.h"
#include "core/common/TextFile.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "core/vote/VoteFile.h"
#include "core/vote/VotePluginFiles.h"
#include "platform/SystemClock.h"
#include "platform/SystemPorts.h"
#include "standins/voteplugin/PaperAccount.h"
#include "tests/support/CliProcess.h"
#include "tests/support/CliRun.h"
#include "tests/support/DemoDay.h"
#include "tests/support/FakeClock.h"
#include "tests/support/RecordingPlugIn.h"
#include "tests/support/TempFolder.h"

namespace marovix::vote_command_test {
namespace {

TEST(VoteCommand, VotesARaceThroughTheRealPlugInWhichTakesTheStakes) {
    DemoDay demo(DemoDayOptions{DateTime{2025, 3, 1}, DateTime{2025, 3, 1}, 17, true, true});
    ASSERT_TRUE(demo.problems().empty()) << demo.problems().front();
    TempFolder folder;
    const std::string plugin = folder.file("VQM plug in");
    ASSERT_EQ(runCli("plugin --install '" + plugin + "' --balance 50000").exitCode, 0);

    FakeClock clock(DateTime{2025, 3, 1, 8, 0, 0});
    Settings settings(demo.appFolder(), demo.appFolder() + "/share", clock);
    ASSERT_TRUE(settings.writeText(settings::DirVQMTohyo2, plugin).ok());
    ASSERT_TRUE(settings.writeInt(settings::KaimeSetShihyoSet, 2).ok());  // marks by clicks only
    ASSERT_TRUE(settings.writeBool(settings::BuyBaken[3], true).ok());    // quinella takes part
    ASSERT_TRUE(settings.writeInt(settings::KaimeSetDefaultAmount[3], 1000).ok());

    // The morning of the race day: ◎ on horses 1, 2 and 3, quinella box, the quinella page voted.
    const CliSplitRun run =
        runCliSplit("--at \"2025/03/01 08:00:00\" vote --app-folder " + demo.appFolder() + " --day " + demo.days()[0] +
                    " --race 0 --page 4 --click-mark 1:18 --click-mark 2:18 --click-mark 3:18");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    ASSERT_TRUE(json.at("voted").get<bool>()) << run.out;
    const auto& log = json.at("dayLog");
    ASSERT_GE(log.size(), 7u) << run.out;
    EXPECT_EQ(log[0], "-----");
    EXPECT_EQ(log[1].get<std::string>().rfind("■投票[手動][馬連]2025/03/01 08:00:", 0), 0u) << log[1];
    std::vector<std::string> voteLines;
    int stakes = 0;
    for (std::size_t i = 5; i + 1 < log.size(); ++i) {
        const std::string line = log[i];
        voteLines.push_back(line);
        EXPECT_EQ(line.rfind("20250301,", 0), 0u) << line;
        EXPECT_NE(line.find(",UMAFUKU,NORMAL,"), std::string::npos) << line;
        stakes += std::stoi(line.substr(line.find("NORMAL,") + 7));
    }
    EXPECT_EQ(voteLines.size(), 3u);  // 1-2, 1-3, 2-3
    EXPECT_GT(stakes, 0);

    // The plug-in runs on its own: wait for the verdict of its run in its day log (the date it runs on).
    const std::string pluginLog = PluginLogPath(plugin, SystemClock().now().dateKey());
    std::string logText;
    for (int i = 0; i < 200 && logText.find("■結果") == std::string::npos; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        if (auto bytes = readFileBytes(pluginLog)) logText = cp932ToUtf8(*bytes);
    }
    ASSERT_FALSE(logText.empty()) << pluginLog;
    for (const auto& line : voteLines) EXPECT_NE(logText.find(line), std::string::npos) << logText;
    EXPECT_EQ(*PaperAccount(plugin).balance(), 50000 - stakes) << logText;
}

// The demo day of 2025/03/01 with its final odds, the paper-trading plug-in in a folder of its own and
// the marks made by clicks only; every bet type out of the selections until a command ticks it.
class VoteActionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(demo.problems().empty()) << demo.problems().front();
        ASSERT_EQ(runCli("plugin --install '" + plugin + "' --balance 50000").exitCode, 0);
        FakeClock clock(DateTime{2025, 3, 1, 8, 0, 0});
        Settings settings(demo.appFolder(), demo.appFolder() + "/share", clock);
        ASSERT_TRUE(settings.writeText(settings::DirVQMTohyo2, plugin).ok());
        ASSERT_TRUE(settings.writeInt(settings::KaimeSetShihyoSet, 2).ok());
    }

    // `vote` of race 0 in the morning of the race day, with `more`.
    CliSplitRun vote(const std::string& more) const {
        return runCliSplit("--at \"2025/03/01 08:00:00\" vote --app-folder " + demo.appFolder() + " --day " +
                           demo.days()[0] + " --race 0 " + more);
    }
    // The vote-file lines of a day-log block (between its two "***").
    static std::vector<std::string> voteLines(const nlohmann::json& log) {
        std::vector<std::string> lines;
        for (std::size_t i = 5; i + 1 < log.size(); ++i) lines.push_back(log[i]);
        return lines;
    }
    static int stakeOf(const std::string& line) { return std::stoi(line.substr(line.find("NORMAL,") + 7)); }

    DemoDay demo{DemoDayOptions{DateTime{2025, 3, 1}, DateTime{2025, 3, 1}, 17, true, true}};
    TempFolder folder;
    const std::string plugin = folder.file("plugin");
};

TEST_F(VoteActionsTest, TheWinPageIsTurnedToBeforeTheMarkIsClickedSoItsSelectionIsVoted) {
    // Win does not take part: its grid is built only while its page shows, as in the window where the user
    // turns to the tab "単勝" and then marks.
    const CliSplitRun run = vote("--page 1 --click-mark 1:18");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json.at("messages").size(), 1u) << run.out;  // the question only
    ASSERT_TRUE(json.at("voted").get<bool>()) << run.out;
    const auto& log = json.at("dayLog");
    ASSERT_GE(log.size(), 7u) << run.out;
    EXPECT_EQ(log[1].get<std::string>().rfind("■投票[手動][単勝]2025/03/01 08:00:", 0), 0u) << log[1];
    const auto lines = voteLines(log);
    ASSERT_EQ(lines.size(), 1u) << run.out;
    EXPECT_NE(lines[0].find(",TAN,NORMAL,"), std::string::npos) << lines[0];
}

TEST_F(VoteActionsTest, AnsweringNoToTheQuestionWritesAndLogsNothing) {
    const CliSplitRun run = vote("--page 1 --click-mark 1:18 --answer no");
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_FALSE(json.at("voted").get<bool>());
    ASSERT_EQ(json.at("messages").size(), 1u) << run.out;
    const std::string question = json.at("messages")[0];
    EXPECT_NE(question.find("]に投票します。実行してよろしいですか？ [No]"), std::string::npos) << question;
    EXPECT_EQ(json.at("dayLog"), nlohmann::json::array());
    EXPECT_FALSE(fileExists(VoteFilePath(plugin, "2025030100000000")));
}

TEST_F(VoteActionsTest, TheBetTypesTheStakeAndTheRowsStruckOutAreWhatIsVoted) {
    // Quinella alone on "一括", ◎ on three horses (a box of three), 900 yen spread evenly, the second row
    // of the combined list struck out.
    const CliSplitRun run = vote(
        "--page 0 --bet-types ur --control HaibunRadio=0 --click-mark 1:18 --click-mark 2:18 --click-mark 3:18 "
        "--stake UR=900 --strike 0:2");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    ASSERT_TRUE(json.at("voted").get<bool>()) << run.out;
    const auto& log = json.at("dayLog");
    EXPECT_EQ(log[1].get<std::string>().rfind("■投票[手動][一括]", 0), 0u) << log[1];
    EXPECT_EQ(log[3], "■投票金額:    900");  // the total counts the struck row, as the window's does
    const auto lines = voteLines(log);
    ASSERT_EQ(lines.size(), 2u) << run.out;  // 1-2 and 2-3; 1-3 struck out
    for (const auto& line : lines) {
        EXPECT_NE(line.find(",UMAFUKU,NORMAL,"), std::string::npos) << line;
        EXPECT_EQ(stakeOf(line), 300) << line;
    }
}

// A race day of the demo generator voted through plug-in scripts: the morning of 1 March 2025, the
// quinella page of a race with ◎ on horses 1, 2 and 3 (three lines).
class VoteQueueCommand : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_demo = std::make_unique<DemoDay>(DemoDayOptions{DateTime{2025, 3, 1}, DateTime{2025, 3, 1}, 17, true, true});
        ASSERT_TRUE(s_demo->problems().empty()) << s_demo->problems().front();
        FakeClock clock(DateTime{2025, 3, 1, 8, 0, 0});
        Settings settings(app(), app() + "/share", clock);
        ASSERT_TRUE(settings.writeInt(settings::KaimeSetShihyoSet, 2).ok());
        ASSERT_TRUE(settings.writeBool(settings::BuyBaken[3], true).ok());
        ASSERT_TRUE(settings.writeInt(settings::KaimeSetDefaultAmount[3], 1000).ok());
    }
    static void TearDownTestSuite() { s_demo.reset(); }
    static const std::string& app() { return s_demo->appFolder(); }

    // The plug-in folder, which the program is set to.
    void usePlugIn(const Status& installed) {
        ASSERT_TRUE(installed.ok()) << installed.error();
        FakeClock clock(DateTime{2025, 3, 1, 8, 0, 0});
        ASSERT_TRUE(Settings(app(), app() + "/share", clock).writeText(settings::DirVQMTohyo2, plugin).ok());
    }
    void plugInScript(const std::string& body) { usePlugIn(installPlugInScript(plugin, body)); }
    // The vote command's arguments for race-list entry `race`.
    std::vector<std::string> voteArgs(int race, std::vector<std::string> more = {}) {
        std::vector<std::string> args = {"--at",  "2025/03/01 08:00:00", "vote",   "--app-folder",       app(),
                                         "--day", s_demo->days()[0],     "--race", std::to_string(race), "--page",
                                         "4"};
        for (const char* cell : {"1:18", "2:18", "3:18"}) args.insert(args.end(), {"--click-mark", cell});
        args.insert(args.end(), more.begin(), more.end());
        return args;
    }
    // The vote lines of the day-log block in a vote's JSON output.
    static std::vector<std::string> blockLines(const nlohmann::json& json) {
        const auto blocks = voteBlocks(json.at("dayLog").get<std::vector<std::string>>());
        return blocks.empty() ? std::vector<std::string>{} : blocks.front().second;
    }

    static std::unique_ptr<DemoDay> s_demo;
    TempFolder folder;
    const std::string plugin = folder.file("VQM plug in");
};

std::unique_ptr<DemoDay> VoteQueueCommand::s_demo;

// The plug-ins of these tests are shell scripts (RecordingPlugIn.h), which Windows cannot start as the
// plug-in's program: they run on POSIX systems only.
#ifndef _WIN32
TEST_F(VoteQueueCommand, TwoVotesASecondApartToASlowPlugInPlaceEachRaceOnce) {
    // The plug-in reads its file two seconds after it starts (a login, say) and records what it placed.
    usePlugIn(installRecordingPlugIn(plugin, folder.file("placed.txt"), "2"));
    CliProcess first(voteArgs(0));
    ASSERT_EQ(first.wait(), 0) << first.err();
    std::this_thread::sleep_for(std::chrono::seconds(1));
    CliProcess second(voteArgs(1));
    ASSERT_EQ(second.wait(), 0) << second.err();
    const auto one = nlohmann::json::parse(first.out()), two = nlohmann::json::parse(second.out());
    EXPECT_EQ(two.at("outcome"), "handedOver");
    EXPECT_GT(two.at("waitedSeconds").get<double>(), 0.0) << "the second vote waited for the first run";
    ASSERT_TRUE(awaitVoteLockFree(plugin));
    const auto votes = placedVotes(folder.file("placed.txt"));
    ASSERT_EQ(votes.size(), 2u);
    EXPECT_EQ(votes[0], blockLines(one));
    EXPECT_EQ(votes[1], blockLines(two));
    EXPECT_NE(votes[0], votes[1]);
    EXPECT_EQ(votes[0].size(), 3u);
}

TEST_F(VoteQueueCommand, APlugInExitingWithOneLeavesTheErrorLineAndTheCommandSaysSo) {
    plugInScript("exit 1\n");
    CliProcess vote(voteArgs(0, {"--wait-end"}));
    EXPECT_EQ(vote.wait(), 1) << vote.err();
    const auto json = nlohmann::json::parse(vote.out());
    EXPECT_TRUE(json.at("voted").get<bool>());
    EXPECT_EQ(json.at("run").at("exitCode"), 1);
    const std::string entryLine = json.at("dayLog")[2];
    const std::string entry = entryLine.substr(1, entryLine.size() - 1 - std::string("]投票実行").size());
    const std::string last = json.at("dayLog").back();
    const std::size_t timeEnd = std::string("[エラー]08:00:00").size();
    EXPECT_TRUE(last.starts_with("[エラー]08:00:")) << last;
    EXPECT_EQ(last.substr(timeEnd), " 投票プラグインが異常終了しました(終了コード1)[" + entry + "]");
    auto errors = readTextLines(app() + "/ErrorLog.txt");
    ASSERT_TRUE(errors.ok());
    EXPECT_NE(errors->back().find("投票プラグインが異常終了しました(終了コード1)"), std::string::npos)
        << errors->back();
}

#endif

// The plug-in never starts here: a script will do on every system.
TEST_F(VoteQueueCommand, AVoteRefusedOrGivenUpExitsWithOne) {
    plugInScript("exit 0\n");
    // No marks, no selections: refused by its check.
    CliProcess refused({"--at", "2025/03/01 08:00:00", "vote", "--app-folder", app(), "--day", s_demo->days()[0],
                        "--race", "0", "--page", "4"});
    EXPECT_EQ(refused.wait(), 1) << refused.err();
    auto json = nlohmann::json::parse(refused.out());
    EXPECT_FALSE(json.at("voted").get<bool>());
    EXPECT_EQ(json.at("outcome"), "notQueued");
    EXPECT_EQ(json.at("messages").back(), "買い目が作成されていません。");

    // Another program holds the vote lock beyond the bound: the vote is given up, its file never written.
    SystemVotePluginLauncher other;
    auto held = other.tryLock(VoteLockPath(plugin));
    ASSERT_TRUE(held.ok() && *held);
    CliProcess waiting(voteArgs(0, {"--wait-limit", "1"}));
    EXPECT_EQ(waiting.wait(), 1) << waiting.err();
    json = nlohmann::json::parse(waiting.out());
    EXPECT_FALSE(json.at("voted").get<bool>());
    EXPECT_EQ(json.at("outcome"), "withdrawn");
    EXPECT_TRUE(json.at("dayLog").back().get<std::string>().ends_with(
        "の投票は前の投票の終了を待ちきれなかったため、取りやめました。"));
    EXPECT_FALSE(fileExists(plugin + "/kaime/250301.csv"));
}

#ifndef _WIN32  // a shell-script plug-in, as above
TEST_F(VoteQueueCommand, ThePlugInGetsNoneOfTheCommandsOutputStreams) {
    // A plug-in that outlives the command: a pipe reading the command's output ends with the command.
    plugInScript("echo plug-in output\nsleep 3\n: > '" + folder.file("done") + "'\n");
    const CliRun run = runCli("--at '2025/03/01 08:00:00' vote --app-folder '" + app() + "' --day " +
                              s_demo->days()[0] + " --race 0 --page 4 --click-mark 1:18 --click-mark 2:18");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_FALSE(fileExists(folder.file("done"))) << "the pipe waited for the plug-in";
    EXPECT_EQ(run.output.find("plug-in output"), std::string::npos);
    EXPECT_TRUE(awaitVoteLockFree(plugin));
}
#endif

}  // namespace
}  // namespace marovix::vote_command_test
