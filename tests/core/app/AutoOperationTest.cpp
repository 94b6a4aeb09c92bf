// Automatic operation over the main model, its host and the scheduler, stepped by a fake clock: the switch
// with its labels, messages and day-log lines; odds fetched at their seconds and target races voted through
// the vote queue; races fetched or voted by hand; the timing taken at a day's selection; late ticks caught
// up; races sharing a vote second; the clock labels and a missing alert sound.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/app/MainAutoHost.h"
#include "core/app/MainModel.h"
#include "core/auto/Scheduler.h"
#include "core/common/TextFile.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "tests/support/AutoDay.h"
#include "tests/support/AutoFixture.h"
#include "tests/support/FakeMainPorts.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestDayFiles.h"

namespace marovix::auto_operation_test {
namespace {

constexpr int kRaces = 6;

DateTime at(int hour, int minute, int second) { return DateTime{2024, 5, 26, hour, minute, second}; }

// The day of AutoDay.h: race 1 posts at 10:30 (fetches at 10:20:00 and 10:20:05, vote at 10:20:10); the
// vote plug-in is the fake launcher's.
class AutoOperationTest : public AutoFixture {
protected:
    void SetUp() override {
        fakes.clock.set(at(10, 0, 0));
        ASSERT_TRUE(writeAutoDay(folder.path(), fakes.clock).ok());
        start();
    }
    void start() {
        makeModel();
        model->DateComboChange(kTestDayText);
        scheduler->tick(fakes.clock.now());
    }
    void queueOdds(int race, int favourite = 3) { queueWinOdds(fakes.jvLink, race, favourite); }
    const std::vector<std::string>& log() const { return model->state().autoNaviList; }
    std::vector<std::string> logLinesFrom(std::size_t first) const {
        return std::vector<std::string>(log().begin() + static_cast<std::ptrdiff_t>(first), log().end());
    }
    // The lines of the day log starting with `head`.
    std::vector<std::string> logLinesStarting(const std::string& head) const {
        std::vector<std::string> found;
        for (const std::string& line : log())
            if (line.rfind(head, 0) == 0) found.push_back(line);
        return found;
    }
    const Label& label(LabelId id) const { return model->state().labels[id]; }
    void switchOn() {
        model->DispRaceAfterOZgetClick();
        ASSERT_TRUE(model->autoRunMode());
    }
};

TEST_F(AutoOperationTest, SwitchedOnItFetchesAndVotesATargetRaceAtItsSecondsThroughTheVoteQueue) {
    EXPECT_EQ(model->autoRunState(), AutoRunState::Watching);
    EXPECT_EQ(label(LabelId::AutoNaviLabel).color, 0x808080u);
    const std::size_t before = log().size();
    fakes.clock.set(at(10, 5, 0));
    switchOn();
    EXPECT_EQ(model->autoRunState(), AutoRunState::Running);
    EXPECT_EQ(label(LabelId::AutoNaviLabel).color, 0x00FF00u);
    EXPECT_TRUE(model->state().timers.TimerNavi);
    EXPECT_EQ(fakes.dialogs.informations.back(), "自動運転を設定しました。");
    EXPECT_EQ(logLinesFrom(before), (std::vector<std::string>{"-----", "■自動運転開始 2024/05/26 10:05:00"}));
    for (RaceSlot slot = 0; slot < kRaces; ++slot) EXPECT_TRUE(model->naviTarget(slot)) << slot;

    queueOdds(1);
    stepTo(at(10, 20, 0));
    EXPECT_EQ(rtOpens(), std::vector<std::string>{"JVRTOpen 0B30 2024052605020801"});
    EXPECT_EQ(label(LabelId::operateLabel).color, 0xFF0000u);
    EXPECT_TRUE(model->state().timers.FormDisableTimer);
    EXPECT_EQ(model->state().timers.formDisableIntervalMs, 20000);
    EXPECT_EQ(fakes.sound.played, std::vector<std::string>{folder.path() + "/share" + nativePath("/Media/Ring08.wav")});
    EXPECT_TRUE(voteStarts().empty());

    EXPECT_EQ(model->state().timers.formDisableStarts, 1);
    stepTo(at(10, 20, 10));
    ASSERT_EQ(voteStarts().size(), 1u);
    EXPECT_TRUE(model->session().tohyoDone(0));
    EXPECT_EQ(model->state().currentRace, 0);
    const std::vector<std::string> votes = logLinesStarting("■投票[");
    ASSERT_EQ(votes.size(), 1u);
    EXPECT_EQ(votes[0], "■投票[順位指標指定][一括]2024/05/26 10:20:10");
    EXPECT_EQ(logLinesStarting("20240526,05,01,TAN,NORMAL,500,03,"),
              std::vector<std::string>{"20240526,05,01,TAN,NORMAL,500,03,"});
    EXPECT_EQ(fakes.sound.played.back(), folder.path() + "/share" + nativePath("/Media/Alarm05.wav"));
    stepTo(at(10, 25, 0));
    EXPECT_EQ(voteStarts().size(), 1u);

    // A fetch inside the red period starts it again.
    model->scheduledOddsFetchDone();
    EXPECT_EQ(model->state().timers.formDisableStarts, 2);
    model->FormDisableTimerTimer();
    EXPECT_EQ(label(LabelId::operateLabel).color, 0x808080u);
    EXPECT_FALSE(model->state().timers.FormDisableTimer);

    const std::size_t informed = fakes.dialogs.informations.size();
    model->DispRaceAfterOZgetClick();
    EXPECT_FALSE(model->autoRunMode());
    EXPECT_EQ(model->autoRunState(), AutoRunState::Watching);
    EXPECT_EQ(label(LabelId::AutoNaviLabel).color, 0x808080u);
    EXPECT_EQ(fakes.dialogs.informations.back(), "自動運転を解除しました。");
    EXPECT_EQ(fakes.dialogs.informations.size(), informed + 1);
    EXPECT_EQ(log().back(), "■自動運転解除 2024/05/26 10:25:00");
}

TEST_F(AutoOperationTest, WatchingItFetchesOnScheduleWithoutTheRedLabelAndNeverVotes) {
    queueOdds(1);
    stepTo(at(10, 20, 30));
    EXPECT_EQ(rtOpens(), std::vector<std::string>{"JVRTOpen 0B30 2024052605020801"});
    EXPECT_EQ(label(LabelId::operateLabel).color, 0x808080u);
    EXPECT_FALSE(model->state().timers.FormDisableTimer);
    EXPECT_TRUE(voteStarts().empty());
    EXPECT_EQ(logLinesStarting("■オッズ取得 "), std::vector<std::string>{"■オッズ取得 東京 1R 2024/05/26 10:20:00"});
}

TEST_F(AutoOperationTest, ARaceFetchedByHandIsNotFetchedAgainUnlessOverWriteOKAndIsStillVoted) {
    switchOn();
    fakes.clock.set(at(10, 15, 0));
    queueOdds(1);
    model->SokuhoOddsBtnClick();
    ASSERT_TRUE(model->ozFetched(0));
    stepTo(at(10, 20, 10));
    EXPECT_EQ(rtOpens().size(), 1u);  // the hand fetch only
    EXPECT_EQ(voteStarts().size(), 1u);
    EXPECT_TRUE(model->session().tohyoDone(0));

    model->setOption(MainOption::OverWriteOK, 1);
    fakes.clock.set(at(10, 45, 0));
    scheduler->tick(fakes.clock.now());
    model->DatListClick(1);
    queueOdds(2);
    model->SokuhoOddsBtnClick();
    queueOdds(2);
    queueOdds(2);
    stepTo(at(10, 50, 10));
    EXPECT_EQ(rtOpens(),
              (std::vector<std::string>{"JVRTOpen 0B30 2024052605020801", "JVRTOpen 0B30 2024052605020802",
                                        "JVRTOpen 0B30 2024052605020802", "JVRTOpen 0B30 2024052605020802"}));
    EXPECT_EQ(voteStarts().size(), 2u);
}

TEST_F(AutoOperationTest, ARaceVotedByHandIsNotVotedAgainAutomaticallyUnlessDupOK) {
    switchOn();
    fakes.clock.set(at(10, 10, 0));
    queueOdds(1);
    model->SokuhoOddsBtnClick();
    fakes.dialogs.setNextAnswer(true);
    model->TohyouBtnClick();
    ASSERT_EQ(voteStarts().size(), 1u);
    ASSERT_TRUE(model->session().tohyoDone(0));
    scheduler->tick(fakes.clock.now());
    stepTo(at(10, 20, 30));
    EXPECT_EQ(voteStarts().size(), 1u);

    model->setOption(MainOption::DupOK, 1);
    fakes.clock.set(at(10, 40, 0));
    scheduler->tick(fakes.clock.now());
    model->DatListClick(1);
    queueOdds(2);
    model->SokuhoOddsBtnClick();
    fakes.dialogs.setNextAnswer(true);
    model->TohyouBtnClick();
    ASSERT_EQ(voteStarts().size(), 2u);
    stepTo(at(10, 50, 30));
    EXPECT_EQ(voteStarts().size(), 3u);
    EXPECT_EQ(logLinesStarting("■投票[").size(), 3u);
}

TEST_F(AutoOperationTest, AChangedTimingMovesTheDaysTimesOnlyWhenADayIsSelectedAgain) {
    Settings(folder.path(), folder.path() + "/share", fakes.clock).writeInt(settings::TimeAutoOzGet, 5);
    EXPECT_EQ(model->session().slot(0).schedule, (RaceSchedule{"101930", "102000", "102005", "102010"}));
    queueOdds(1);
    stepTo(at(10, 20, 5));
    EXPECT_EQ(rtOpens().size(), 1u);
    model->DateComboChange(kTestDayText);
    EXPECT_EQ(model->session().slot(0).schedule, (RaceSchedule{"102430", "102500", "102505", "102510"}));
}

TEST_F(AutoOperationTest, OzFetchedIsKeptByRaceForTheRunAcrossTheSelectionOfAnotherDay) {
    queueOdds(1);
    model->SokuhoOddsBtnClick();
    ASSERT_TRUE(model->ozFetched(0));
    model->DateComboChange("2024年05月25日");  // a day without data: its slots hold no race
    EXPECT_FALSE(model->ozFetched(0));
    model->DateComboChange(kTestDayText);
    EXPECT_TRUE(model->ozFetched(0));
    EXPECT_FALSE(model->ozFetched(1));
    stepTo(at(10, 20, 5));
    EXPECT_EQ(rtOpens().size(), 1u);
}

TEST_F(AutoOperationTest, ATickTwentySecondsLateCatchesUpBothFetchSecondsAndTheVoteInOrder) {
    model->setOption(MainOption::OverWriteOK, 1);
    switchOn();
    fakes.clock.set(at(10, 19, 55));
    scheduler->tick(fakes.clock.now());
    queueOdds(1);
    queueOdds(1);
    fakes.clock.set(at(10, 20, 15));
    scheduler->tick(fakes.clock.now());
    EXPECT_EQ(rtOpens(),
              (std::vector<std::string>{"JVRTOpen 0B30 2024052605020801", "JVRTOpen 0B30 2024052605020801"}));
    ASSERT_EQ(voteStarts().size(), 1u);
    std::vector<std::string> events;
    for (const std::string& line : log())
        if (line.rfind("■オッズ取得", 0) == 0 || line.rfind("■投票[", 0) == 0) events.push_back(line);
    EXPECT_EQ(events, (std::vector<std::string>{"■オッズ取得 東京 1R 2024/05/26 10:20:15",
                                                "■オッズ取得 東京 1R 2024/05/26 10:20:15",
                                                "■投票[順位指標指定][一括]2024/05/26 10:20:15"}));
    EXPECT_EQ(scheduler->lastHandled(), at(10, 20, 15));
}

TEST_F(AutoOperationTest, TwoRacesSharingTheirVoteSecondAreVotedOneAfterTheOtherWithTheirOwnLines) {
    auto races = readRawLines(folder.file("Data/" + kTestDayText + ".jvRA"));
    ASSERT_TRUE(races.ok());
    (*races)[1].replace(873, 4, "1030");  // race 2 posts with race 1
    ASSERT_TRUE(writeRawLines(folder.file("Data/" + kTestDayText + ".jvRA"), *races).ok());
    start();
    ASSERT_EQ(model->session().slot(1).schedule, model->session().slot(0).schedule);
    switchOn();
    // Start 0 is the balance query before the two races (one for both), start 1 the first vote.
    fakes.launcher.script({FakeVotePluginLauncher::exits(0), FakeVotePluginLauncher::running()});
    queueOdds(1, 3);
    queueOdds(2, 7);
    stepTo(at(10, 20, 10));
    ASSERT_EQ(fakes.launcher.starts.size() - voteStarts().size(), 1u);
    ASSERT_EQ(voteStarts().size(), 1u);  // the second waits for the first run's end
    fakes.launcher.end(1, FakeVotePluginLauncher::exits(0));
    model->VoteQueueTimerTimer();
    ASSERT_EQ(voteStarts().size(), 2u);
    EXPECT_TRUE(model->session().tohyoDone(0));
    EXPECT_TRUE(model->session().tohyoDone(1));
    EXPECT_EQ(logLinesStarting("[東京 "), (std::vector<std::string>{"[東京 1R]投票実行", "[東京 2R]投票実行"}));
    EXPECT_EQ(logLinesStarting("20240526,05,"),
              (std::vector<std::string>{"20240526,05,01,TAN,NORMAL,500,03,", "20240526,05,02,TAN,NORMAL,500,07,"}));
}

TEST_F(AutoOperationTest, TheClockAndTimeToPostLabels) {
    model->Timer2Timer();
    EXPECT_EQ(label(LabelId::NowTimLabel).text, "10:00:00");
    model->Timer3Timer();
    EXPECT_EQ(label(LabelId::RestTimeLabel).text, "発走までの残り時間：00:30:00");
    EXPECT_TRUE(model->state().restTimeVisible);
    fakes.clock.set(at(10, 30, 0));
    model->Timer3Timer();
    EXPECT_EQ(label(LabelId::RestTimeLabel).text, "発走済み");
    model->DateComboChange("2024年05月25日");
    model->Timer3Timer();
    EXPECT_EQ(label(LabelId::RestTimeLabel).text, "");
}

TEST_F(AutoOperationTest, AMissingAlertSoundIsAnErrorLogLineAndTheDayGoesOn) {
    Settings(folder.path(), folder.path() + "/share", fakes.clock)
        .writeText(settings::InfoSettingsOzAlarm, folder.file("share/Media/none.wav"));
    switchOn();
    queueOdds(1);
    stepTo(at(10, 20, 10));
    EXPECT_TRUE(fakes.sound.played.size() == 1u);  // the vote's sound only
    const auto& errors = model->errorLog().lines();
    EXPECT_NE(std::find_if(errors.begin(), errors.end(),
                           [&](const std::string& line) {
                               return line.find("通知音ファイルが見つかりません：" +
                                                folder.file("share/Media/none.wav")) != std::string::npos;
                           }),
              errors.end());
    EXPECT_EQ(voteStarts().size(), 1u);
}

TEST_F(AutoOperationTest, SwitchedOffByTheBalanceWatchItShowsNoMessage) {
    switchOn();
    const std::size_t informed = fakes.dialogs.informations.size();
    model->setQuietFlag(true);
    model->DispRaceAfterOZgetClick();
    EXPECT_EQ(fakes.dialogs.informations.size(), informed);
    EXPECT_EQ(log().back().rfind("■自動運転解除 ", 0), 0u);
}

}  // namespace
}  // namespace marovix::auto_operation_test
