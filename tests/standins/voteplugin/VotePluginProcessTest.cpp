// The stand-in as the program meets it: the real VQMTohyoPlugIn2.exe process, installed by
// marovix-cli into a folder with blanks in its path, started on vote files.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <spawn.h>
#include <sys/wait.h>
#endif

#include <chrono>
#include <filesystem>
#include <thread>

#include "core/common/Cp932.h"
#include "core/common/TextFile.h"
#include "core/race/RecordKeys.h"
#include "core/vote/VoteFile.h"
#include "core/vote/VoteLine.h"
#include "core/vote/VotePluginFiles.h"
#include "core/vote/VotePluginStart.h"
#include "platform/SystemClock.h"
#include "platform/SystemPorts.h"
#include "tests/support/CliRun.h"
#include "tests/support/DownloadRecords.h"
#include "tests/support/TempFolder.h"

#ifndef _WIN32
extern char** environ;
#endif

namespace marovix::vote_plugin_process_test {
namespace {

class VotePluginProcess : public ::testing::Test {
protected:
    void SetUp() override {
        m_plugin = m_temp.file("VQM plug in");
        CliRun install = runCli("plugin --install '" + m_plugin + "' --inetid AB12CD34 --balance 10000");
        ASSERT_EQ(install.exitCode, 0) << install.output;
        ASSERT_TRUE(makeDirectory(m_temp.file("elsewhere")).ok());
    }

