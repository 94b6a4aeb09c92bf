// marovix-cli fetch: the real-time fetches of the main window through the JV-Link stand-in serving a
// generated feed, at the moment --at sets; FetchStatusText, the messages and the error-log lines as JSON.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "core/common/SystemFiles.h"
#include "core/common/TextFile.h"
#include "tests/support/CliRun.h"
#include "tests/support/DemoDay.h"
#include "tests/support/TempFolder.h"  // nativePath

namespace marovix::fetch_command_test {
namespace {

class FetchCommandTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        demo = new DemoDay(DemoDayOptions{DateTime{2025, 3, 1}, DateTime{2025, 3, 1}, 11, false, false});
    }
    static void TearDownTestSuite() {
        delete demo;
        demo = nullptr;
    }
    static DemoDay* demo;

    static std::string fetch(const std::string& at, const std::string& more) {
        return "--at \"" + at + "\" fetch " + more + " --app-folder " + demo->appFolder() + " --feed " +
               demo->feedFolder() + " --day " + demo->days().front();
    }
    static std::string dayFile(const std::string& extension) {
        return demo->appFolder() + "/Data/" + demo->days().front() + extension;
    }
};

DemoDay* FetchCommandTest::demo = nullptr;

TEST_F(FetchCommandTest, TheOddsOfARaceAreFetchedStoredAndShownOnItsCard) {
    ASSERT_TRUE(demo->problems().empty()) << demo->problems().front();
    ASSERT_FALSE(fileExists(dayFile(".jvO1")));
    const CliSplitRun run = runCliSplit(fetch("2025/03/01 12:00:00", "odds --race 1"));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json.at("fetch"), "odds");
    EXPECT_EQ(json.at("DLlabel"), "");
    EXPECT_EQ(json.at("messages"), nlohmann::json::array());
    EXPECT_EQ(json.at("errorLog"), nlohmann::json::array());
    EXPECT_EQ(json.at("OzFetched"), true);
    const auto& card = json.at("StringGrid26");
    ASSERT_GT(card.size(), 2u);
    EXPECT_EQ(card[0][6], "単OZ");
    int withOdds = 0;
    for (std::size_t row = 1; row < card.size(); ++row) withOdds += card[row][6] != "     ";
    EXPECT_GT(withOdds, 0);
    EXPECT_TRUE(fileExists(dayFile(".jvO1")));
    EXPECT_TRUE(fileExists(dayFile(".jvO6")));
}

TEST_F(FetchCommandTest, TheChangeInformationIsFetchedIntoTheChangeFilesAndApplied) {
    const CliSplitRun run = runCliSplit(fetch("2025/03/01 16:00:00", "changes"));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json.at("fetch"), "changes");
    EXPECT_EQ(json.at("DLlabel"), "");
    EXPECT_FALSE(json.at("NowTimeRaceList").empty());
    // Every meeting day announces its weather and going in the morning.
    auto we = readRawLines(demo->appFolder() + "/CHG/" + demo->days().front() + ".WE");
    ASSERT_TRUE(we.ok());
    EXPECT_FALSE(we->empty());
    EXPECT_EQ(we->front().substr(0, 2), "WE");
}

TEST_F(FetchCommandTest, AFetchBeforeTheDataExistsExitsOneWithTheErrorInFetchStatusText) {
    const CliSplitRun run = runCliSplit(fetch("2025/03/01 07:00:00", "mining"));
    ASSERT_EQ(run.exitCode, 1) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    const std::string error = json.at("DLlabel");
    EXPECT_NE(error.find("R:DMデータ取得エラー： 取得済みデータより最新のデータがありません。(-1)"), std::string::npos)
        << error;
    ASSERT_EQ(json.at("errorLog").size(), 2u);  // both streams failed
    EXPECT_EQ(json.at("errorLog")[1], "【エラー】07:00:00：" + error);
}

TEST_F(FetchCommandTest, ResultsOfTheMorningRacesArriveInThePayoutFile) {
    ASSERT_TRUE(removeFile(dayFile(".jvHR")).ok());  // as before the day's first race
    auto races = readRawLines(dayFile(".jvRA"));
    ASSERT_TRUE(races.ok());
    const CliSplitRun run = runCliSplit(fetch("2025/03/01 11:30:00", "results"));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(nlohmann::json::parse(run.out).at("DLlabel"), "");
    auto hr = readRawLines(dayFile(".jvHR"));
    ASSERT_TRUE(hr.ok());
    EXPECT_FALSE(hr->empty());
    EXPECT_LT(hr->size(), races->size());  // the afternoon's races are still to run
}

