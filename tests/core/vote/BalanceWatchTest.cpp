// The balance watch's decisions: the follow-up steps of a query, the automatic query before a target race,
// the day-log line, the stop rule and the plug-in's IPAT log of a day.
#include "core/vote/BalanceWatch.h"

#include <gtest/gtest.h>

#include "core/common/TextFile.h"
#include "tests/support/TempFolder.h"

namespace marovix::balance_watch_test {
namespace {

const DateTime kNow{2024, 5, 26, 15, 29, 33};

TEST(BalanceQuery, ReadsAtTwoAndTwoAndAHalfSecondsAndEndsAtThree) {
    using Tick = BalanceQuery::Tick;
    BalanceQuery query;
    EXPECT_FALSE(query.running());
    query.start();
    std::vector<Tick> ticks;
    while (query.running()) ticks.push_back(query.tick());
    EXPECT_EQ(ticks, (std::vector<Tick>{Tick::Wait, Tick::Wait, Tick::Wait, Tick::ReadBalance, Tick::ReadBalance,
                                        Tick::Finish}));
    // A query started while one runs starts the counter again.
    query.start();
    query.tick();
    query.tick();
    query.start();
    EXPECT_EQ(query.step(), 1);
}

TEST(BalanceQuery, TheGoalFiresOnlyWhenTheBalanceIsAboveIt) {
    const NaviQuitRule goal{NaviQuitSel::AboveGoal, 10000, 5000};
    EXPECT_EQ(stopRuleLines(goal, "AB12", "10000", kNow), std::nullopt);
    EXPECT_EQ(stopRuleLines(goal, "AB12", "10001", kNow),
              (std::vector<std::string>{"-----", "■自動運転終了 2024/05/26 15:29:33",
                                        "◇IPAT残高が目標金額を超えました[AB12]:10001円 (指定金額：10000円)"}));
    const NaviQuitRule floor{NaviQuitSel::BelowFloor, 10000, 5000};
    EXPECT_EQ(stopRuleLines(floor, "AB12", "5000", kNow), std::nullopt);
    EXPECT_EQ(stopRuleLines(floor, "AB12", "4999", kNow)->back(),
              "◇IPAT残高が指定金額を下回りました[AB12]:4999円 (指定金額：5000円)");
    // A balance that is no plain integer counts as 0: a floor rule ends automatic operation.
    EXPECT_NE(stopRuleLines(floor, "NO", "1,000", kNow), std::nullopt);
    EXPECT_EQ(stopRuleLines(goal, "NO", "99999x", kNow), std::nullopt);
    EXPECT_EQ(stopRuleLines({NaviQuitSel::None, 0, 1000000}, "NO", "500", kNow), std::nullopt);
}

TEST(BalanceQuery, TheAmountAndTheDayLogLine) {
    EXPECT_EQ(balanceAmount("12345"), 12345);
    EXPECT_EQ(balanceAmount(" 12345 "), 12345);
    EXPECT_EQ(balanceAmount(""), 0);
    EXPECT_EQ(balanceAmount("12,345"), 0);
    EXPECT_EQ(balanceAmount("99999999999999999999999"), 0);
    EXPECT_EQ(balanceLogLines("AB12", "10000", kNow),
              (std::vector<std::string>{"-----", "■IPAT残高[AB12]:10000円 2024/05/26 15:29:33"}));
}

TEST(BalanceQuery, TheIpatLogIsThatOfTheDayAsked) {
    TempFolder plugin;
    ASSERT_TRUE(makeDirectory(plugin.file("logs")).ok());
    ASSERT_TRUE(writeTextLines(plugin.file("logs/20240525.log"), {"前日の投票"}).ok());
    ASSERT_TRUE(writeTextLines(plugin.file("logs/20240526.log"), {"投票 東京11R", "完了"}).ok());
    EXPECT_EQ(readIpatLog(plugin.path(), "20240525").value(), std::vector<std::string>{"前日の投票"});
    EXPECT_EQ(readIpatLog(plugin.path(), "20240526").value(), (std::vector<std::string>{"投票 東京11R", "完了"}));
    EXPECT_EQ(readIpatLog(plugin.path(), "20240527").value(), std::nullopt);
    // A log that is there but cannot be read is an error, not an empty tab.
    ASSERT_TRUE(makeDirectory(plugin.file("logs/20240528.log")).ok());
    EXPECT_FALSE(readIpatLog(plugin.path(), "20240528").ok());
}

}  // namespace
}  // namespace marovix::balance_watch_test
