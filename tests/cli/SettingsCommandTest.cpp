// marovix-cli settings: what a script sees and writes.
#include <gtest/gtest.h>

#include "core/common/TextFile.h"
#include "tests/support/CliRun.h"
#include "tests/support/TempFolder.h"

namespace marovix::settings_command_test {
namespace {

TEST(SettingsCommand, WritesAKeyMatchedWithoutCaseAndShowsItsValue) {
    TempFolder app;
    const std::string base = "settings --app-folder '" + app.path() + "' ";
    CliRun run = runCli(base + "--section dir --key LUMIDEX --value /opt/lumidex");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.output, "/opt/lumidex\n");
    auto lines = readTextLines(app.file("Marovix.ini"));
    ASSERT_TRUE(lines.ok());
    EXPECT_EQ(*lines, (std::vector<std::string>{"[Dir]", "lumidex=/opt/lumidex"}));

    run = runCli(base + "--section locate --key width");
    EXPECT_EQ(run.output, "1100\n");  // the default
    run = runCli(base);
    EXPECT_NE(run.output.find("[OzSpan] SRToz1B=9999999.9\n"), std::string::npos);
}

TEST(SettingsCommand, RefusesUnknownKeysAndNonNumbers) {
    TempFolder app;
    const std::string base = "settings --app-folder '" + app.path() + "' ";
    EXPECT_EQ(runCli(base + "--section Dir --key nope").exitCode, 2);
    EXPECT_EQ(runCli(base + "--section locate --key top --value 12ab").exitCode, 2);
    EXPECT_FALSE(fileExists(app.file("Marovix.ini")));
}

TEST(SettingsCommand, SaysWhyTheSettingsFileCannotBeRead) {
    TempFolder app;
    ASSERT_TRUE(replaceFile(app.file("Marovix.ini"), "[locate]\r\nleft=" + std::string(2 << 20, '9') + "\r\n").ok());
    CliRun run = runCli("settings --app-folder '" + app.path() + "' --section locate --key left");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.output,
              app.file("Marovix.ini") +
                  " を読み込めません(ファイルが大きすぎます(1048576バイトまで))。既定の設定で動作します。\n10\n");
}

}  // namespace
}  // namespace marovix::settings_command_test
