// The main model's race-day watch: the change fetch and its application, the next race and the upcoming
// list, the race card's heading clicks, the balance query with its stop rule, and the IPAT log.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/app/MainModel.h"
#include "core/common/TextFile.h"
#include "core/jv/ChangeInfo.h"
#include "core/jv/DayDataFile.h"
#include "core/race/JvRecord.h"
#include "core/race/KeibaFunc.h"
#include "core/race/RecordFields.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "core/vote/VotePluginFiles.h"
#include "tests/support/ChangeRecords.h"
#include "tests/support/FakeMainPorts.h"
#include "tests/support/MainModelTestAccess.h"
#include "tests/support/PayoutRecordBuilder.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestDayFiles.h"

namespace marovix::race_day_watch_handlers_test {
namespace {

// The test day's races post at 10:30, 11:00, 11:30 ... (race n at 10:00 + 30n minutes).
const RaceId kRace3{"20240526", "05", 3};

class RaceDayWatchHandlersTest : public ::testing::Test {
protected:
    TempFolder folder;
    TempFolder plugin;
    FakeMainPorts fakes;
    std::unique_ptr<MainModel> model;

    void SetUp() override {
        fakes.clock.set(DateTime{2024, 5, 26, 10, 40, 0});
        ASSERT_TRUE(makeDirectory(folder.file("Data")).ok());
        ASSERT_TRUE(writeTestDay(folder.file("Data"), 6, 10).ok());
        const std::string raPath = folder.file("Data/" + kTestDayText + ".jvRA");
        auto ra = readRawLines(raPath);
        ASSERT_TRUE(ra.ok());
        const char* posts[] = {"1030", "1100", "1130", "1200", "1230", "1300"};
        for (std::size_t i = 0; i < ra->size(); ++i)
            (*ra)[i] = PutTextAt((*ra)[i], posts[i], RaField::postTime.position);
        ASSERT_TRUE(writeRawLines(raPath, *ra).ok());
        ASSERT_TRUE(makeDirectory(plugin.file("logs")).ok());
        ASSERT_TRUE(writeRawLines(plugin.file("VQMTohyoPlugIn2.exe"), {"#!"}).ok());
        ASSERT_TRUE(writeTextLines(plugin.file("VQMTohyoPlugIn2.ini"), {"[IPAT]", "INETID=AB12"}).ok());
        Settings settings(folder.path(), folder.path() + "/share", fakes.clock);
        ASSERT_TRUE(settings.writeText(settings::DirVQMTohyo2, plugin.path()).ok());
    }
    MainModel& start() {
        model = std::make_unique<MainModel>(folder.path(), folder.path() + "/share", fakes.ports());
        EXPECT_TRUE(model->create());
        model->DateComboChange(kTestDayText);
        return *model;
    }
    void writeChanges(const std::string& extension, const std::vector<std::string>& records) {
        std::vector<std::string> lines;
        for (const std::string& r : records) lines.push_back(recordLine(r));
        ASSERT_TRUE(writeRawLines(changeFilePath(folder.file("CHG"), kTestDayText, extension), lines).ok());
    }
    void writeBalance(const std::string& yen) {
        ASSERT_TRUE(writeTextLines(plugin.file("ipatbalance.ini"), {"[IPAT]", "time=", "balance=" + yen}).ok());
    }
    // One balance query to its end, by the button.
    void queryBalance(MainModel& m) {
        m.IPTZanDakaBtnClick();
        while (m.balanceQueryStep() > 0) m.ZanDakaTimerTimer();
    }
};

TEST_F(RaceDayWatchHandlersTest, TheChangeFetchStoresAndAppliesScratchesAndPostTimes) {
    MainModel& m = start();
    ASSERT_EQ(m.state().nowTimeRaceList.front(), "10:30 東京 1R");
    fakes.jvLink.queueRTOpen(0);
    fakes.jvLink.queueFile({avRecord(kRace3, 7, "05260930"), tcRecord(kRace3, 1205, "05261000", 1130),
                            weRecord("20240526", "05", "05261000", 2, 3)});
    m.GetKaisaiBtnClick();
    EXPECT_EQ(fakes.jvLink.calls().back().name, "JVClose");
    EXPECT_TRUE(fileExists(changeFilePath(folder.file("CHG"), kTestDayText, ".AV")));
    const RaceDay& day = MainModelTestAccess::day(m);
    EXPECT_TRUE(day.work[2].Scratched[7]);
    EXPECT_FALSE(day.work[1].Scratched[7]);
    EXPECT_EQ(day.work[0].WeatherCode, "3");
    EXPECT_EQ(fieldText(day.race(2), RaField::postTime), "1205");
    auto ra = readRawLines(folder.file("Data/" + kTestDayText + ".jvRA"));
    ASSERT_TRUE(ra.ok());
    EXPECT_EQ(fieldText((*ra)[2], RaField::postTime), "1205");
    // The upcoming list follows the new time; at 10:40 it selects the 11:00 race.
    EXPECT_EQ(m.state().nowTimeRaceList[2], "12:00 東京 4R");
    EXPECT_EQ(m.state().nowTimeRaceList[3], "12:05 東京 3R");
    EXPECT_EQ(m.state().nowTimeRaceSelected, 1);
    // The scratched horse's name cell is grey on its race's card.
    m.DatListClick(2);
    EXPECT_EQ(m.cellStyle(GridId::StringGrid26, 2, 7).background, 0xC0C0C0u);
    EXPECT_NE(m.cellStyle(GridId::StringGrid26, 2, 6).background, 0xC0C0C0u);
}

TEST_F(RaceDayWatchHandlersTest, TheChangeTimerFetchesOnlyBetweenHalfPastEightAndFive) {
    MainModel& m = start();
    fakes.clock.set(DateTime{2024, 5, 26, 17, 1, 0});
    m.HenkoTimerTimer();
    EXPECT_EQ(fakes.jvLink.callCount("JVRTOpen"), 0);
    fakes.clock.set(DateTime{2024, 5, 26, 8, 30, 0});
    m.HenkoTimerTimer();
    EXPECT_EQ(fakes.jvLink.callCount("JVRTOpen"), 1);
    EXPECT_EQ(fakes.jvLink.calls().front().args, (std::vector<std::string>{"0B14", "20240526"}));
}

TEST_F(RaceDayWatchHandlersTest, TheNextRaceIsTheFirstPostingLaterThanNow) {
    MainModel& m = start();
    fakes.clock.set(DateTime{2024, 5, 26, 11, 0, 0});
    m.NextRaceBtnClick();
    EXPECT_EQ(m.state().currentRace, 2);  // 11:30: the 11:00 race posts now, which is not later
    m.CurRaceTimerTimer();
    EXPECT_EQ(m.state().nowTimeRaceSelected, 1);  // the 11:00 entry is not earlier than now
    fakes.clock.set(DateTime{2024, 5, 26, 13, 1, 0});
    m.NextRaceBtnClick();
    EXPECT_EQ(m.state().currentRace, 2);  // after the last race nothing changes
    m.CurRaceTimerTimer();
    EXPECT_EQ(m.state().nowTimeRaceSelected, 5);
}

TEST_F(RaceDayWatchHandlersTest, OnAPastDayTheNextRaceButtonDoesNothing) {
    fakes.clock.set(DateTime{2024, 5, 27, 9, 0, 0});
    model = std::make_unique<MainModel>(folder.path(), folder.path() + "/share", fakes.ports());
    ASSERT_TRUE(model->create());
    model->DateComboChange(kTestDayText);
    model->DatListClick(3);
    model->NextRaceBtnClick();
    EXPECT_EQ(model->state().currentRace, 3);
}

TEST_F(RaceDayWatchHandlersTest, HeadingClicksSortTheCardAndShowingTheRaceAgainPutsTheHorsesBack) {
    MainModel& m = start();
    m.StringGrid26Click(18, 2);  // a mark on horse 2
    m.raceCardHeadingClick(GridId::StringGrid26, 1);
    EXPECT_EQ(m.state().stringGrid26.cell(Card26Col::Uma, 1), " 1");
    m.raceCardHeadingClick(GridId::StringGrid26, 1);  // descending
    EXPECT_EQ(m.state().stringGrid26.cell(Card26Col::Uma, 1), "10");
    EXPECT_EQ(m.state().stringGrid26.cell(Card26Col::Mark1, 9), "ν");
    m.raceCardHeadingClick(GridId::StringGrid26, 2);  // the name heading does not sort
    EXPECT_EQ(m.state().stringGrid26.cell(Card26Col::Uma, 1), "10");
    m.DatListClick(0);
    EXPECT_EQ(m.state().stringGrid26.cell(Card26Col::Uma, 1), " 1");
    EXPECT_EQ(m.state().stringGrid26.cell(Card26Col::Bamei, 2).rfind("テスト2 ", 0), 0u);
    m.raceCardHeadingClick(GridId::StringGrid1, 1);  // the first click after a show sorts ascending
    EXPECT_EQ(m.state().stringGrid1.cell(Card1Col::Uma, 1), " 1");
}

TEST_F(RaceDayWatchHandlersTest, ABalanceQueryReadsTheFileLogsTheBalanceAndColoursTheLabel) {
    MainModel& m = start();
    writeBalance("123450");
    m.IPTZanDakaBtnClick();
    ASSERT_EQ(fakes.launcher.starts.size(), 1u);
    EXPECT_EQ(fakes.launcher.starts[0].parameter, " money");
    EXPECT_EQ(m.state().labels[LabelId::IPATBalanceLabel].background, kBalanceQueryingColor);
    EXPECT_TRUE(m.state().timers.ZanDakaTimer);
    for (int tick = 0; tick < 3; ++tick) m.ZanDakaTimerTimer();
    EXPECT_EQ(m.state().labels[LabelId::IPATBalanceLabel].text, "");  // read first at 2.0 s
    m.ZanDakaTimerTimer();
    EXPECT_EQ(m.state().labels[LabelId::IPATBalanceLabel].text, "123450");
    m.ZanDakaTimerTimer();
    m.ZanDakaTimerTimer();
    EXPECT_EQ(m.balanceQueryStep(), 0);
    EXPECT_FALSE(m.state().timers.ZanDakaTimer);
    EXPECT_EQ(m.state().labels[LabelId::IPATBalanceLabel].background, kBalanceShownColor);
    EXPECT_EQ(m.state().autoNaviList.back(), "■IPAT残高[AB12]:123450円 2024/05/26 10:40:00");
    EXPECT_TRUE(m.autoRunMode() == false);
}

TEST_F(RaceDayWatchHandlersTest, TheStopRuleEndsAutomaticOperationOnlyAboveTheGoal) {
    Settings settings(folder.path(), folder.path() + "/share", fakes.clock);
    ASSERT_TRUE(settings.writeInt(settings::NaviQuitSel, 2).ok());
    MainModel& m = start();
    MainModelTestAccess::setAutoRunMode(m, true);
    writeBalance("10000");
    queryBalance(m);
    EXPECT_TRUE(m.autoRunMode());
    writeBalance("10001");
    queryBalance(m);
    EXPECT_FALSE(m.autoRunMode());
    const std::vector<std::string>& log = m.state().autoNaviList;
    ASSERT_GE(log.size(), 5u);
    EXPECT_EQ(log[log.size() - 3], "◇IPAT残高が目標金額を超えました[AB12]:10001円 (指定金額：10000円)");
    EXPECT_EQ(log.back(), "■自動運転解除 2024/05/26 10:40:00");
    EXPECT_TRUE(fakes.dialogs.informations.empty());
    EXPECT_FALSE(m.quietFlag());
}

TEST_F(RaceDayWatchHandlersTest, WithAutomaticOperationOffTheQueryMakesNoStopTest) {
    Settings settings(folder.path(), folder.path() + "/share", fakes.clock);
    ASSERT_TRUE(settings.writeInt(settings::NaviQuitSel, 3).ok());
    MainModel& m = start();
    writeBalance("100");  // far below the floor
    const std::size_t before = m.state().autoNaviList.size();
    queryBalance(m);
    EXPECT_EQ(m.state().autoNaviList.size(), before + 2);  // the balance line only
}

TEST_F(RaceDayWatchHandlersTest, TheIpatLogTabShowsTheLogOfTheSelectedRaceDay) {
    ASSERT_TRUE(writeTextLines(plugin.file("logs/20240526.log"), {"東京3R 単勝 1番 100円"}).ok());
    ASSERT_TRUE(writeTextLines(plugin.file("logs/20240527.log"), {"今日の投票"}).ok());
    fakes.clock.set(DateTime{2024, 5, 27, 9, 0, 0});
    model = std::make_unique<MainModel>(folder.path(), folder.path() + "/share", fakes.ports());
    ASSERT_TRUE(model->create());
    model->LogUpdateBtnClick();  // no day selected: nothing
    EXPECT_TRUE(model->state().ipatLogList.empty());
    model->DateComboChange(kTestDayText);
    model->N35Click();
    EXPECT_EQ(model->state().ipatLogList, std::vector<std::string>{"東京3R 単勝 1番 100円"});
    EXPECT_TRUE(fakes.dialogs.errors.empty());
}

TEST_F(RaceDayWatchHandlersTest, AnIpatLogThatCannotBeReadIsSaidAndTheTabKeepsWhatItShowed) {
    ASSERT_TRUE(writeTextLines(plugin.file("logs/20240526.log"), {"東京3R 単勝 1番 100円"}).ok());
    MainModel& m = start();
    m.LogUpdateBtnClick();
    ASSERT_EQ(m.state().ipatLogList.size(), 1u);
    ASSERT_TRUE(std::filesystem::remove(plugin.file("logs/20240526.log")));
    ASSERT_TRUE(makeDirectory(plugin.file("logs/20240526.log")).ok());
    m.LogUpdateBtnClick();
    EXPECT_EQ(fakes.dialogs.errors.size(), 1u);
    EXPECT_EQ(m.state().ipatLogList, std::vector<std::string>{"東京3R 単勝 1番 100円"});
}

}  // namespace
}  // namespace marovix::race_day_watch_handlers_test
