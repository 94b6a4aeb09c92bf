// marovix-cli balance: the balance query through the paper-trading plug-in, and a folder without one.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tests/support/CliRun.h"
#include "tests/support/TempFolder.h"

namespace marovix::balance_command_test {
namespace {

TEST(BalanceCommand, ThePlugInsBalanceIsReadLoggedAndPrinted) {
    TempFolder app, plugin;
    ASSERT_EQ(runCli("plugin --install '" + plugin.path() + "' --inetid AB12 --balance 54321").exitCode, 0);
    ASSERT_EQ(runCli("settings --app-folder '" + app.path() + "' --section Dir --key VQMTohyo2 --value '" +
                     plugin.path() + "'")
                  .exitCode,
              0);
    const CliSplitRun run = runCliSplit("--at \"2024/05/26 10:40:00\" balance --app-folder '" + app.path() + "'");
    ASSERT_EQ(run.exitCode, 0) << run.err << run.out;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json.at("IPATBalanceLabel"), "54321");
    // The clock runs on from --at while the query waits for the plug-in's file.
    const std::string line = json.at("dayLog").back();
    EXPECT_EQ(line.rfind("■IPAT残高[AB12]:54321円 2024/05/26 10:40:0", 0), 0u) << line;
}

TEST(BalanceCommand, WithoutABalanceFileItExitsOne) {
    TempFolder app, empty;
    ASSERT_EQ(runCli("settings --app-folder '" + app.path() + "' --section Dir --key VQMTohyo2 --value '" +
                     empty.path() + "'")
                  .exitCode,
              0);
    const CliSplitRun run = runCliSplit("balance --app-folder '" + app.path() + "'");
    EXPECT_EQ(run.exitCode, 1);
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json.at("balanceFileRead"), false);
    EXPECT_FALSE(json.at("errorLog").empty());  // the plug-in could not be started
}

}  // namespace
}  // namespace marovix::balance_command_test
