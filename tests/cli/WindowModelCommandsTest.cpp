// The command line's routes to the models of the strategy, verification and log windows: marovix-cli
// strategy and ipat-log act through the same handlers as the windows.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "core/common/TextFile.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "tests/support/CliRun.h"
#include "tests/support/FakeClock.h"
#include "tests/support/PayoutRecordBuilder.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestDayFiles.h"

namespace marovix::window_model_commands_test {
namespace {

TEST(WindowModelCommands, StrategyClicksAreStoredAsTheWindowStoresThem) {
    TempFolder app;
    const CliSplitRun run = runCliSplit("strategy --app-folder '" + app.path() +
                                        "' --index 2=4 --rank 1=3:1 --rank 1=5:1 --rank 1=3:0 --borrow 3=1"
                                        " --own-index 2=Mine");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json.at("index"), nlohmann::json({0, 4, 0}));
    EXPECT_EQ(json.at("ranks").at(0), nlohmann::json({5}));
    EXPECT_EQ(json.at("borrowIndex"), nlohmann::json({false, false, true}));
    EXPECT_EQ(json.at("ownIndexPrefix").at(1), "Mine");
    EXPECT_EQ(readTextLines(app.file("selecteduma.dat")).value().at(0), "000010000000000000");
    FakeClock clock(DateTime{2025, 3, 1, 8, 0, 0});
    Settings settings(app.path(), app.path() + "/share", clock);
    EXPECT_EQ(settings.readInt(settings::SihyoSel2), 4);
    EXPECT_TRUE(settings.readBool(settings::SetUmaSankaku));
    EXPECT_EQ(settings.readText(settings::OriginalSisu2), "Mine");

    const CliRun bad = runCli("strategy --app-folder '" + app.path() + "' --index 4=1");
    EXPECT_EQ(bad.exitCode, 2) << bad.output;
}

TEST(WindowModelCommands, StrategyWithADayChoosesTargetsAndImportsPreMarkedHorses) {
    TempFolder app;
    ASSERT_TRUE(makeDirectory(app.file("Data")).ok());
    ASSERT_TRUE(writeTestDay(app.file("Data"), 6, 8).ok());
    const std::string day = " --app-folder '" + app.path() + "' --day " + kTestDayText;
    const CliSplitRun run = runCliSplit("strategy" + day +
                                        " --targets pick=1 --targets race=0,2 --targets TrackList0=2"
                                        " --set-rank 1=1,2 --navi-quit 3:0:7000 --apply-targets");
    ASSERT_EQ(run.exitCode, 0) << run.err << run.out;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json.at("NaviTarget"), nlohmann::json({"東京 1R", "東京 3R"}));
    EXPECT_EQ(json.at("NavRListBox").size(), 2u);
    EXPECT_EQ(json.at("対象レース指定").at("RaceList0").at("selected"), nlohmann::json({0, 2}));
    EXPECT_EQ(json.at("対象レース指定").at("TrackList0").at("selected"), nlohmann::json({2}));
    EXPECT_EQ(json.at("ranks").at(0), nlohmann::json({1, 2}));
    EXPECT_EQ(json.at("自動運転終了指定").at("NaviQuitEdit2"), 7000);
    {
        FakeClock clock(DateTime{2025, 3, 1, 8, 0, 0});
        Settings settings(app.path(), app.path() + "/share", clock);
        EXPECT_EQ(settings.readInt(settings::TaishoRPickWay), 1);
        EXPECT_EQ(settings.readInt(settings::NaviQuitSel), 3);
        EXPECT_EQ(settings.readList(settings::TrackList, 1), (std::vector<std::int32_t>{0, 0, 1}));
    }

    // ○ of horse 4 in race 2 by an 18-character key; a line of horse 19 is skipped and told.
    ASSERT_TRUE(writeTextLines(app.file("picks.csv"), {testRaceKey(2) + "04", testRaceKey(2) + "19"}));
    const CliSplitRun imported =
        runCliSplit("strategy" + day + " --sirusi 2 --import '" + app.file("picks.csv") + "' --race 1");
    EXPECT_EQ(imported.exitCode, 1) << imported.err;
    const auto after = nlohmann::json::parse(imported.out);
    EXPECT_NE(after.at("messages").dump().find("1行を読み飛ばしました"), std::string::npos) << after.at("messages");
    EXPECT_EQ(after.at("StringGrid26").at(4).at(19), "ν");
    const std::string uset = readFileBytes(app.file("Data/" + kTestDayText + ".Uset")).value();
    EXPECT_EQ(uset.substr(56 + 3 * 3, 3), " 1 ");
}

TEST(WindowModelCommands, IpatLogShowsTheDayLogAndThePluginLogOfThatDay) {
    TempFolder app;
    const std::string plugin = app.file("plugin");
    ASSERT_TRUE(makeDirectory(app.file("log")));
    ASSERT_TRUE(makeDirectory(plugin));
    ASSERT_TRUE(makeDirectory(plugin + "/logs"));
    ASSERT_TRUE(writeTextLines(app.file("log/20240526.log"), {"-----", "■投票 東京11R"}));
    ASSERT_TRUE(writeTextLines(plugin + "/logs/20240526.log", {"投票受付"}));
    {
        FakeClock clock(DateTime{2025, 3, 1, 8, 0, 0});
        Settings settings(app.path(), app.path() + "/share", clock);
        ASSERT_TRUE(settings.writeText(settings::DirVQMTohyo2, plugin));
    }
    const CliSplitRun run = runCliSplit("ipat-log --app-folder '" + app.path() + "' --day 20240526");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json.at("autoNaviList"), nlohmann::json({"-----", "■投票 東京11R"}));
    EXPECT_EQ(json.at("ipatLog"), nlohmann::json({"投票受付"}));
    // The date list's form names the same day.
    const CliSplitRun listed = runCliSplit("ipat-log --app-folder '" + app.path() + "' --day 2024年05月26日");
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    EXPECT_EQ(nlohmann::json::parse(listed.out), json);
    EXPECT_EQ(runCli("ipat-log --day 2024-05-26").exitCode, 2);
}

}  // namespace
}  // namespace marovix::window_model_commands_test
