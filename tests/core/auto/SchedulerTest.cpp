// The scheduler seam stepped by a fake clock with a recording host: every second handled once and in
// order, late and deferred ticks caught up, ticks inside a handler refused, jumps of the clock.
#include "core/auto/Scheduler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/FakeClock.h"
#include "tests/support/RecordingAutoHost.h"

namespace marovix::scheduler_test {
namespace {

class SchedulerTest : public ::testing::Test {
protected:
    FakeClock clock{DateTime{2024, 5, 26, 15, 29, 58}};
    RecordingAutoHost host;
    Scheduler scheduler{host};

    void SetUp() override {
        // Race 1 posts at 15:40: fetches at 15:30:00 and 15:30:05, votes at 15:30:10.
        host.addRace(0, "1540");
        host.today.races[0].naviTarget = true;
        host.autoRun = true;
        host.options.notGetMining = host.options.notGetKekka = true;
        scheduler.secondHandled = [this](const DateTime& second) { host.calls.push_back(second.timeText()); };
    }
    void tick() { scheduler.tick(clock.now()); }
    // Ticks every second up to and including `last`.
    void stepTo(const DateTime& last) {
        while (clock.now() < last) {
            clock.advance(1);
            tick();
        }
    }
    std::vector<std::string> seconds() const {
        std::vector<std::string> handled;
        std::copy_if(host.calls.begin(), host.calls.end(), std::back_inserter(handled),
                     [](const std::string& call) { return call.size() == 8 && call[2] == ':'; });
        return handled;
    }
};

TEST_F(SchedulerTest, SteppedThroughADayItHandlesEverySecondOnceAndActsAtTheRaceSeconds) {
    clock.set(DateTime{2024, 5, 26, 8, 59, 0});
    tick();
    stepTo(DateTime{2024, 5, 26, 18, 2, 0});
    const std::vector<std::string> handled = seconds();
    const DateTime first{2024, 5, 26, 8, 59, 0};
    ASSERT_EQ(handled.size(), 9u * 3600 + 3 * 60 + 1);
    for (std::size_t i = 0; i < handled.size(); ++i)
        ASSERT_EQ(handled[i], first.addSeconds(static_cast<std::int64_t>(i)).timeText());
    std::vector<std::string> actions;
    std::copy_if(host.calls.begin(), host.calls.end(), std::back_inserter(actions),
                 [](const std::string& call) { return !(call.size() == 8 && call[2] == ':'); });
    // The balance queried at 15:29:30; fetched once (OzFetched at the second chance); voted once.
    EXPECT_EQ(actions, (std::vector<std::string>{"queryBalance", "setOzFetched 0", "fetchOdds 2024052605020801 0",
                                                 "showRace 0", "vote 0"}));
    auto position = [&](const std::string& call) {
        return std::find(host.calls.begin(), host.calls.end(), call) - host.calls.begin();
    };
    EXPECT_EQ(position("fetchOdds 2024052605020801 0"), position("15:30:00") - 1);
    EXPECT_EQ(position("vote 0"), position("15:30:10") - 1);
    EXPECT_EQ(scheduler.counts().handled, static_cast<std::int64_t>(handled.size()));
    EXPECT_EQ(scheduler.counts().deferred, 0);
    EXPECT_EQ(scheduler.counts().skipped, 0);
}

TEST_F(SchedulerTest, ATickFiveSecondsLateCatchesUpTheFiveSecondsInOrder) {
    tick();
    clock.advance(1);
    tick();
    clock.advance(5);  // 15:30:04: the ticks of 15:30:00 to 15:30:03 never came
    tick();
    EXPECT_EQ(host.calls,
              (std::vector<std::string>{"15:29:58", "15:29:59", "setOzFetched 0", "fetchOdds 2024052605020801 0",
                                        "15:30:00", "15:30:01", "15:30:02", "15:30:03", "15:30:04"}));
    EXPECT_EQ(scheduler.lastHandled(), clock.now());
}

TEST_F(SchedulerTest, ALateTickCatchesUpBothFetchSecondsAndTheVoteInOrder) {
    host.options.ozOverWriteOK = true;
    tick();
    clock.advance(20);
    tick();
    std::vector<std::string> actions;
    for (const std::string& call : host.calls)
        if (call.find(':') == std::string::npos || call.size() != 8) actions.push_back(call);
    EXPECT_EQ(actions, (std::vector<std::string>{"setOzFetched 0", "fetchOdds 2024052605020801 0", "setOzFetched 0",
                                                 "fetchOdds 2024052605020801 0", "showRace 0", "vote 0"}));
    EXPECT_EQ(seconds().size(), 21u);
}

TEST_F(SchedulerTest, ATickWhileAHandlerRunsIsDeferredAndCaughtUpAfterwards) {
    tick();  // 15:29:58
    host.busyNow = true;
    for (int i = 0; i < 4; ++i) {
        clock.advance(1);
        tick();  // 15:29:59 to 15:30:02, inside a day load
    }
    EXPECT_EQ(host.calls, std::vector<std::string>{"15:29:58"});
    EXPECT_EQ(scheduler.counts().deferred, 4);
    host.busyNow = false;
    clock.advance(1);
    tick();
    EXPECT_EQ(host.calls,
              (std::vector<std::string>{"15:29:58", "15:29:59", "setOzFetched 0", "fetchOdds 2024052605020801 0",
                                        "15:30:00", "15:30:01", "15:30:02", "15:30:03"}));
}

TEST_F(SchedulerTest, ATickFromInsideItsOwnFetchWaitsForTheFetchToEnd) {
    tick();
    host.duringFetch = [this] {
        clock.advance(3);  // the fetch takes three seconds, letting the window's ticks through
        tick();
        host.calls.push_back("tick inside");
    };
    clock.advance(2);
    tick();  // 15:30:00: the fetch
    host.duringFetch = nullptr;
    EXPECT_EQ(scheduler.counts().deferred, 1);
    EXPECT_EQ(seconds(), (std::vector<std::string>{"15:29:58", "15:29:59", "15:30:00"}));
    tick();  // 15:30:03
    EXPECT_EQ(seconds(),
              (std::vector<std::string>{"15:29:58", "15:29:59", "15:30:00", "15:30:01", "15:30:02", "15:30:03"}));
}

TEST_F(SchedulerTest, TheSameSecondTwiceIsHandledOnce) {
    tick();
    tick();
    clock.advance(2);
    tick();
    tick();
    EXPECT_EQ(seconds(), (std::vector<std::string>{"15:29:58", "15:29:59", "15:30:00"}));
    EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "fetchOdds 2024052605020801 0"), 1);
}

