// marovix-cli download, run as the user runs it, on a small feed of the JV-Link stand-in.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "core/common/TextFile.h"
#include "tests/support/CliProcess.h"
#include "tests/support/CliRun.h"
#include "tests/support/DownloadRecords.h"
#include "tests/support/FeedFolderBuilder.h"
#include "tests/support/FileModes.h"
#include "tests/support/TempFolder.h"

namespace marovix::download_command_test {
namespace {

class DownloadCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        const RaceId race{"20240106", "06", 11};
        feed.addStoredFile("20240106180000", "RACE", {raRecord(race), seRecord(race, 4)});
        feed.addStoredFile("20240107180000", "ODDS", {oddsRecord("O1", race), hrRecord(race)});
    }
    std::string arguments(const std::string& more) const {
        return "download --app-folder '" + app.path() + "' --feed '" + feedFolder.path() + "' " + more;
    }
    bool dataFileExists(const std::string& name) const { return fileExists(app.file("Data/" + name)); }
    std::vector<std::string> argumentList(std::vector<std::string> more) const {
        std::vector<std::string> all = {"download", "--app-folder", app.path(), "--feed", feedFolder.path()};
        all.insert(all.end(), more.begin(), more.end());
        return all;
    }

    TempFolder app;
    TempFolder feedFolder;
    FeedFolderBuilder feed{feedFolder.path()};
};

TEST_F(DownloadCommandTest, DownloadsIntoTheDataFolderAndAdvancesLastTime) {
    CliRun run = runCli(arguments("--from \"2024/01/01 00:00:00\""));
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("2024年01月01日00時00分00秒以降のデータ取込を開始します。"), std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("] データ作成が完了しました。"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("download completed: 2 files, 4 records read, 4 stored, 0 not taken, 0 corrupt"),
              std::string::npos)
        << run.output;
    for (const char* name :
         {"2024年01月06日.jvRA", "2024年01月06日中山.jvSEr", "2024年01月06日.jvO1", "2024年01月06日.jvHR"})
        EXPECT_TRUE(dataFileExists(name)) << name;
    auto ini = readTextLines(app.file("Marovix.ini"));
    ASSERT_TRUE(ini.ok());
    EXPECT_NE(std::find(ini->begin(), ini->end(), "LastTime=2024/01/07 18:00:00"), ini->end());

    // The next run starts at LastTime: nothing newer.
    run = runCli(arguments(""));
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("最新のデータがありません。"), std::string::npos) << run.output;
}

TEST_F(DownloadCommandTest, WithoutFinalOddsNoOddsFileIsWritten) {
    CliRun run = runCli(arguments("--setup --no-final-odds --from \"2024/01/01 00:00:00\""));
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_FALSE(dataFileExists("2024年01月06日.jvO1"));
    EXPECT_TRUE(dataFileExists("2024年01月06日.jvHR"));
}

TEST_F(DownloadCommandTest, JvLinkErrorEndsWithItsMessageAndExitCode) {
    feed.setFaults("JVRead -402 after 1\n");
    CliRun run = runCli(arguments("--from \"2024/01/01 00:00:00\""));
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_NE(run.output.find("JVReadエラー:ダウンロードしたファイルサイズが異常です。(-402)"), std::string::npos)
        << run.output;
    EXPECT_TRUE(dataFileExists("2024年01月06日.jvRA"));
    auto ini = readFileBytes(app.file("Marovix.ini"));
    EXPECT_TRUE(!ini.ok() || ini->find("LastTime") == std::string::npos);
}

TEST_F(DownloadCommandTest, DataEndingEarlyFailsAndLeavesLastTime) {
    feed.setFaults("JVRead 0 after 2\n");  // the component ends the data after two records
    CliRun run = runCli(arguments("--from \"2024/01/01 00:00:00\""));
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_NE(run.output.find("データ読込みが途中で終了しました(0/2)。"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("download completed"), std::string::npos) << run.output;
    auto ini = readFileBytes(app.file("Marovix.ini"));
    EXPECT_TRUE(!ini.ok() || ini->find("LastTime") == std::string::npos);

    // The next run reads the same files again, now to their end.
    feed.setFaults("");
    run = runCli(arguments("--from \"2024/01/01 00:00:00\""));
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("download completed: 2 files"), std::string::npos) << run.output;
}

