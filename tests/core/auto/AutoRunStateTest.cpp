// The state of a race day under automatic operation, the switch's day-log lines, the red period's length
// and the time left to a race's post.
#include "core/auto/AutoRunState.h"

#include <gtest/gtest.h>

namespace marovix::auto_run_state_test {
namespace {

const std::string kToday = "2024年05月26日";

DateTime at(int hour, int minute, int second, int day = 26) { return DateTime{2024, 5, day, hour, minute, second}; }

TEST(AutoRunState, IdleOutsideTodaysDayAndItsHoursWatchingOrRunningInside) {
    struct Case {
        std::string day;
        DateTime now;
        bool autoRunMode;
        AutoRunState state;
    };
    const Case cases[] = {
        {"", at(10, 0, 0), true, AutoRunState::Idle},       {"2024年05月25日", at(10, 0, 0), true, AutoRunState::Idle},
        {kToday, at(8, 59, 59), true, AutoRunState::Idle},  {kToday, at(9, 0, 0), false, AutoRunState::Watching},
        {kToday, at(9, 0, 0), true, AutoRunState::Running}, {kToday, at(18, 0, 59), true, AutoRunState::Running},
        {kToday, at(18, 1, 0), true, AutoRunState::Idle},
    };
    for (const Case& c : cases)
        EXPECT_EQ(autoRunState(c.day, c.now, c.autoRunMode), c.state)
            << c.day << " " << c.now.slashText() << " " << autoRunStateName(c.state);
}

TEST(AutoRunState, TheSwitchWritesItsTwoLinesWithTheDateAndTime) {
    EXPECT_EQ(autoRunSwitchLines(true, at(9, 5, 7)),
              (std::vector<std::string>{"-----", "■自動運転開始 2024/05/26 09:05:07"}));
    EXPECT_EQ(autoRunSwitchLines(false, at(17, 0, 0)),
              (std::vector<std::string>{"-----", "■自動運転解除 2024/05/26 17:00:00"}));
}

TEST(AutoRunState, TheRedPeriodLastsTheIntervalAndFifteenSeconds) {
    EXPECT_EQ(formDisableIntervalMs(5), 20000);
    EXPECT_EQ(formDisableIntervalMs(2), 17000);
}

TEST(RestTime, CountsDownToThePostAndThenSaysTheRaceHasStarted) {
    const auto post = postMoment("2024052605020811", "1540");
    ASSERT_TRUE(post);
    EXPECT_EQ(*post, at(15, 40, 0));
    EXPECT_EQ(restTimeText(post, at(15, 29, 30)), "発走までの残り時間：00:10:30");
    EXPECT_EQ(restTimeText(post, at(3, 0, 1)), "発走までの残り時間：12:39:59");
    EXPECT_EQ(restTimeText(post, at(15, 39, 59)), "発走までの残り時間：00:00:01");
    EXPECT_EQ(restTimeText(post, at(15, 40, 0)), "発走済み");
    EXPECT_EQ(restTimeText(post, at(15, 40, 0, 27)), "発走済み");
    EXPECT_EQ(restTimeText(std::nullopt, at(15, 0, 0)), "");
}

TEST(RestTime, ABlankOrBrokenPostTimeOrKeyHasNoPostMoment) {
    for (auto [key, post] : {std::pair{"2024052605020811", "    "}, std::pair{"2024052605020811", "15a0"},
                             std::pair{"0000000000000000", "1540"}, std::pair{"20240526", "2460"}})
        EXPECT_FALSE(postMoment(key, post)) << key << " " << post;
}

}  // namespace
}  // namespace marovix::auto_run_state_test