TEST_F(SchedulerTest, AClockFarAheadSkipsWithANoteInsteadOfReplayingHours) {
    clock.set(DateTime{2024, 5, 26, 12, 0, 0});
    tick();
    clock.set(DateTime{2024, 5, 26, 15, 30, 0});
    tick();
    EXPECT_EQ(
        host.calls,
        (std::vector<std::string>{
            "12:00:00", "note 時計が12600秒進んだため、12:00:01から15:29:59までの自動運転の処理を行いませんでした。",
            "setOzFetched 0", "fetchOdds 2024052605020801 0", "15:30:00"}));
    EXPECT_EQ(scheduler.counts().skipped, 12599);
    clock.advance(Scheduler::kMaxCatchUpSeconds);  // as far as is still caught up
    tick();
    EXPECT_EQ(scheduler.counts().skipped, 12599);
    EXPECT_EQ(scheduler.counts().handled, 2 + Scheduler::kMaxCatchUpSeconds);
}

TEST_F(SchedulerTest, AClockSetBackALittleWaitsUntilItPassesTheLastSecondHandled) {
    clock.set(DateTime{2024, 5, 26, 15, 30, 10});
    host.today.races[0].ozFetched = host.today.races[0].winPlaceOdds = true;
    tick();  // the vote
    clock.set(DateTime{2024, 5, 26, 15, 29, 50});
    for (int i = 0; i < 21; ++i) {
        tick();
        clock.advance(1);
    }
    tick();  // 15:30:11
    EXPECT_EQ(host.calls, (std::vector<std::string>{"showRace 0", "vote 0", "15:30:10", "15:30:11"}));
}

TEST_F(SchedulerTest, AClockSetFarBackStartsAgainButNeverVotesARaceTwiceAtItsVoteTime) {
    host.options.dupTohyoOK = true;  // the decision alone would vote the race again
    host.today.races[0].ozFetched = host.today.races[0].winPlaceOdds = true;
    clock.set(DateTime{2024, 5, 26, 15, 30, 10});
    tick();
    clock.set(DateTime{2024, 5, 26, 15, 0, 0});
    tick();
    stepTo(DateTime{2024, 5, 26, 15, 30, 10});
    EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "vote 0"), 1);
    EXPECT_EQ(host.calls[3], "note 時計が1810秒戻ったため、15:00:00から自動運転の処理をやり直します。");
    EXPECT_EQ(seconds().size(), 2u + 1810);
}

TEST_F(SchedulerTest, RacesSharingTheirVoteSecondAreVotedOneAfterTheOtherEachOnce) {
    host.options.dupTohyoOK = true;  // the first race stays due after its vote
    for (RaceSlot slot : {1, 2}) host.addRace(slot, "1540");
    host.addRace(3, "1545");
    for (RaceSlot slot : {0, 1, 2, 3}) {
        SchedulerSlot& race = host.today.races[static_cast<std::size_t>(slot)];
        race.ozFetched = race.winPlaceOdds = race.naviTarget = true;
    }
    host.today.races[1].naviTarget = false;  // not a target
    clock.set(DateTime{2024, 5, 26, 15, 30, 9});
    tick();
    clock.advance(2);
    tick();
    EXPECT_EQ(host.calls, (std::vector<std::string>{"15:30:09", "showRace 0", "vote 0", "showRace 2", "vote 2",
                                                    "15:30:10", "15:30:11"}));
    EXPECT_EQ(scheduler.counts().actions, 2);
}

}  // namespace
}  // namespace marovix::scheduler_test