TEST_F(FetchCommandTest, BadArgumentsExitTwoAndAnUnknownDayOne) {
    EXPECT_EQ(runCliSplit(fetch("2025/03/01 12:00:00", "prices")).exitCode, 2);
    EXPECT_EQ(runCliSplit(fetch("2025/03/01 12:00:00", "odds --race -1")).exitCode, 2);
    // A day as the date list writes it, or in digits with or without slashes: each is the same day.
    for (const std::string day : {"2025年03月09日", "20250309", "2025/03/09"}) {
        const CliSplitRun unknown = runCliSplit("fetch odds --app-folder " + demo->appFolder() + " --feed " +
                                                demo->feedFolder() + " --day " + day);
        EXPECT_EQ(unknown.exitCode, 1) << day;
        EXPECT_NE(unknown.err.find("no meeting day 2025年03月09日 in " + demo->appFolder() + nativePath("/Data\n")),
                  std::string::npos)
            << unknown.err;
    }
    for (const std::string day : {"2025-03-09", "202503", "2025/0309"})
        EXPECT_EQ(runCliSplit("fetch odds --app-folder " + demo->appFolder() + " --day " + day).exitCode, 2) << day;
}

TEST_F(FetchCommandTest, TheDayOddsFetchGoesOverEveryRaceOfTheList) {
    // In the evening every race's odds exist; at seven in the morning none do, and the command says so.
    const CliSplitRun evening = runCliSplit(fetch("2025/03/01 18:00:00", "day-odds"));
    ASSERT_EQ(evening.exitCode, 0) << evening.err;
    const auto json = nlohmann::json::parse(evening.out);
    EXPECT_EQ(json.at("fetch"), "day-odds");
    const auto& fetched = json.at("OzFetched");
    ASSERT_GT(fetched.size(), 20u);  // two or three courses of twelve races
    for (const auto& race : fetched) EXPECT_TRUE(race.get<bool>()) << fetched;
    EXPECT_EQ(json.at("errorLog"), nlohmann::json::array());
    auto o1 = readRawLines(dayFile(".jvO1"));
    ASSERT_TRUE(o1.ok());
    EXPECT_EQ(o1->size(), fetched.size());

    const CliSplitRun morning = runCliSplit(fetch("2025/03/01 07:00:00", "day-odds"));
    EXPECT_EQ(morning.exitCode, 1) << morning.err;
    const auto early = nlohmann::json::parse(morning.out);
    for (const auto& race : early.at("OzFetched")) EXPECT_FALSE(race.get<bool>());
    EXPECT_FALSE(early.at("errorLog").empty());
}

TEST_F(FetchCommandTest, TheTimeSeriesImportNeedsItsFolderAndThenFillsTheDayOddsFiles) {
    const CliSplitRun refused = runCliSplit(fetch("2025/03/01 12:00:00", "timeseries"));
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(nlohmann::json::parse(refused.out).at("messages"),
              nlohmann::json::array({"時系列ｵｯｽﾞﾌｫﾙﾀﾞ指定をしてください。"}));

    ASSERT_EQ(runCli("settings --app-folder " + demo->appFolder() + " --section Dir --key jikeiretu --value " +
                     demo->feedFolder() + "/companions/Kalvora/Data")
                  .exitCode,
              0);
    if (fileExists(dayFile(".jvO2"))) {
        ASSERT_TRUE(removeFile(dayFile(".jvO2")).ok());
    }
    const CliSplitRun run = runCliSplit(fetch("2025/03/01 12:00:00", "timeseries --race 3"));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    ASSERT_EQ(json.at("messages").size(), 1u) << run.out;
    const std::string message = json.at("messages")[0];
    EXPECT_NE(message.find("ﾚｰｽ分の馬連ｵｯｽﾞ\nを取りこみました。"), std::string::npos) << message;
    EXPECT_TRUE(fileExists(dayFile(".jvO2")));
    ASSERT_TRUE(runCli("settings --app-folder " + demo->appFolder() + " --section Dir --key jikeiretu --value " +
                       demo->appFolder())
                    .exitCode == 0);
}

}  // namespace
}  // namespace marovix::fetch_command_test
