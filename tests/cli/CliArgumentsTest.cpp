// What every subcommand promises about its arguments: help on standard output with exit 0; a bad
// argument exits 2 with a one-line reason and the usage on standard error, before anything is created.
#include <gtest/gtest.h>

#include "core/common/TextFile.h"
#include "tests/support/CliRun.h"
#include "tests/support/TempFolder.h"

namespace marovix::cli_arguments_test {
namespace {

TEST(CliArguments, HelpGoesToStandardOutputWithExitZero) {
    for (const char* arguments :
         {"--help", "help", "download --help", "settings --help", "feedgen --help", "standin --help", "show --help",
          "vote --help", "fetch --help", "default-stakes --help"}) {
        const CliSplitRun run = runCliSplit(arguments);
        EXPECT_EQ(run.exitCode, 0) << arguments;
        EXPECT_NE(run.out.find("Usage: marovix-cli"), std::string::npos) << arguments << "\n" << run.out;
        EXPECT_TRUE(run.err.empty()) << arguments << "\n" << run.err;
    }
}

TEST(CliArguments, ABadArgumentExitsTwoWithItsReasonBeforeAnythingIsCreated) {
    TempFolder folder;
    const std::string app = folder.file("app");
    const std::string feed = folder.file("feed");
    struct Case {
        std::string arguments;
        std::string reason;
    };
    const Case cases[] = {
        {"download --feed " + feed + " --app-folder", "--app-folder"},
        {"download --app-folder " + app + " --from", "--from"},
        {"download --app-folder \"\" --feed " + feed, "empty folder name"},
        {"download --app-folder " + app + " --feed \"\"", "empty folder name"},
        {"download --app-folder " + app + " --from yesterday", "yyyy/mm/dd hh:nn:ss"},
        {"settings --app-folder " + app + " --section locate --key top --value 99999999999", "99999999999"},
        {"settings --app-folder " + app + " --section Dir --key lumidex --value '/opt/\xF0\x9F\x90\x8E'", "CP932"},
        {"settings --app-folder " + app + " --section Dir", "--key"},
        {"settings --app-folder " + app + " --section Dir --key nope", "no setting"},
        {"--at tomorrow settings --app-folder " + app, "--at"},
        {"gallop", "gallop"},
        {"show --app-folder " + app + " --day 2025年03月01日 --strike 2:1", "2:1"},
        {"show --app-folder " + app + " --day 2025年03月01日 --strike 0:0", "0:0"},
        {"show --app-folder " + app + " --day 2025年03月01日 --stake xx=100", "xx=100"},
        {"show --app-folder " + app + " --day 2025年03月01日 --stake tan=1.5", "tan=1.5"},
        {"show --app-folder " + app + " --day 2025年03月01日 --bet-types tan,zz", "tan,zz"},
        {"show --app-folder " + app + " --day 2025年03月01日 --bet-types all,tan", "all,tan"},
        {"show --app-folder " + app + " --day 2025年03月01日 --control Nope=1", "Nope=1"},
        {"show --app-folder " + app + " --day 2025年03月01日 --control ShihyoSetRadio=3",
         "ShihyoSetRadio takes 0 to 2"},
        {"show --app-folder " + app + " --day 2025年03月01日 --control SimMode=on", "'on'"},
        {"show --app-folder " + app + " --day 2025年03月01日 --mark-button AllCkBtn4", "AllCkBtn4"},
        {"show --app-folder " + app + " --day 2025年03月01日 --page 9", "--page"},
        {"vote --app-folder " + app + " --day 2025年03月01日 --answer maybe", "maybe"},
        {"fetch day-odds --app-folder " + app + " --day 2025年03月01日 --race x", "--race"},
    };
    for (const Case& c : cases) {
        const CliSplitRun run = runCliSplit(c.arguments);
        EXPECT_EQ(run.exitCode, 2) << c.arguments << "\n" << run.err;
        const std::string firstLine = run.err.substr(0, run.err.find('\n'));
        EXPECT_NE(firstLine.find(c.reason), std::string::npos) << c.arguments << "\n" << run.err;
        EXPECT_NE(run.err.find("Usage: marovix-cli"), std::string::npos) << c.arguments;
        EXPECT_TRUE(run.out.empty()) << c.arguments << "\n" << run.out;
        EXPECT_FALSE(directoryExists(app)) << c.arguments;
        EXPECT_FALSE(directoryExists(feed)) << c.arguments;
    }
}

TEST(CliArguments, AtStartsTheClockAtTheMomentGiven) {
    TempFolder app;
    // The first download ever starts a year before the clock: the message names that moment.
    const CliRun run =
        runCli("--at \"2024/01/06 09:30:00\" download --app-folder " + app.path() + " --feed " + app.file("none"));
    EXPECT_NE(run.output.find("2023年01月06日09時30分00秒以降のデータ取込を開始します。"), std::string::npos)
        << run.output;
}

}  // namespace
}  // namespace marovix::cli_arguments_test
