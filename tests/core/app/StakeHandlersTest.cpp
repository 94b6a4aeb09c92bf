// The stake handlers of the main model: stake inputs per race, the stake edits, the combined list with
// its "消" marks and totals, the participation buttons, the active page and the default stakes.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/app/MainModel.h"
#include "core/common/TextFile.h"
#include "tests/support/FakeMainPorts.h"
#include "tests/support/KaimeRows.h"
#include "tests/support/MainModelTestAccess.h"
#include "tests/support/PayoutRecordBuilder.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestDayFiles.h"

namespace marovix::stake_handlers_test {
namespace {

class StakeHandlersTest : public ::testing::Test {
protected:
    TempFolder folder;
    FakeMainPorts fakes;
    std::unique_ptr<MainModel> model;

    void SetUp() override {
        ASSERT_TRUE(makeDirectory(folder.file("Data")).ok());
        ASSERT_TRUE(writeTestDay(folder.file("Data"), 3, 10).ok());
    }
    void writeSettings(const std::vector<std::string>& lines) {
        ASSERT_TRUE(writeTextLines(folder.file("Marovix.ini"), lines).ok());
    }
    std::vector<std::string> settingsLines() {
        auto lines = readTextLines(folder.file("Marovix.ini"));
        return lines ? *lines : std::vector<std::string>{};
    }
    bool settingsHave(const std::string& line) {
        auto lines = settingsLines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    MainModel& start() {
        model = std::make_unique<MainModel>(folder.path(), folder.path() + "/share", fakes.ports());
        EXPECT_TRUE(model->create());
        return *model;
    }
    MainModel& startWithDay() {
        MainModel& m = start();
        m.DateComboChange(kTestDayText);
        EXPECT_EQ(m.state().currentRace, 0);
        return m;
    }
    // Selections of a bet type as its builder would leave them.
    void select(BetType bet, const std::vector<KaimeRowText>& rows) {
        fillKaimeGrid(MainModelTestAccess::state(*model).kaimeGrid(bet), bet, rows);
    }
    const Label& label(LabelId id) { return model->state().labels[id]; }
    const Label& label(BetType bet, BetLabel which) { return model->state().labels[{bet, which}]; }
};

TEST_F(StakeHandlersTest, ADayStartsFromTheDefaultStakesAndEachRaceKeepsItsOwn) {
    writeSettings({"[KaimeSet]", "DefaultAmountUR=5000"});
    MainModel& m = startWithDay();
    EXPECT_EQ(m.state().tohyoEdit,
              (std::array<std::string, 8>{"3000", "3000", "3000", "5000", "3000", "3000", "3000", "3000"}));
    m.tohyoEditChange(BetType::UR, "1200");
    m.DatListClick(1);
    EXPECT_EQ(m.state().tohyoEdit[3], "5000");
    m.DatListClick(0);
    EXPECT_EQ(m.state().tohyoEdit[3], "1200");
    m.DateComboChange(kTestDayText);  // a new load starts from the defaults again
    EXPECT_EQ(m.state().tohyoEdit[3], "5000");
}

TEST_F(StakeHandlersTest, AStakeEditAllocatesItsGridJudgesItAndRebuildsTheCombinedList) {
    writeSettings({"[BuyBaken]", "Tan=1", "Fuk=1"});
    ASSERT_TRUE(writeTestPayouts(folder.file("Data"),
                                 {PayoutRecordBuilder(testRaceKey(1)).entry(BetType::Tan, 0, {7}, 450, 2).line()})
                    .ok());
    MainModel& m = startWithDay();
    select(BetType::Tan, {kaimeRow(" 3", 2.0), kaimeRow(" 7", 4.5)});
    select(BetType::Fuk, {kaimeRow(" 3", 1.5)});
    std::vector<StatePart> notices;
    auto subscription = m.subscribe([&](StatePart part) { notices.push_back(part); });

    m.tohyoEditChange(BetType::Tan, "1000");
    const KaimeGrid& win = m.state().kaimeGrid(BetType::Tan);
    EXPECT_EQ(columnTexts(win, KaimeCol::Stake), (std::vector<std::string>{"   500", "   500"}));
    EXPECT_EQ(win.cell(KaimeCol::ResultReturn, 2), "   2250");
    EXPECT_EQ(label(BetType::Tan, BetLabel::Tensu).text, "  2");
    EXPECT_EQ(label(BetType::Tan, BetLabel::Toshi).text, "  1000");
    EXPECT_EQ(label(BetType::Tan, BetLabel::GO).text, "   1.38");
    EXPECT_EQ(label(BetType::Tan, BetLabel::Kaishu).text, "    2250");
    // The place grid was not allocated by this edit; the combined list takes both as they are.
    EXPECT_EQ(m.state().kaimeGrid(BetType::Fuk).cell(KaimeCol::Stake, 1), "");
    const KaimeGrid& all = m.state().allKaimeGrid;
    EXPECT_EQ(columnTexts(all, KaimeCol::Kaime), (std::vector<std::string>{" 3", " 7", " 3"}));
    EXPECT_EQ(label(LabelId::SoTensuLabel).text, "   2");
    EXPECT_EQ(label(LabelId::SoTohyoGakuLabel).text, "    1000");
    EXPECT_EQ(label(LabelId::KaishuLabel).text, "    2250");
    EXPECT_EQ(m.cellStyle(GridId::AllKaimeGrid, 3, 2).background, std::optional<Rgb>(0xFF00FF));
    EXPECT_EQ(m.cellStyle(GridId::AllKaimeGrid, 3, 1).background, std::optional<Rgb>(0xFFFFFF));
    EXPECT_EQ(m.cellStyle(GridId::TanKaimeGrid, 3, 2).background, std::optional<Rgb>(0xFF00FF));
    EXPECT_EQ(m.cellStyle(GridId::FukKaimeGrid, 1, 1).background, std::optional<Rgb>(0xC1FFC1));
    EXPECT_EQ(m.cellStyle(GridId::AllKaimeGrid, 1, 1).background, std::optional<Rgb>(0xFFFF00));
    for (StatePart part : {StatePart::Options, StatePart::Selections, StatePart::CombinedList, StatePart::Labels})
        EXPECT_NE(std::find(notices.begin(), notices.end(), part), notices.end()) << static_cast<int>(part);

    m.tohyoEditChange(BetType::Tan, "");  // nothing to allocate: the stakes stay
    EXPECT_EQ(m.state().tohyoEdit[0], "");
    EXPECT_EQ(columnTexts(win, KaimeCol::Stake), (std::vector<std::string>{"   500", "   500"}));
}

TEST_F(StakeHandlersTest, AStakeOfThreeBillionYenIsAllocatedJudgedAndTotalled) {
    writeSettings({"[BuyBaken]", "Tan=1", "[KaimeSet]", "HaibunSet=2"});
    ASSERT_TRUE(writeTestPayouts(folder.file("Data"),
                                 {PayoutRecordBuilder(testRaceKey(1)).entry(BetType::Tan, 0, {7}, 450, 2).line()})
                    .ok());
    MainModel& m = startWithDay();
    select(BetType::Tan, {kaimeRow(" 7", 4.5)});
    m.tohyoEditChange(BetType::Tan, "3000000000");
    const KaimeGrid& win = m.state().kaimeGrid(BetType::Tan);
    EXPECT_EQ(win.cell(KaimeCol::Stake, 1), "3000000000");
    EXPECT_EQ(win.cell(KaimeCol::Return, 1), "13500000000");
    EXPECT_EQ(win.cell(KaimeCol::ResultReturn, 1), "13500000000");
    EXPECT_EQ(label(BetType::Tan, BetLabel::Toshi).text, "3000000000");
    EXPECT_EQ(label(BetType::Tan, BetLabel::Kaishu).text, "13500000000");
    EXPECT_EQ(label(LabelId::SoTensuLabel).text, "   1");
    EXPECT_EQ(label(LabelId::SoTohyoGakuLabel).text, "3000000000");
    EXPECT_EQ(label(LabelId::YosoKaisyuLabel).text, " 450.0");
    EXPECT_EQ(label(LabelId::KaishuLabel).text, "13500000000");
    m.DatListClick(1);
    m.DatListClick(0);
    EXPECT_EQ(m.state().tohyoEdit[0], "3000000000");
}

TEST_F(StakeHandlersTest, TheAllocationMethodChosenIsStoredAndUsed) {
    MainModel& m = startWithDay();
    m.HaibunRadioClick(3);
    EXPECT_TRUE(settingsHave("HaibunSet=3"));
    EXPECT_EQ(m.state().options.value(MainOption::HaibunSet), 3);
    select(BetType::UR, {kaimeRow(" 1- 2", 4.5)});
    m.tohyoEditChange(BetType::UR, "3000");
    EXPECT_EQ(m.state().kaimeGrid(BetType::UR).cell(KaimeCol::Stake, 1), "   700");
}

TEST_F(StakeHandlersTest, StrikingARowOfTheCombinedListChangesOnlyItsSyntheticOdds) {
    writeSettings({"[BuyBaken]", "UR=1"});
    MainModel& m = startWithDay();
    select(BetType::UR, {kaimeRow(" 1- 2", 2.0), kaimeRow(" 1- 3", 4.0)});
    m.tohyoEditChange(BetType::UR, "1000");
    EXPECT_EQ(label(LabelId::SoGOLabel).text, "   1.33");
    m.AllKaimeGridClick(0, 1);
    EXPECT_EQ(m.state().allKaimeGrid.cell(KaimeCol::Kesu, 1), "消");
    EXPECT_EQ(label(LabelId::SoGOLabel).text, "   4.00");
    EXPECT_EQ(label(LabelId::SoTohyoGakuLabel).text, "    1000");  // the totals do not look at the mark
    m.AllKaimeGridClick(1, 2);                                     // another column: nothing
    m.AllKaimeGridClick(0, 9);                                     // no such row: nothing
    EXPECT_EQ(columnTexts(m.state().allKaimeGrid, KaimeCol::Kesu), (std::vector<std::string>{"消", ""}));
    m.tohyoEditChange(BetType::UR, "2000");  // the list is rebuilt: the mark stays on row 1
    EXPECT_EQ(columnTexts(m.state().allKaimeGrid, KaimeCol::Kesu), (std::vector<std::string>{"消", ""}));
    EXPECT_EQ(label(LabelId::SoTohyoGakuLabel).text, "    2000");
    m.DatListClick(0);  // showing a race empties the combined list, marks included
    EXPECT_EQ(m.state().allKaimeGrid.cell(KaimeCol::Kesu, 1), "");
}

TEST_F(StakeHandlersTest, AllOrNoneOfTheBetTypesTakePart) {
    MainModel& m = startWithDay();
    m.AllBakenBTnClick();
    for (const char* key : {"Tan=1", "Fuk=1", "WR=1", "UR=1", "WD=1", "UT=1", "SRF=1", "SRT=1"})
        EXPECT_TRUE(settingsHave(key)) << key;
    EXPECT_TRUE(m.state().options.on(MainOption::BuySRT));
    m.NoBakenBtnClick();
    EXPECT_TRUE(settingsHave("SRT=0"));
    EXPECT_FALSE(m.state().options.on(MainOption::BuyTan));
    EXPECT_TRUE(fakes.dialogs.errors.empty());
}

TEST_F(StakeHandlersTest, ThePageShownIsStoredAndNamedInBakenLabel) {
    writeSettings({"[KaimeSet]", "TabIndex=5"});
    MainModel& m = start();
    EXPECT_EQ(label(LabelId::BakenLabel).text, "ワイド");
    m.PageControl4Change(0);
    EXPECT_EQ(label(LabelId::BakenLabel).text, "一括");
    EXPECT_TRUE(settingsHave("TabIndex=0"));
    m.PageControl4Change(8);
    EXPECT_EQ(label(LabelId::BakenLabel).text, "３連単");
}

TEST_F(StakeHandlersTest, NewDefaultStakesAreRaisedToOneHundredAndTakeEffectAtTheNextDay) {
    MainModel& m = startWithDay();
    m.DatListClick(2);
    EXPECT_EQ(m.defaultStakes(), (BetAmounts{3000, 3000, 3000, 3000, 3000, 3000, 3000, 3000}));
    m.KaimeSetFormOKClick({50, 200, 3000, 0, 100, 99, 5000, 101});
    EXPECT_EQ(m.defaultStakes(), (BetAmounts{100, 200, 3000, 100, 100, 100, 5000, 101}));
    EXPECT_TRUE(settingsHave("DefaultAmountTan=100"));
    EXPECT_EQ(m.state().currentRace, 2);        // the race was selected again
    EXPECT_EQ(m.state().tohyoEdit[0], "3000");  // this day keeps its stakes
    m.DateComboChange(kTestDayText);
    EXPECT_EQ(m.state().tohyoEdit[0], "100");
    EXPECT_EQ(m.state().tohyoEdit[6], "5000");
}

TEST_F(StakeHandlersTest, AFailedWriteIsShownAndEndsTheAction) {
    MainModel& m = startWithDay();
    ASSERT_TRUE(makeDirectory(folder.file("Marovix.ini")).ok());  // the settings file cannot be written
    m.AllBakenBTnClick();
    EXPECT_EQ(fakes.dialogs.errors.size(), 1u);
    EXPECT_TRUE(m.state().options.on(MainOption::BuyWD));  // the boxes keep their new state
    m.KaimeSetFormOKClick({1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000});
    EXPECT_EQ(fakes.dialogs.errors.size(), 2u);
}

}  // namespace
}  // namespace marovix::stake_handlers_test
