// marovix-cli default-stakes: the window "投資金設定" from the command line: the eight default stakes
// shown, changed and stored as its "OK" stores them.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "core/common/TextFile.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "tests/support/CliRun.h"
#include "tests/support/FakeClock.h"
#include "tests/support/TempFolder.h"

namespace marovix::default_stakes_command_test {
namespace {

TEST(DefaultStakesCommand, OkRaisesAmountsBelowOneHundredAndStoresTheEight) {
    TempFolder app;
    const CliSplitRun shown = runCliSplit("default-stakes --app-folder '" + app.path() + "'");
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    const auto defaults = nlohmann::json::parse(shown.out);
    ASSERT_EQ(defaults.size(), 8u);
    for (const auto& [prefix, amount] : defaults.items()) EXPECT_EQ(amount, 3000) << prefix;

    const CliSplitRun run =
        runCliSplit("default-stakes --app-folder '" + app.path() + "' --stake tan=50 --stake SRT=12000 --stake wd=0");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json.at("Tan"), 100);
    EXPECT_EQ(json.at("WD"), 100);
    EXPECT_EQ(json.at("SRT"), 12000);
    EXPECT_EQ(json.at("Fuk"), 3000);
    FakeClock clock(DateTime{2025, 3, 1, 8, 0, 0});
    Settings settings(app.path(), app.path() + "/share", clock);
    EXPECT_EQ(settings.readInt(settings::KaimeSetDefaultAmount[0]), 100);
    EXPECT_EQ(settings.readInt(settings::KaimeSetDefaultAmount[7]), 12000);
}

TEST(DefaultStakesCommand, AnAmountTheEditCannotHoldExitsTwoAndStoresNothing) {
    TempFolder folder;
    const std::string app = folder.file("app");
    for (const char* stake : {"tan=abc", "tan=2147483648", "tan=-100", "win=100", "tan"}) {
        const CliSplitRun run = runCliSplit("default-stakes --app-folder '" + app + "' --stake " + stake);
        EXPECT_EQ(run.exitCode, 2) << stake << "\n" << run.err;
        EXPECT_NE(run.err.substr(0, run.err.find('\n')).find(stake), std::string::npos) << stake << "\n" << run.err;
        EXPECT_FALSE(directoryExists(app)) << stake;
    }
}

}  // namespace
}  // namespace marovix::default_stakes_command_test
