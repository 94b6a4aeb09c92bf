// marovix-cli feedgen as a user runs it.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <regex>

#include "core/common/TextFile.h"
#include "tests/standins/feedgen/FeedReading.h"
#include "tests/support/CliRun.h"
#include "tests/support/TempFolder.h"

namespace marovix::feedgen_command_test {
namespace {

CliRun feedgen(const std::string& arguments) { return runCli("feedgen " + arguments); }

TEST(FeedgenCommand, WritesADayAndSaysWhatItWrote) {
    TempFolder folder;
    const std::string out = folder.file("feed");
    const CliRun run = feedgen("--from 20240106 --to 20240106 --seed 3 --out " + out);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(std::regex_search(run.output, std::regex(R"(^feedgen: 1 meeting day, (24|36) races, \d+ records)")))
        << run.output;
    EXPECT_NE(run.output.find(" s\n"), std::string::npos) << run.output;
    EXPECT_FALSE(feedtest::filesBelow(out + "/stored").empty());
    EXPECT_FALSE(feedtest::filesBelow(out + "/realtime/0B30").empty());
    EXPECT_FALSE(feedtest::filesBelow(out + "/companions").empty());
}

TEST(FeedgenCommand, RefusesBadArgumentsAndAFolderInUse) {
    TempFolder folder;
    struct Case {
        std::string arguments;
        std::string message;
    };
    const Case cases[] = {
        {"--from 20240106 --to 20240107 --seed 3", "--out is required"},
        {"--from 2024-01-06 --to 20240107 --seed 3 --out " + folder.file("a"), "YYYYMMDD"},
        {"--from 20240107 --to 20240106 --seed 3 --out " + folder.file("a"), "before"},
        {"--from 20240106 --to 20240107 --seed x --out " + folder.file("a"), "--seed"},
        {"--from 20240106 --to 20240107 --seed 3 --out " + folder.file("a") + " --colour red",
         "not expected: red --colour"},
    };
    for (const auto& c : cases) {
        const CliRun run = feedgen(c.arguments);
        EXPECT_EQ(run.exitCode, 2) << c.arguments;
        EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
        EXPECT_NE(run.output.find("Usage: marovix-cli feedgen"), std::string::npos) << run.output;
    }
    ASSERT_TRUE(writeTextLines(folder.file("notes.txt"), {"mine"}).ok());
    const CliRun busy = feedgen("--from 20240106 --to 20240106 --seed 3 --out " + folder.path());
    EXPECT_EQ(busy.exitCode, 2);
    EXPECT_NE(busy.output.find("not empty"), std::string::npos) << busy.output;
    EXPECT_EQ(feedgen("--from 20240106 --to 20240106 --seed 3 --overwrite --out " + folder.path()).exitCode, 0);
    EXPECT_TRUE(fileExists(folder.file("notes.txt")));
}

}  // namespace
}  // namespace marovix::feedgen_command_test