TEST_F(DownloadCommandTest, LastTimeThatCannotBeSavedFails) {
    const std::string ini = app.file("Marovix.ini");
    ASSERT_TRUE(replaceFile(ini, "[JvDataGet]\r\nLastTime=2024/01/01 00:00:00\r\n").ok());
    ASSERT_TRUE(makeReadOnly(ini));
    CliRun run = runCli(arguments(""));
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_NE(run.output.find(ini + " に書き込めません"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("download completed"), std::string::npos) << run.output;
    EXPECT_EQ(*readFileBytes(ini), "[JvDataGet]\r\nLastTime=2024/01/01 00:00:00\r\n");
}

TEST_F(DownloadCommandTest, FailuresGoToStandardErrorAndProgressToStandardOutput) {
    feed.setFaults("JVRead -402 after 1\n");
    CliProcess run(argumentList({"--from", "2024/01/01 00:00:00"}));
    EXPECT_EQ(run.wait(), 1) << run.out() << run.err();
    const std::string failure = "JVReadエラー:ダウンロードしたファイルサイズが異常です。(-402)";
    EXPECT_NE(run.err().find(failure), std::string::npos) << run.err();
    EXPECT_NE(run.err().find("download failed: "), std::string::npos) << run.err();
    EXPECT_EQ(run.out().find(failure), std::string::npos) << run.out();
    EXPECT_NE(run.out().find("以降のデータ取込を開始します。"), std::string::npos) << run.out();
    EXPECT_NE(run.out().find("] データ読込み中．．．(0/2)"), std::string::npos) << run.out();
}

TEST_F(DownloadCommandTest, WhatTheStandInFindsWrongWithItsFeedGoesToStandardError) {
    feed.setFaults("JVRead -402 afer 25\njvread -1\n");
    feed.addStoredFile("20240107993000", "HR", {hrRecord({"20240107", "06", 11})});
    CliProcess run(argumentList({"--from", "2024/01/01 00:00:00"}));
    EXPECT_EQ(run.wait(), 0) << run.out() << run.err();
    const std::string faults = feedFolder.file("faults.txt");
    EXPECT_EQ(run.err(), "JV-Link stand-in: " + faults + " line 1: JVRead -402 afer 25  (not a rule; ignored)\n" +
                             "JV-Link stand-in: " + faults + " line 2: jvread -1  (not a rule; ignored)\n" +
                             "JV-Link stand-in: " + feedFolder.file("stored/20240107993000_HR.jvf") +
                             ": the stamp 20240107993000 is no real moment; not served\n");
    EXPECT_NE(run.out().find("download completed: 2 files"), std::string::npos) << run.out();

    const std::string missing = feedFolder.file("missing");
    CliProcess nothing({"download", "--app-folder", app.path(), "--feed", missing});
    EXPECT_EQ(nothing.wait(), 0) << nothing.out() << nothing.err();
    EXPECT_EQ(nothing.err(), "JV-Link stand-in: " + missing + ": the feed folder does not exist; no data is served\n");
    EXPECT_NE(nothing.out().find("最新のデータがありません。"), std::string::npos) << nothing.out();
}

TEST_F(DownloadCommandTest, CtrlCCancelsWhileJvLinkKeepsAskingToCallAgain) {
    struct Case {
        std::string faults;
        std::string call;  // as the waiting notice names it
    };
    const Case cases[] = {
        {"JVRead -3 after 1\n", "JVRead -3"},
        {"JVRead -2\n", "JVRead -2"},
        {"JVStatus 99\n", "JVStatus"},  // above the download count, for ever
    };
    for (const auto& c : cases) {
        feed.setFaults(c.faults);
        CliProcess run(argumentList({"--from", "2024/01/01 00:00:00"}));
        ASSERT_TRUE(run.waitForOutput("JV-Linkの応答待ち(" + c.call + "): 1秒 (Ctrl-Cで中止)"))
            << run.out() << run.err();
        run.signal(SIGINT);
        EXPECT_EQ(run.wait(), 130) << c.call << "\n" << run.out() << run.err();
        EXPECT_NE(run.out().find("JVCancel:キャンセルされました"), std::string::npos) << run.out();
        EXPECT_NE(run.out().find("download cancelled"), std::string::npos) << run.out();
        EXPECT_EQ(run.err(), "") << c.call;
        auto ini = readFileBytes(app.file("Marovix.ini"));
        EXPECT_TRUE(!ini.ok() || ini->find("LastTime") == std::string::npos) << c.call;
    }
}

TEST_F(DownloadCommandTest, MalformedArgumentsAreUsageErrors) {
    EXPECT_EQ(runCli(arguments("--from yesterday")).exitCode, 2);
    EXPECT_EQ(runCli(arguments("--frm \"2024/01/01 00:00:00\"")).exitCode, 2);
}

}  // namespace
}  // namespace marovix::download_command_test
