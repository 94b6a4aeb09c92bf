// marovix-cli download, run as the user runs it, on a small feed of the JV-Link stand-in.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "core/common/TextFile.h"
#include "tests/support/CliRun.h"
#include "tests/support/DownloadRecords.h"
#include "tests/support/FeedFolderBuilder.h"
#include "tests/support/TempFolder.h"

namespace marovix {
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

    TempFolder app;
    TempFolder feedFolder;
    FeedFolderBuilder feed{feedFolder.path()};
};

TEST_F(DownloadCommandTest, DownloadsIntoTheDataFolderAndAdvancesLastTime) {
    CliRun run = runCli(arguments("--from \"2024/01/01 00:00:00\""));
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("2024年01月01日00時00分00秒以降のデータ取込を開始します。"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("] データ作成が完了しました。"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("download completed: 2 files, 4 records read, 4 stored, 0 not taken, 0 corrupt"),
              std::string::npos)
        << run.output;
    for (const char* name : {"2024年01月06日.jvRA", "2024年01月06日中山.jvSEr", "2024年01月06日.jvO1", "2024年01月06日.jvHR"})
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
    ASSERT_EQ(::chmod(ini.c_str(), 0444), 0);
    CliRun run = runCli(arguments(""));
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_NE(run.output.find(ini + " に書き込めません"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("download completed"), std::string::npos) << run.output;
    EXPECT_EQ(*readFileBytes(ini), "[JvDataGet]\r\nLastTime=2024/01/01 00:00:00\r\n");
}

TEST_F(DownloadCommandTest, MalformedArgumentsAreUsageErrors) {
    EXPECT_EQ(runCli(arguments("--from yesterday")).exitCode, 2);
    EXPECT_EQ(runCli(arguments("--frm \"2024/01/01 00:00:00\"")).exitCode, 2);
}

}  // namespace
}  // namespace marovix
