// The payout handlers of the main model: payouts read with the day, HrReadBtn and HrReadBtn2, the
// payout panel of the shown race and the hit judgement against the shown race's payout.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "core/app/MainModel.h"
#include "core/common/SystemFiles.h"
#include "core/common/TextFile.h"
#include "core/race/JvRecord.h"
#include "tests/support/FakeMainPorts.h"
#include "tests/support/KaimeRows.h"
#include "tests/support/MainModelTestAccess.h"
#include "tests/support/PayoutRecordBuilder.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestDayFiles.h"

namespace marovix::payout_handlers_test {
namespace {

std::string payoutOf(int race, int winner, int payout) {
    return PayoutRecordBuilder(testRaceKey(race))
        .entry(BetType::Tan, 0, {winner}, payout, 1)
        .entry(BetType::UR, 0, {winner, winner + 1}, payout * 5, 3)
        .line();
}

class PayoutHandlersTest : public ::testing::Test {
protected:
    TempFolder folder;
    FakeMainPorts fakes;
    std::unique_ptr<MainModel> model;
    int raceCardNotices = 0;
    MainModel::Subscription subscription;

    void SetUp() override {
        ASSERT_TRUE(makeDirectory(folder.file("Data")).ok());
        ASSERT_TRUE(writeTestDay(folder.file("Data"), 4, 12).ok());
    }
    MainModel& startWithDay() {
        model = std::make_unique<MainModel>(folder.path(), folder.path() + "/share", fakes.ports());
        EXPECT_TRUE(model->create());
        subscription = model->subscribe([this](StatePart part) { raceCardNotices += part == StatePart::RaceCard; });
        model->DateComboChange(kTestDayText);
        return *model;
    }
    const PayoutPanelEntry& shown(BetType bet, int entry) {
        return model->state().payoutPanel.of(bet)[static_cast<std::size_t>(entry)];
    }
};

TEST_F(PayoutHandlersTest, TheDaysPayoutsAreReadWithTheDayAndShownWithTheirRace) {
    ASSERT_TRUE(writeTestPayouts(folder.file("Data"), {payoutOf(1, 5, 320), payoutOf(3, 9, 1450)}).ok());
    MainModel& m = startWithDay();
    EXPECT_TRUE(m.session().payouts().payoutRead(0));
    EXPECT_FALSE(m.session().payouts().payoutRead(1));
    EXPECT_TRUE(m.session().payouts().payoutRead(2));
    EXPECT_EQ(shown(BetType::Tan, 0), (PayoutPanelEntry{" 5", " 1", "     320"}));
    EXPECT_EQ(shown(BetType::UR, 0), (PayoutPanelEntry{" 5- 6", " 3", "    1600"}));
    EXPECT_EQ(shown(BetType::Tan, 1), PayoutPanelEntry{});
    m.DatListClick(1);
    EXPECT_EQ(m.state().payoutPanel, PayoutPanel{});
    m.DatListClick(2);
    EXPECT_EQ(shown(BetType::Tan, 0), (PayoutPanelEntry{" 9", " 1", "    1450"}));
    EXPECT_EQ(m.session().payoutSummary(2).of(BetType::UR)[0].combination, " 9-10");
}

TEST_F(PayoutHandlersTest, ANewDayStartsWithoutThePayoutsOfTheDayBefore) {
    ASSERT_TRUE(writeTestPayouts(folder.file("Data"), {payoutOf(1, 5, 320)}).ok());
    MainModel& m = startWithDay();
    ASSERT_TRUE(m.session().payouts().payoutRead(0));
    ASSERT_TRUE(removeFile(folder.file("Data/" + kTestDayText + ".jvHR")).ok());
    m.DateComboChange(kTestDayText);
    EXPECT_FALSE(m.session().payouts().payoutRead(0));
    EXPECT_EQ(m.state().payoutPanel, PayoutPanel{});
}

TEST_F(PayoutHandlersTest, HrReadBtn2ShowsTheCurrentRaceAgainWhenItsPayoutHasJustArrived) {
    MainModel& m = startWithDay();
    m.DatListClick(1);
    EXPECT_EQ(m.state().payoutPanel, PayoutPanel{});
    ASSERT_TRUE(writeTestPayouts(folder.file("Data"), {payoutOf(1, 5, 320)}).ok());
    int before = raceCardNotices;
    m.HrReadBtn2Click();  // another race's payout: the shown race stays as it is
    EXPECT_EQ(raceCardNotices, before);
    EXPECT_TRUE(m.session().payouts().payoutRead(0));

    ASSERT_TRUE(writeTestPayouts(folder.file("Data"), {payoutOf(1, 5, 320), payoutOf(2, 11, 870)}).ok());
    m.HrReadBtn2Click();
    EXPECT_GT(raceCardNotices, before);
    EXPECT_EQ(m.state().currentRace, 1);
    EXPECT_EQ(shown(BetType::Tan, 0), (PayoutPanelEntry{"11", " 1", "     870"}));

    before = raceCardNotices;
    m.HrReadBtn2Click();  // read before: it does not arrive again
    EXPECT_EQ(raceCardNotices, before);
}

TEST_F(PayoutHandlersTest, HrReadBtnReadsTheRecordsAgainButLeavesTheShownRaceAsItIs) {
    MainModel& m = startWithDay();
    MainModelTestAccess::day(m).work[0].WeatherCode = "3";  // as the change information announced it
    ASSERT_TRUE(writeTestDay(folder.file("Data"), 4, 12, "新").ok());
    ASSERT_TRUE(writeTestPayouts(folder.file("Data"), {payoutOf(1, 5, 320)}).ok());
    m.HrReadBtnClick();
    EXPECT_TRUE(m.session().payouts().payoutRead(0));
    EXPECT_EQ(m.session().payoutSummary(0).of(BetType::Tan)[0].horse, 5);
    EXPECT_EQ(m.state().payoutPanel, PayoutPanel{});  // the panel follows when the race is shown
    EXPECT_EQ(fieldUtf8(m.session().day().runners[0][0], 41, 36).substr(0, 13), "テスト新1");
    EXPECT_EQ(m.session().day().work[0].WeatherCode, "3");
    m.DatListClick(0);
    EXPECT_EQ(shown(BetType::Tan, 0).payout, "     320");
}

TEST_F(PayoutHandlersTest, TheShownRacesPayoutJudgesTheSelections) {
    ASSERT_TRUE(writeTestPayouts(folder.file("Data"), {payoutOf(1, 5, 320), payoutOf(2, 7, 500)}).ok());
    MainModel& m = startWithDay();
    fillKaimeGrid(MainModelTestAccess::state(m).kaimeGrid(BetType::UR), BetType::UR,
                  {kaimeRow(" 5- 6", 16.0), kaimeRow(" 7- 8", 25.0)});
    m.tohyoEditChange(BetType::UR, "200");
    const KaimeGrid& grid = m.state().kaimeGrid(BetType::UR);
    EXPECT_EQ(columnTexts(grid, KaimeCol::ResultPayout), (std::vector<std::string>{"   1600", ""}));
    EXPECT_EQ(columnTexts(grid, KaimeCol::ResultReturn), (std::vector<std::string>{"   1600", ""}));
    EXPECT_EQ(columnTexts(grid, KaimeCol::ResultPop), (std::vector<std::string>{"  3", ""}));
    EXPECT_EQ(m.state().labels[betLabel(BetType::UR, BetLabel::Kaishu)].text, "    1600");
    EXPECT_EQ(m.cellStyle(GridId::URKaimeGrid, 3, 1).background, std::optional<Rgb>(0xFF00FF));
    EXPECT_EQ(m.cellStyle(GridId::URKaimeGrid, 3, 2).background, std::optional<Rgb>(0xFFFFFF));
}

TEST_F(PayoutHandlersTest, ADamagedPayoutLineIsLoggedAndTheOthersRead) {
    std::string broken = payoutOf(2, 7, 500);
    broken.resize(400);
    ASSERT_TRUE(writeTestPayouts(folder.file("Data"), {payoutOf(1, 5, 320), broken}).ok());
    MainModel& m = startWithDay();
    EXPECT_TRUE(m.session().payouts().payoutRead(0));
    EXPECT_FALSE(m.session().payouts().payoutRead(1));
    auto log = readTextLines(folder.file("ErrorLog.txt"));
    ASSERT_TRUE(log.ok());
    EXPECT_TRUE(std::any_of(log->begin(), log->end(),
                            [](const std::string& line) { return line.find(".jvHR 2行目: ") != std::string::npos; }));
}

}  // namespace
}  // namespace marovix::payout_handlers_test
