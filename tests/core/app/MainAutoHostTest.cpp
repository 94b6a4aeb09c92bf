// The scheduler over the main model through its host: the fetches of a race day at their seconds, a tick
// inside a day load deferred, and a race without runners never voted.
#include "core/app/MainAutoHost.h"

#include <gtest/gtest.h>

#include "core/app/MainModel.h"
#include "core/auto/Scheduler.h"
#include "core/common/TextFile.h"
#include "core/race/RecordFields.h"
#include "tests/support/AutoDay.h"
#include "tests/support/AutoFixture.h"
#include "tests/support/FakeMainPorts.h"
#include "tests/support/OddsRecords.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestDayFiles.h"

namespace marovix::main_auto_host_test {
namespace {

constexpr int kRaces = 6;
constexpr int kRunners = 10;

class MainAutoHostTest : public AutoFixture {
protected:
    void SetUp() override {
        fakes.clock.set(DateTime{2024, 5, 26, 10, 0, 0});  // race 1 posts at 10:30
        ASSERT_TRUE(makeDirectory(folder.file("Data")).ok());
        ASSERT_TRUE(writeTestDay(folder.file("Data"), kRaces, kRunners).ok());
        makeModel();
    }
};

TEST_F(MainAutoHostTest, TodaysDayIsFetchedAtItsSecondsAndNothingIsVotedWithoutAutomaticOperation) {
    model->DateComboChange(kTestDayText);
    EXPECT_EQ(model->session().slot(0).schedule, (RaceSchedule{"101930", "102000", "102005", "102010"}));
    scheduler->tick(fakes.clock.now());
    for (int open = 0; open < 8; ++open) fakes.jvLink.queueRTOpen(-1);  // mining and payouts: nothing yet
    fakes.jvLink.queueRTOpen(0);
    RecordBuilder odds = oddstest::oddsRecord(1, "20240526", "05", 1, "0208");
    odds.bytes(IdField::kindAndCreationDate, "120240526");  // a quick-odds record of the day
    fakes.jvLink.queueFile({odds.record()});
    stepTo(DateTime{2024, 5, 26, 10, 20, 30});
    // Timer4 at 10:10:00 and 10:20:00 (every ten minutes from the day's selection), after the odds of race 1
    // at 10:20:00; the second chance at 10:20:05 finds the race fetched.
    std::vector<std::string> results = {"JVRTOpen 0B13 20240526", "JVRTOpen 0B17 20240526"};
    for (int race = 1; race <= kRaces; ++race)
        results.push_back("JVRTOpen 0B12 202405260502080" + std::to_string(race));
    std::vector<std::string> expected = results;
    expected.push_back("JVRTOpen 0B30 2024052605020801");
    expected.insert(expected.end(), results.begin(), results.end());
    EXPECT_EQ(rtOpens(), expected);
    EXPECT_TRUE(model->ozFetched(0));
    EXPECT_EQ(model->state().autoNaviList.back(), "■オッズ取得 東京 1R 2024/05/26 10:20:00");
    EXPECT_FALSE(model->lastVote());
    EXPECT_EQ(scheduler->counts().handled, 20 * 60 + 31);
}

TEST_F(MainAutoHostTest, APastDayGetsNoScheduledAction) {
    fakes.clock.set(DateTime{2024, 5, 27, 10, 0, 0});
    model->DateComboChange(kTestDayText);
    scheduler->tick(fakes.clock.now());
    stepTo(DateTime{2024, 5, 27, 10, 30, 0});
    EXPECT_TRUE(rtOpens().empty());
}

TEST_F(MainAutoHostTest, ATickInsideADayLoadIsDeferredAndCaughtUpAfterIt) {
    scheduler->tick(fakes.clock.now());
    model->setEventPump([this] {
        fakes.clock.advance(1);
        scheduler->tick(fakes.clock.now());
    });
    model->DateComboChange(kTestDayText);
    EXPECT_GT(scheduler->counts().deferred, 0);
    EXPECT_EQ(scheduler->lastHandled(), (DateTime{2024, 5, 26, 10, 0, 0}));
    model->setEventPump({});
    scheduler->tick(fakes.clock.now());
    EXPECT_EQ(scheduler->lastHandled(), fakes.clock.now());
    EXPECT_EQ(scheduler->counts().handled, 1 + scheduler->counts().deferred);
}

TEST_F(MainAutoHostTest, ARaceWithoutRunnersIsNotShownAsVotableSoItsVoteNeverUsesTheRaceBefore) {
    auto runners = readRawLines(folder.file("Data/" + kTestDayText + "東京.jvSEr"));
    ASSERT_TRUE(runners.ok());
    for (int horse = 0; horse < 18; ++horse)
        (*runners)[static_cast<std::size_t>(5 * 18 + horse)] = std::string(553, ' ');
    ASSERT_TRUE(writeRawLines(folder.file("Data/" + kTestDayText + "東京.jvSEr"), *runners).ok());
    model->DateComboChange(kTestDayText);
    EXPECT_TRUE(host->showRace(4));
    EXPECT_FALSE(host->showRace(5));
    EXPECT_EQ(fakes.dialogs.informations.back(), "6レースはデータが不十分です。");
    runAutoAction(*host, AutoAction{AutoAction::Kind::VoteRace, 5, {}, {}});
    EXPECT_FALSE(model->lastVote());
}

}  // namespace
}  // namespace marovix::main_auto_host_test
