#include "core/vote/VotePluginFiles.h"

#include <gtest/gtest.h>

#include "core/common/Cp932.h"
#include "core/common/TextFile.h"
#include "tests/support/TempFolder.h"

namespace marovix::vote_plugin_files_test {
namespace {

TEST(ReadBalanceFile, TakesTheThirdLineWithoutItsTags) {
    const struct {
        const char* bytes;
        std::optional<std::string> balance;
    } cases[] = {
        {"[ipatbalance]\r\ndate=x\r\nbalance=123400\r\n", "123400"},
        {"a\nb\nbalance=5000\nbalance=1\n", "5000"},       // LF ends; later lines not read
        {"a\r\nb\r\nbalance=balance=77", "77"},            // every tag goes, last line without its end
        {"a\r\nb\r\nbabalance=lance=9\r\n", "balance=9"},  // one pass: what a removal joins stays
        {"a\r\nb\r\n12 345 yen\r\n", "12 345 yen"},        // not a number: handed on as it is
        {"a\r\nb\r\n\r\n", ""},                            // an empty third line is still a line
        {"a\r\nbalance=9\r\n", std::nullopt},              // two lines
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        TempFolder plugin;
        ASSERT_TRUE(replaceFile(plugin.file("ipatbalance.ini"), c.bytes).ok());
        EXPECT_EQ(ReadBalanceFile(plugin.path()), c.balance) << c.bytes;
    }
    TempFolder empty;
    EXPECT_EQ(ReadBalanceFile(empty.path()), std::nullopt);
}

TEST(ReadBalanceFile, AFileFarLargerThanABalanceFileIsNotReadAndTheBalanceStays) {
    TempFolder plugin;
    ASSERT_TRUE(
        replaceFile(plugin.file("ipatbalance.ini"), "a\r\nb\r\nbalance=100\r\n" + std::string(1 << 20, 'x')).ok());
    EXPECT_EQ(ReadBalanceFile(plugin.path()), std::nullopt);
}

TEST(ReadPluginInetId, ReadsIpatInetIdWithTheSettingsQuoteRules) {
    const struct {
        std::string bytes;
        const char* inetId;
    } cases[] = {
        {"[IPAT]\r\nINETID=AB12CD34\r\n", "AB12CD34"},
        {"[ipat]\r\ninetid=\" AB12 \"\r\n", " AB12 "},
        {utf8ToCp932("[IPAT]\r\nINETID=｢XY｣\r\n"), "XY"},
        {"[IPAT]\r\nINETID=\"\"\r\n", ""},
        {"[IPAT]\r\nUSER=someone\r\n[Other]\r\nINETID=ZZ\r\n", "NO"},
    };
    for (const auto& c : cases) {
        TempFolder plugin;
        ASSERT_TRUE(replaceFile(plugin.file("VQMTohyoPlugIn2.ini"), c.bytes).ok());
        EXPECT_EQ(ReadPluginInetId(plugin.path()), c.inetId) << c.bytes;
    }
    TempFolder empty;
    EXPECT_EQ(ReadPluginInetId(empty.path()), "NO");
}

TEST(PluginLogPath, IsTheDayLogInLogs) {
    EXPECT_EQ(PluginLogPath("/opt/plug in", "20250301"), "/opt/plug in" + nativePath("/logs/20250301.log"));
}

}  // namespace
}  // namespace marovix::vote_plugin_files_test
