// How the main model tells its windows what changed: a handler that runs others sends each part that
// changed once, when the outermost one ends; a long operation shows what changed before it lets pending
// events run, and a timer's tick that comes meanwhile waits. A day load reads the settings file once.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "core/app/MainModel.h"
#include "core/common/TextFile.h"
#include "core/settings/Settings.h"
#include "tests/support/FakeMainPorts.h"
#include "tests/support/MainModelTestAccess.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestDayFiles.h"
#include "tests/support/VoteDay.h"

namespace marovix::handler_notices_test {
namespace {

class HandlerNoticesTest : public ::testing::Test {
protected:
    TempFolder folder;
    FakeMainPorts fakes;
    std::unique_ptr<MainModel> model;
    std::map<StatePart, int> heard;
    MainModel::Subscription subscription;

    void SetUp() override {
        ASSERT_TRUE(makeDirectory(folder.file("Data")).ok());
        ASSERT_TRUE(writeTestDay(folder.file("Data"), 4, 12).ok());
        // Every bet type takes part, so that every builder fills its grid.
        ASSERT_TRUE(writeTextLines(folder.file("Marovix.ini"),
                                   {"[BuyBaken]", "Tan=1", "Fuk=1", "WR=1", "UR=1", "WD=1", "UT=1", "SRF=1", "SRT=1"})
                        .ok());
        model = std::make_unique<MainModel>(folder.path(), folder.path() + "/share", fakes.ports());
        ASSERT_TRUE(model->create());
        model->DateComboChange(kTestDayText);
        subscription = model->subscribe([this](StatePart part) { ++heard[part]; });
    }
    std::uint64_t settingsReads() { return MainModelTestAccess::settings(*model).fileReads(); }
};

TEST_F(HandlerNoticesTest, OneDatListClickSendsEachChangedPartOnce) {
    model->DatListClick(2);
    ASSERT_EQ(model->state().currentRace, 2);
    // Showing a race changes the race list's selection, the cards, the payout panel, the header and the
    // stake edits, the eight grids and the combined list; marks and builders run inside it.
    const std::map<StatePart, int> once = {
        {StatePart::RaceList, 1}, {StatePart::CombinedList, 1}, {StatePart::RaceCard, 1},   {StatePart::Payouts, 1},
        {StatePart::Labels, 1},   {StatePart::Options, 1},      {StatePart::Selections, 1}, {StatePart::ShownDay, 1}};
    EXPECT_EQ(heard, once);
}

TEST_F(HandlerNoticesTest, AHandlerThatRunsOthersSendsTheirPartsOnceInTheOrderTheyFirstChanged) {
    std::vector<StatePart> order;
    auto inOrder = model->subscribe([&](StatePart part) { order.push_back(part); });
    // The build method: stored, then the marks and the eight builders with the combined list.
    model->setOption(MainOption::ShihyoSet, 2);
    EXPECT_EQ(order, (std::vector<StatePart>{StatePart::Options, StatePart::RaceCard, StatePart::Selections,
                                             StatePart::Labels, StatePart::CombinedList}));
}

TEST_F(HandlerNoticesTest, ADayLoadShowsItsPopUpBeforeEventsRunAndATimerTickWaitsUntilItEnds) {
    // The parts heard before the pending events ran and after, each a list without repeats.
    std::vector<std::vector<StatePart>> phases(1);
    auto inPhases = model->subscribe([&](StatePart part) { phases.back().push_back(part); });
    std::vector<bool> busyWhileEventsRan;
    model->setEventPump([&] {
        busyWhileEventsRan.push_back(model->busy());
        EXPECT_TRUE(model->state().progress.visible);
        model->VoteQueueTimerTimer();
        phases.emplace_back();
    });
    model->DateComboChange(kTestDayText);
    EXPECT_EQ(busyWhileEventsRan, std::vector<bool>{true});
    EXPECT_FALSE(model->busy());
    ASSERT_EQ(phases.size(), 2u);
    // The window has heard of the pop-up before it repaints, and of its end afterwards.
    for (const auto& phase : phases) {
        EXPECT_EQ(std::count(phase.begin(), phase.end(), StatePart::Progress), 1);
        for (StatePart part : phase) EXPECT_EQ(std::count(phase.begin(), phase.end(), part), 1);
    }
    EXPECT_FALSE(model->state().progress.visible);
}

TEST_F(HandlerNoticesTest, AMessageWaitsUntilTheWindowHasHeardWhatChangedBeforeIt) {
    // A day without data: the race list is emptied, then the message says so.
    std::map<StatePart, std::size_t> messagesWhenHeard;
    auto whenHeard =
        model->subscribe([&](StatePart part) { messagesWhenHeard.emplace(part, fakes.dialogs.informations.size()); });
    model->DateComboChange("2024年05月25日");
    ASSERT_EQ(fakes.dialogs.informations, std::vector<std::string>{"データ作成が未完了のようです。"});
    EXPECT_EQ(messagesWhenHeard.at(StatePart::RaceList), 0u);
    EXPECT_EQ(messagesWhenHeard.at(StatePart::ShownDay), 0u);
    EXPECT_TRUE(model->state().datList.empty());
}

TEST_F(HandlerNoticesTest, ADayLoadReadsTheSettingsFileOnceAndSeesEveryChangeMadeBeforeIt) {
    std::uint64_t before = settingsReads();
    model->DateComboChange(kTestDayText);
    EXPECT_EQ(settingsReads() - before, 1u);
    EXPECT_EQ(model->state().tohyoEdit[0], "3000");

    // A default stake changed in the window "投資金設定" is written at once; the next load takes it.
    BetAmounts amounts = model->defaultStakes();
    amounts[0] = 1200;
    model->KaimeSetFormOKClick(amounts);
    EXPECT_EQ(model->state().tohyoEdit[0], "3000");  // the loaded day keeps its stake inputs
    before = settingsReads();
    model->DateComboChange(kTestDayText);
    EXPECT_EQ(settingsReads() - before, 1u);
    EXPECT_EQ(model->state().tohyoEdit[0], "1200");
}

// A waiting vote is not handed over by a tick inside a day load's event pump; the next tick hands it over.
class TickInsideALoadTest : public VoteDayTest {};

TEST_F(TickInsideALoadTest, AVoteQueueTickDuringADayLoadWaitsForTheNextTick) {
    using Fake = FakeVotePluginLauncher;
    fakes.launcher.script({Fake::running()});
    raceWithRow(0, " 1- 2");
    fakes.dialogs.setNextAnswer(true);
    model->TohyouBtnClick();
    raceWithRow(1, " 3- 4");
    fakes.dialogs.setNextAnswer(true);
    model->TohyouBtnClick();
    ASSERT_EQ(fakes.launcher.starts.size(), 1u);  // the second vote waits for the first run
    fakes.launcher.end(0, Fake::exits(0));
    int ticks = 0;
    model->setEventPump([&] {
        model->VoteQueueTimerTimer();
        ++ticks;
    });
    model->DateComboChange(kDay);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(fakes.launcher.starts.size(), 1u);
    model->VoteQueueTimerTimer();
    EXPECT_EQ(fakes.launcher.starts.size(), 2u);
}

}  // namespace
}  // namespace marovix::handler_notices_test
