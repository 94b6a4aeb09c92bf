// The command line's routes to the models of the strategy, verification and log windows: marovix-cli
// strategy, kensho and ipat-log act through the same handlers as the windows.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "core/common/TextFile.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "tests/support/CliRun.h"
#include "tests/support/FakeClock.h"
#include "tests/support/TempFolder.h"

namespace marovix {
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

TEST(WindowModelCommands, KenshoShowsTheFilterAndNoResultsWithoutAWorkFile) {
    TempFolder app;
    const CliSplitRun run = runCliSplit("kensho --app-folder '" + app.path() +
                                        "' --select TrackList0=0 --select TosuList0=13 --kyori 1200-2400");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json.at("TrackList0"), nlohmann::json({0}));
    EXPECT_EQ(json.at("TosuList0"), nlohmann::json({13}));
    EXPECT_EQ(json.at("kyori"), nlohmann::json({1200, 2400}));
    EXPECT_EQ(json.at("DataSuLabel"), "");
    EXPECT_EQ(runCli("kensho --select TrackList0=3").exitCode, 2);
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
    EXPECT_EQ(runCli("ipat-log --day 2024-05-26").exitCode, 2);
}

}  // namespace
}  // namespace marovix