    // Runs the installed program with one parameter from another working folder and waits for it: its
    // exit code, or -1 when it did not start or end.
#ifdef _WIN32
    // Windows hands a program its parameter text as one: started as the program starts it
    // (ShellExecuteExW, the text unquoted).
    std::unique_ptr<PluginRun> start(const std::string& parameter) {
        SystemVotePluginLauncher launcher;
        auto started =
            launcher.start(VotePluginProgramPath(m_plugin), parameter, m_temp.file("elsewhere"), PluginWindow::Hidden);
        return started ? std::move(*started) : nullptr;
    }
    static int finish(const std::unique_ptr<PluginRun>& run) {
        if (!run) return -1;
        PluginRunState state = run->poll();
        for (int i = 0; i < 6000 && state.running(); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            state = run->poll();
        }
        return state.kind == PluginRunState::Kind::Exited ? state.code : -1;
    }
    int run(const std::string& parameter) { return finish(start(parameter)); }
#else
    int run(const std::string& parameter) {
        const std::string program = VotePluginProgramPath(m_plugin);
        const std::string work = m_temp.file("elsewhere");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addchdir_np(&actions, work.c_str());
        std::string arg0 = program, arg1 = parameter;
        char* argv[] = {arg0.data(), arg1.data(), nullptr};
        pid_t pid = 0;
        const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
        if (spawned != 0) return -1;
        int status = 0;
        ::waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
#endif

    // The balance as a program sees it: a balance query, then the third line of ipatbalance.ini.
    std::string balance() {
        EXPECT_EQ(run(" money"), 0);
        return ReadBalanceFile(m_plugin).value_or("none");
    }

    // Writes a vote file in kaime/ and has the plug-in place it.
    int vote(std::string_view bytes) {
        const std::string path = m_plugin + "/kaime/250301.csv";
        EXPECT_TRUE(replaceFile(path, bytes).ok());
        return run(path);
    }

    // The plug-in's day logs; a hidden temporary file of a log being replaced is not one.
    std::vector<std::filesystem::path> dayLogs() const {
        std::vector<std::filesystem::path> logs;
        if (!directoryExists(m_plugin + "/logs")) return logs;
        for (const auto& entry : std::filesystem::directory_iterator(m_plugin + "/logs"))
            if (!entry.path().filename().string().starts_with(".")) logs.push_back(entry.path());
        return logs;
    }

    // The lines of the plug-in's one day log (UTF-8), made on the day of the run.
    std::vector<std::string> log() {
        std::vector<std::filesystem::path> logs = dayLogs();
        EXPECT_EQ(logs.size(), 1u);
        if (logs.size() != 1) return {};
        const std::string today = SystemClock().now().dateKey();
        const std::string name = logs[0].filename().string();
        EXPECT_TRUE(name == today + ".log" || name == SystemClock().now().addDays(-1).dateKey() + ".log") << name;
        auto bytes = readFileBytes(logs[0].string());
        EXPECT_TRUE(bytes.ok());
        EXPECT_EQ(bytes->find('\n'), bytes->find("\r\n") + 1) << "CR LF line ends";
        return splitLines(cp932ToUtf8(*bytes));
    }

    // The lines of the last vote entry of the log (from its "■投票" line on).
    std::vector<std::string> lastVote() {
        auto lines = log();
        auto at =
            std::find_if(lines.rbegin(), lines.rend(), [](const std::string& l) { return l.starts_with("■投票"); });
        if (at == lines.rend()) return {};
        return std::vector<std::string>(at.base() - 1, lines.end());
    }

    TempFolder m_temp;
    std::string m_plugin;
};

TEST_F(VotePluginProcess, TheProgramsVoteIsTakenAndTheBalanceDropsByItsStakes) {
    const std::string key(RaceKey16(raRecord(RaceId{"20250301", "06", 11})));
    auto lines =
        VoteLines(key, {{"３連単", " 3-11- 7", "   100"}, {"馬連", " 1- 8", "  1200"}, {"枠連", " 1- 8", "   300"}});
    ASSERT_TRUE(lines.ok());
    auto path = WriteVoteFile(m_plugin, key, *lines);
    ASSERT_TRUE(path.ok()) << path.error();

    // Started as the program starts it: detached, through the launcher, never waited for.
    SystemVotePluginLauncher launcher;
    ASSERT_TRUE(StartVotePlugin(launcher, m_plugin, *path).ok());
    std::vector<std::string> entry;
    for (int i = 0; i < 1000 && (entry.empty() || !entry.back().starts_with("■結果")); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (!dayLogs().empty()) entry = lastVote();
    }
    ASSERT_FALSE(entry.empty());
    EXPECT_NE(entry[0].find("[AB12CD34] ファイル:" + *path), std::string::npos) << entry[0];
    EXPECT_EQ(std::vector<std::string>(entry.begin() + 1, entry.end()),
              (std::vector<std::string>{"[受付] 1行目 20250301,06,11,SANTAN,NORMAL,100,03-11-07,",
                                        "[受付] 2行目 20250301,06,11,UMAFUKU,NORMAL,1200,01-08,",
                                        "[受付] 3行目 20250301,06,11,WAKU,NORMAL,300,1-8,",
                                        "■結果 受付:3件 不可:0件 購入金額:1600円 残高:8400円"}));
    EXPECT_EQ(balance(), "8400");
    auto balanceLines = readTextLines(m_plugin + "/" + std::string(BalanceFileName));
    ASSERT_TRUE(balanceLines.ok());
    EXPECT_GE(balanceLines->size(), 3u);
    EXPECT_TRUE(log().back().ends_with("[AB12CD34] 残高:8400円")) << log().back();
    EXPECT_FALSE(fileExists(m_temp.file("elsewhere/" + std::string(BalanceFileName))));
}

TEST_F(VotePluginProcess, RefusesFaultyLinesWithAReasonEachAndTakesNothing) {
    const std::string head = "20250301,06,11,";
    const struct {
        std::string bytes;
        const char* reason;
    } cases[] = {
        {head + "TAN,NORMAL,150,07,\r\n", "理由:購入金額が100円単位の正の金額ではありません: 150"},
        {head + "TAN,NORMAL,0,07,\r\n", "理由:購入金額が100円単位の正の金額ではありません: 0"},
        {head + "UMAREN,NORMAL,100,01-02,\r\n", "理由:馬券種コードが正しくありません: UMAREN"},
        {head + "UMAFUKU,NORMAL,100,01-19,\r\n", "理由:馬番が範囲外です(1-18): 19"},
        {head + "TAN,NORMAL,100,\r\n", "理由:項目の数が7ではありません(6項目)"},
        {head + "TAN,NORMAL,20000,07,\r\n", "理由:残高が足りません(残高10000円)"},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(vote(c.bytes), 0);
        auto entry = lastVote();
        ASSERT_EQ(entry.size(), 3u) << c.bytes;
        EXPECT_EQ(entry[1], "[不可] 1行目 " + c.bytes.substr(0, c.bytes.size() - 2) + " " + c.reason);
        EXPECT_EQ(entry[2], "■結果 受付:0件 不可:1件 購入金額:0円 残高:10000円");
        EXPECT_EQ(balance(), "10000") << c.bytes;
    }
}

TEST_F(VotePluginProcess, RefusesAWholeFileWithBytesThatAreNotAsciiOrThatCannotBeRead) {
    // A good line first: a file refused whole takes none of its lines.
    ASSERT_EQ(
        vote("20250301,06,11,TAN,NORMAL,100,07,\r\n" + utf8ToCp932("20250301,06,11,単勝,NORMAL,100,07,") + "\r\n"), 0);
    auto entry = lastVote();
    ASSERT_EQ(entry.size(), 3u);
    EXPECT_EQ(entry[1], "[不可] ファイル全体 理由:2行目にASCII以外の文字があります");
    EXPECT_EQ(balance(), "10000");

    ASSERT_EQ(run(m_plugin + "/kaime/missing.csv"), 0);
    entry = lastVote();
    ASSERT_EQ(entry.size(), 3u);
    EXPECT_TRUE(entry[1].starts_with("[不可] ファイル全体 理由:投票ファイルを読めません: ")) << entry[1];
    EXPECT_EQ(balance(), "10000");
}

TEST_F(VotePluginProcess, TakesTheGoodLinesOfAMixedFile) {
    ASSERT_EQ(vote("20250301,06,11,TAN,NORMAL,100,07,\r\n20250301,06,11,TAN,NORMAL,150,07,\r\n"
                   "20250301,06,11,SANTAN,NORMAL,2000,01-02-03,\r\n"),
              0);
    EXPECT_EQ(lastVote().back(), "■結果 受付:2件 不可:1件 購入金額:2100円 残高:7900円");
    EXPECT_EQ(balance(), "7900");
}

TEST_F(VotePluginProcess, ConcurrentRunsLoseNoBalanceChange) {
    const std::string path = m_plugin + "/kaime/250301.csv";
    ASSERT_TRUE(replaceFile(path, "20250301,06,11,TAN,NORMAL,100,07,\r\n").ok());
    std::vector<int> codes(8, -1);
#ifdef _WIN32
    // Started one after another, to run side by side: the shell's start is no call for many threads at
    // once (Wine's moves the whole process into the working folder for the moment).
    std::vector<std::unique_ptr<PluginRun>> started;
    for (int i = 0; i < 8; ++i) started.push_back(start(i % 2 ? " money" : path));
    for (int i = 0; i < 8; ++i) codes[i] = finish(started[i]);
#else
    std::vector<std::thread> runs;
    for (int i = 0; i < 8; ++i) runs.emplace_back([&, i] { codes[i] = i % 2 ? run(" money") : run(path); });
    for (auto& t : runs) t.join();
#endif
    EXPECT_EQ(codes, std::vector<int>(8, 0));
    EXPECT_EQ(balance(), "9600");
    int taken = 0;
    for (const auto& line : log()) taken += line == "[受付] 1行目 20250301,06,11,TAN,NORMAL,100,07," ? 1 : 0;
    EXPECT_EQ(taken, 4);
}

TEST_F(VotePluginProcess, WithoutAParameterItLogsAndEndsWithUsage) {
    EXPECT_EQ(run("  "), 2);
    EXPECT_NE(log().back().find("引数がありません"), std::string::npos);
}

TEST_F(VotePluginProcess, MoneyLeavesABalanceFileOfThreeLinesAndLogsTheQuery) {
    ASSERT_EQ(run("money"), 0);  // the parameter is taken without its blanks
    auto lines = readTextLines(m_plugin + "/ipatbalance.ini");
    ASSERT_TRUE(lines.ok());
    ASSERT_EQ(lines->size(), 3u);
    EXPECT_EQ((*lines)[2], "balance=10000");
    EXPECT_EQ(ReadBalanceFile(m_plugin), "10000");
    EXPECT_NE(log().back().find("[AB12CD34] 残高:10000円"), std::string::npos) << log().back();
    EXPECT_EQ(ReadPluginInetId(m_plugin), "AB12CD34");
}

}  // namespace
}  // namespace marovix::vote_plugin_process_test
