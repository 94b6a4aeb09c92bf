// The decisions of automatic operation at one second: the day gate, the scheduled odds fetch, the
// automatic vote, the balance query and the results timer with its threshold.
#include "core/auto/AutoDecisions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/RecordingAutoHost.h"

namespace marovix::auto_decisions_test {
namespace {

using Kind = AutoAction::Kind;

DateTime at(int hour, int minute, int second, int day = 26) { return DateTime{2024, 5, day, hour, minute, second}; }

std::vector<AutoAction> actionsOf(SchedulerTimer timer, const RecordingAutoHost& host, const DateTime& second) {
    return timerActions(timer, host.today, host.options, host.autoRun, second);
}

AutoAction fetchOf(const RecordingAutoHost& host, std::vector<RaceSlot> races) {
    AutoAction fetch{Kind::FetchOdds, -1, races, {}};
    for (RaceSlot slot : races) fetch.fetchList.push_back(host.today.races[static_cast<std::size_t>(slot)].fetchLine);
    return fetch;
}

TEST(DayGate, PassesOnTodaysDayFromNineToTheEndOfSixOClock) {
    const std::string today = "2024年05月26日";
    struct Case {
        std::string shownDay;
        DateTime now;
        bool passes;
    };
    const std::vector<Case> cases = {
        {today, at(8, 59, 59), false},    {today, at(9, 0, 0), true},
        {today, at(12, 0, 0), true},      {today, at(18, 0, 59), true},
        {today, at(18, 1, 0), false},     {"", at(12, 0, 0), false},
        {today, at(12, 0, 0, 25), false}, {"2024年05月25日", at(12, 0, 0), false},
    };
    for (const Case& c : cases) EXPECT_EQ(passesDayGate(c.shownDay, c.now), c.passes) << c.now.slashText();
}

TEST(OddsTimer, FetchesARaceAtItsTwoFetchSeconds) {
    RecordingAutoHost host;
    host.addRace(0, "1540");
    EXPECT_TRUE(actionsOf(SchedulerTimer::Timer1, host, at(15, 29, 59)).empty());
    EXPECT_EQ(actionsOf(SchedulerTimer::Timer1, host, at(15, 30, 0)), std::vector<AutoAction>{fetchOf(host, {0})});
    EXPECT_TRUE(actionsOf(SchedulerTimer::Timer1, host, at(15, 30, 1)).empty());
    EXPECT_EQ(actionsOf(SchedulerTimer::Timer1, host, at(15, 30, 5)), std::vector<AutoAction>{fetchOf(host, {0})});
    EXPECT_TRUE(actionsOf(SchedulerTimer::Timer1, host, at(15, 30, 10)).empty());
}

TEST(OddsTimer, FollowsTheTimingOfTheDay) {
    RecordingAutoHost host;
    host.addRace(0, "1005", ScheduleTiming{0, 30, 2});
    EXPECT_EQ(actionsOf(SchedulerTimer::Timer1, host, at(10, 4, 30)), std::vector<AutoAction>{fetchOf(host, {0})});
    EXPECT_EQ(actionsOf(SchedulerTimer::Timer1, host, at(10, 4, 32)), std::vector<AutoAction>{fetchOf(host, {0})});
}

TEST(OddsTimer, ARaceFetchedByHandIsFetchedAgainOnlyWithOverWrite) {
    RecordingAutoHost host;
    host.addRace(0, "1540");
    host.addRace(1, "1540");
    host.today.races[0].ozFetched = true;
    EXPECT_EQ(actionsOf(SchedulerTimer::Timer1, host, at(15, 30, 0)), std::vector<AutoAction>{fetchOf(host, {1})});
    host.options.ozOverWriteOK = true;
    EXPECT_EQ(actionsOf(SchedulerTimer::Timer1, host, at(15, 30, 0)), std::vector<AutoAction>{fetchOf(host, {0, 1})});
}

TEST(OddsTimer, NothingRunsAtOneMinutePastSixEvenForALaterRace) {
    RecordingAutoHost host;
    host.addRace(0, "1811");  // balance query at 18:00:30, first fetch at 18:01:00
    host.today.races[0].naviTarget = true;
    EXPECT_EQ(
        dueActions(host.today, host.options, true, at(18, 0, 30)),
        (std::vector<AutoAction>{AutoAction{Kind::QueryBalance, 0, {}, {}}, AutoAction{Kind::FetchMining, -1, {}, {}},
                                 AutoAction{Kind::FetchPayouts, -1, {0}, {host.today.races[0].fetchLine}}}));
    EXPECT_TRUE(dueActions(host.today, host.options, true, at(18, 1, 0)).empty());
}

class VoteTimer : public ::testing::Test {
protected:
    RecordingAutoHost host;
    void SetUp() override {
        host.autoRun = true;
        for (RaceSlot slot : {0, 1}) {
            host.addRace(slot, "1540");
            SchedulerSlot& race = host.today.races[static_cast<std::size_t>(slot)];
            race.ozFetched = race.naviTarget = race.winPlaceOdds = true;
        }
    }
    std::vector<AutoAction> at1530(int second) {
        return actionsOf(SchedulerTimer::TimerNavi, host, at(15, 30, second));
    }
    std::vector<AutoAction> vote(RaceSlot slot) { return {AutoAction{Kind::VoteRace, slot, {}, {}}}; }
};

TEST_F(VoteTimer, VotesTheFirstDueTargetAtItsVoteSecondOnly) {
    EXPECT_EQ(at1530(10), vote(0));  // at most one race a second
    EXPECT_TRUE(at1530(9).empty());
    EXPECT_TRUE(at1530(11).empty());
}

TEST_F(VoteTimer, EachConditionMustHold) {
    for (bool SchedulerSlot::*flag :
         {&SchedulerSlot::ozFetched, &SchedulerSlot::naviTarget, &SchedulerSlot::winPlaceOdds}) {
        SetUp();
        host.today.races[0].*flag = false;
        EXPECT_EQ(at1530(10), vote(1));
    }
    SetUp();
    host.autoRun = false;
    EXPECT_TRUE(at1530(10).empty());
}

TEST_F(VoteTimer, ARaceVotedByHandIsVotedAgainOnlyWithDupTohyoOK) {
    host.today.races[0].tohyoDone = true;
    EXPECT_EQ(at1530(10), vote(1));
    host.options.dupTohyoOK = true;
    EXPECT_EQ(at1530(10), vote(0));
}

TEST_F(VoteTimer, FollowsTheTimingOfTheDay) {
    host.today.races[0].schedule = RaceSchedule::of("1005", ScheduleTiming{0, 30, 2});
    EXPECT_EQ(actionsOf(SchedulerTimer::TimerNavi, host, at(10, 4, 34)), vote(0));
}

TEST(BalanceTimer, QueriesBeforeATargetRaceUnlessVoted) {
    RecordingAutoHost host;
    host.addRace(0, "1540");
    EXPECT_TRUE(actionsOf(SchedulerTimer::ZanDakaNaviTimer, host, at(15, 29, 30)).empty());  // no target
    host.today.races[0].naviTarget = true;
    const std::vector<AutoAction> query{AutoAction{Kind::QueryBalance, 0, {}, {}}};
    EXPECT_EQ(actionsOf(SchedulerTimer::ZanDakaNaviTimer, host, at(15, 29, 30)), query);
    EXPECT_TRUE(actionsOf(SchedulerTimer::ZanDakaNaviTimer, host, at(15, 29, 31)).empty());
    host.today.races[0].raceNumber = 0;  // a slot without a race
    EXPECT_TRUE(actionsOf(SchedulerTimer::ZanDakaNaviTimer, host, at(15, 29, 30)).empty());
    host.today.races[0].raceNumber = 1;
    host.today.races[0].tohyoDone = true;
    EXPECT_TRUE(actionsOf(SchedulerTimer::ZanDakaNaviTimer, host, at(15, 29, 30)).empty());
}

TEST(ResultsTimer, FiresEveryIntervalAfterTheDaySelectionAndEverySecondBefore) {
    ResultsTimer timer;
    EXPECT_TRUE(timer.firesAt(at(9, 0, 1).serial()));
    timer.setAt = at(9, 30, 0).serial();
    timer.intervalMinutes = 10;
    EXPECT_FALSE(timer.firesAt(at(9, 30, 0).serial()));
    EXPECT_FALSE(timer.firesAt(at(9, 39, 59).serial()));
    EXPECT_TRUE(timer.firesAt(at(9, 40, 0).serial()));
    EXPECT_TRUE(timer.firesAt(at(10, 0, 0).serial()));
    EXPECT_FALSE(timer.firesAt(at(10, 0, 1).serial()));
}

class ResultsTimerDecisions : public ::testing::Test {
protected:
    RecordingAutoHost host;
    void SetUp() override {
        host.addRace(0, "0950");
        host.addRace(1, "1025");
        host.today.resultsTimer = ResultsTimer{10, at(8, 0, 0).serial()};
    }
    std::vector<AutoAction> atMinute(int hour, int minute) {
        return actionsOf(SchedulerTimer::Timer4, host, at(hour, minute, 0));
    }
    AutoAction payouts() const {
        return AutoAction{
            Kind::FetchPayouts, -1, {0, 1}, {host.today.races[0].fetchLine, host.today.races[1].fetchLine}};
    }
    const AutoAction mining{Kind::FetchMining, -1, {}, {}};
};

TEST_F(ResultsTimerDecisions, PayoutsComeAfterTheThresholdOfTheFirstRace) {
    EXPECT_EQ(payoutThreshold(host.today), "0910");  // 09:50 less 10 + 30 minutes
    EXPECT_EQ(atMinute(9, 10), std::vector<AutoAction>{mining});
    EXPECT_EQ(atMinute(9, 20), (std::vector<AutoAction>{mining, payouts()}));
    EXPECT_TRUE(atMinute(9, 25).empty());  // the timer does not fire
    EXPECT_TRUE(atMinute(8, 50).empty());  // before the day gate
}

TEST_F(ResultsTimerDecisions, TheOptionsLeaveOutMiningOrPayouts) {
    host.options.notGetMining = true;
    EXPECT_EQ(atMinute(9, 20), std::vector<AutoAction>{payouts()});
    host.options.notGetKekka = true;
    EXPECT_TRUE(atMinute(9, 20).empty());
    host.options.notGetMining = false;
    EXPECT_EQ(atMinute(9, 20), std::vector<AutoAction>{mining});
}

}  // namespace
}  // namespace marovix::auto_decisions_test
