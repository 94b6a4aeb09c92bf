// The selection handlers of the main model: the marks (SetSihyoBtn, mark buttons and clicks, the build
// mode), and the rebuild (KaimeMakeBtn) that every change of a selection control runs.
#include <gtest/gtest.h>

#include "core/app/MainModel.h"
#include "core/common/TextFile.h"
#include "core/race/RecordFields.h"
#include "standins/records/RecordBuilder.h"
#include "tests/support/FakeMainPorts.h"
#include "tests/support/OddsRecords.h"
#include "tests/support/TempFolder.h"

namespace marovix::selection_handlers_test {
namespace {

const std::string kDay = "2024年05月26日";
constexpr int kRunners = 10;
// Win odds of horses 1..10 in tenths: popularity 1 is horse 5, 2 horse 2, 3 horse 1, ...; horse 6 scratched.
constexpr const char* kWinOdds[kRunners] = {"0035", "0021", "0080", "0152", "0018",
                                            "----", "0055", "0120", "0600", "0077"};
constexpr int kMark1 = 18;  // column ◎ of StringGrid26

std::string raceLine(int race) {
    return RecordBuilder("RA")
        .field(RaField::dayKey8, "20240526")
        .field(RaField::courseCode, "05")
        .field(RaField::meetingNumber, "02")
        .field(RaField::dayNumber, "08")
        .number(RaField::raceNumber, race)
        .number(RaField::registeredRunners, kRunners)
        .line();
}

std::string runnerLine(int race, int horse) {
    return RecordBuilder("SE")
        .field(SeField::dayKey8, "20240526")
        .field(SeField::courseCode, "05")
        .number(SeField::raceNumber, race)
        .number(SeField::bracketNumber, (horse + 1) / 2)
        .number(SeField::horseNumber, horse)
        .line();
}

// The horses of the grid's data rows (column 3), or marked in a column of the race card.
std::vector<std::string> combinations(const KaimeGrid& grid) {
    std::vector<std::string> texts;
    for (int r = 1; r < grid.rowCount(); ++r)
        if (!grid.cell(KaimeCol::Kaime, r).empty()) texts.push_back(grid.cell(KaimeCol::Kaime, r));
    return texts;
}

class SelectionHandlersTest : public ::testing::Test {
protected:
    TempFolder folder;
    FakeMainPorts fakes;
    std::unique_ptr<MainModel> model;

    // Two races of ten runners at Tokyo; race 1 has win odds and quinella odds.
    void SetUp() override {
        fakes.clock.set(DateTime{2024, 5, 20, 9, 0, 0});
        ASSERT_TRUE(makeDirectory(folder.file("Data")).ok());
        ASSERT_TRUE(writeRawLines(data(".jvRA"), {raceLine(1), raceLine(2)}).ok());
        std::vector<std::string> se(216, std::string(553, ' '));
        for (int r = 1; r <= 2; ++r)
            for (int h = 1; h <= kRunners; ++h) se[static_cast<std::size_t>((r - 1) * 18 + h - 1)] = runnerLine(r, h);
        ASSERT_TRUE(writeRawLines(data("東京.jvSEr"), se).ok());
        RecordBuilder o1 = oddstest::oddsRecord(1, "20240526", "05", 1, "0208");
        for (int h = 1; h <= kRunners; ++h) oddstest::setPlace(o1, h, "0011", "0020");
        for (int h = 1; h <= kRunners; ++h) oddstest::setWin(o1, h, kWinOdds[h - 1]);
        oddstest::setPlace(o1, 6, "----", "----");
        ASSERT_TRUE(writeRawLines(data(".jvO1"), {o1.line()}).ok());
        RecordBuilder o2 = oddstest::oddsRecord(2, "20240526", "05", 1, "0208");
        oddstest::setCombination(o2, 2, 1, 45, 1);  // " 1- 2"
        ASSERT_TRUE(writeRawLines(data(".jvO2"), {o2.line()}).ok());
    }
    std::string data(const std::string& extension) { return folder.file("Data/" + kDay + extension); }
    void writeSettings(const std::vector<std::string>& lines) {
        ASSERT_TRUE(writeTextLines(folder.file("Marovix.ini"), lines).ok());
    }
    MainModel& start() {
        model = std::make_unique<MainModel>(folder.path(), folder.path() + "/share", fakes.ports());
        EXPECT_TRUE(model->create());
        model->DateComboChange(kDay);
        EXPECT_EQ(model->state().currentRace, 0);
        return *model;
    }
    const MainState& state() const { return model->state(); }
    std::vector<int> marked(int mark) const {
        std::vector<int> horses;
        const auto& card = state().stringGrid26;
        for (int r = 1; r < card.rowCount(); ++r)
            if (card.text().cell(kMark1 + mark, r) == "ν")
                horses.push_back(std::atoi(card.cell(Card26Col::Uma, r).c_str()));
        return horses;
    }
    std::vector<std::string> settings() {
        auto read = readTextLines(folder.file("Marovix.ini"));
        return read.ok() ? *read : std::vector<std::string>{};
    }
    bool stored(const std::string& line) {
        const auto lines = settings();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
};

TEST_F(SelectionHandlersTest, TheIndexModeMarksTheFavouritesWhenTheRaceIsShownAndTheWinGridTakesThem) {
    writeSettings({"[BuyBaken]", "Tan=1", "[Sihyo]", "sel1=0", "sel2=0"});
    ASSERT_TRUE(writeTextLines(folder.file("selecteduma.dat"),
                               {"110000000000000000", "001000000000000000", "000000000000000000"})
                    .ok());
    start();
    EXPECT_EQ(marked(0), (std::vector<int>{2, 5}));
    EXPECT_EQ(marked(1), std::vector<int>{1});
    EXPECT_EQ(marked(2), std::vector<int>{});
    EXPECT_EQ(combinations(state().kaimeGrid(BetType::Tan)), (std::vector<std::string>{" 2", " 5"}));
    EXPECT_EQ(state().kaimeGrid(BetType::Tan).cell(KaimeCol::Odds, 2), "   1.8");
}

TEST_F(SelectionHandlersTest, SwitchingToManualStoresTheModeAndClearsEveryMarkAndSelection) {
    writeSettings({"[BuyBaken]", "Tan=1"});
    ASSERT_TRUE(writeTextLines(folder.file("selecteduma.dat"),
                               {std::string(18, '1'), std::string(18, '1'), std::string(18, '1')})
                    .ok());
    MainModel& m = start();
    EXPECT_EQ(marked(0).size(), 9u);  // every horse but the scratched one
    m.setOption(MainOption::ShihyoSet, 2);
    EXPECT_TRUE(stored("ShihyoSet=2"));
    for (int mark = 0; mark < 3; ++mark) EXPECT_EQ(marked(mark), std::vector<int>{}) << mark;
    EXPECT_EQ(combinations(state().kaimeGrid(BetType::Tan)), std::vector<std::string>{});
    m.setOption(MainOption::ShihyoSet, 0);
    EXPECT_EQ(marked(0).size(), 9u);
}

TEST_F(SelectionHandlersTest, ThePreMarkedModeTakesTheDaysTableAndMayBorrowAMarkFromTheIndex) {
    writeSettings({"[KaimeSet]", "ShihyoSet=1", "[SetUma]", "maru1=1"});
    ASSERT_TRUE(writeTextLines(folder.file("selecteduma.dat"),
                               {std::string(18, '1'), "100000000000000000", std::string(18, '0')})
                    .ok());
    std::string race1(54, ' ');
    race1[3 * 2 + 0] = '1';  // ◎ horse 3
    race1[3 * 7 + 2] = '1';  // ▲ horse 8
    ASSERT_TRUE(writeRawLines(data(".Uset"), {race1, std::string(54, ' ')}).ok());
    start();
    EXPECT_EQ(marked(0), std::vector<int>{3});
    EXPECT_EQ(marked(1), std::vector<int>{5});  // borrowed: rank 1 under "単人気"
    EXPECT_EQ(marked(2), std::vector<int>{8});
}

TEST_F(SelectionHandlersTest, MarkClicksAndButtonsRebuildTheSelections) {
    writeSettings({"[KaimeSet]", "ShihyoSet=2", "[BuyBaken]", "Tan=1", "UR=1"});
    MainModel& m = start();
    m.StringGrid26Click(kMark1, 2);
    m.StringGrid26Click(kMark1, 1);
    EXPECT_EQ(combinations(state().kaimeGrid(BetType::Tan)), (std::vector<std::string>{" 1", " 2"}));
    EXPECT_EQ(combinations(state().kaimeGrid(BetType::UR)), std::vector<std::string>{" 1- 2"});
    EXPECT_EQ(state().kaimeGrid(BetType::UR).cell(KaimeCol::Odds, 1), "    4.5");
    m.StringGrid26Click(kMark1, 2);  // off again
    m.StringGrid26Click(5, 3);       // not a mark cell
    EXPECT_EQ(marked(0), std::vector<int>{1});
    EXPECT_EQ(combinations(state().kaimeGrid(BetType::Tan)), std::vector<std::string>{" 1"});
    m.AllCkBtnClick(0);
    EXPECT_EQ(combinations(state().kaimeGrid(BetType::Tan)).size(), 9u);
    m.AllDlBtnClick(0);
    EXPECT_EQ(marked(0), std::vector<int>{});
    EXPECT_EQ(combinations(state().kaimeGrid(BetType::Tan)), std::vector<std::string>{});
    // The marks of race 2 (no odds): every pair listed with blank odds.
    m.DatListClick(1);
    m.AllCkBtnClick(0);
    EXPECT_EQ(combinations(state().kaimeGrid(BetType::UR)).size(), 45u);
    EXPECT_EQ(state().kaimeGrid(BetType::UR).cell(KaimeCol::Odds, 45), "       ");
}

TEST_F(SelectionHandlersTest, EveryControlOfTheBetPagesStoresItsValueAndRebuilds) {
    writeSettings({"[KaimeSet]", "ShihyoSet=2"});
    MainModel& m = start();
    m.AllCkBtnClick(0);
    const KaimeGrid& win = state().kaimeGrid(BetType::Tan);
    const KaimeGrid& exacta = state().kaimeGrid(BetType::UT);
    EXPECT_TRUE(combinations(win).empty());  // not ticked, its tab not showing
    m.setOption(MainOption::BuyTan, 1);
    EXPECT_TRUE(stored("Tan=1"));
    EXPECT_EQ(combinations(win).size(), 9u);
    m.setOzSpanEdit(0, "5.0");
    EXPECT_TRUE(stored("Toz1A=5.0"));
    EXPECT_EQ(combinations(win), (std::vector<std::string>{" 3", " 4", " 7", " 8", " 9", "10"}));
    m.setOzSpanEdit(1, "10.0");
    EXPECT_EQ(combinations(win), (std::vector<std::string>{" 3", " 7", "10"}));
    // The exacta builds while its tab shows, though unticked; a tab change alone does not rebuild.
    m.setOption(MainOption::TabIndex, 6);
    EXPECT_TRUE(combinations(exacta).empty());
    m.AllCkBtnClick(1);
    EXPECT_EQ(combinations(exacta).size(), 90u);  // Box of ten: every ordered pair
    m.setOption(MainOption::KaikataUT, 1);
    EXPECT_TRUE(stored("UT=1"));
    EXPECT_EQ(combinations(exacta).size(), 90u);  // 流し: ◎ on all, ○ on all
    m.AllDlBtnClick(1);
    m.StringGrid26Click(kMark1 + 1, 4);
    EXPECT_EQ(combinations(exacta).size(), 9u);
    m.setOption(MainOption::MultiUmatan, 1);
    EXPECT_TRUE(stored("Umatan=1"));
    EXPECT_EQ(combinations(exacta).size(), 18u);
}

TEST_F(SelectionHandlersTest, TheWinGridsStrikeOutMarkStaysOnItsRowThroughRebuilds) {
    writeSettings({"[KaimeSet]", "ShihyoSet=2", "[BuyBaken]", "Tan=1"});
    MainModel& m = start();
    m.AllCkBtnClick(0);
    m.TanKaimeGridClick(0, 2);
    const KaimeGrid& win = state().kaimeGrid(BetType::Tan);
    EXPECT_EQ(win.cell(KaimeCol::Kesu, 2), "消");
    m.setOzSpanEdit(0, "3.0");  // another horse lands on row 2
    EXPECT_EQ(win.cell(KaimeCol::Kesu, 2), "消");
    EXPECT_EQ(win.cell(KaimeCol::Kaime, 2), " 3");
    m.TanKaimeGridClick(3, 2);  // not the "消" column
    m.TanKaimeGridClick(0, 0);  // the heading
    EXPECT_EQ(win.cell(KaimeCol::Kesu, 0), "消");
    m.TanKaimeGridClick(0, 2);
    EXPECT_EQ(win.cell(KaimeCol::Kesu, 2), "");
}

TEST_F(SelectionHandlersTest, TheMultiBoxesShowByTheBuyingMethodsFromTheStart) {
    writeSettings({"[Kaikata]", "UT=1", "SRT=3"});
    MainModel& m = start();
    using Visible = std::array<bool, 5>;  // CheckMultiUT, CheckMulti3T, ...12, ...23, ...13
    EXPECT_EQ(state().multiBoxVisible, (Visible{true, true, true, true, true}));
    m.setOption(MainOption::KaikataSRT, 2);
    EXPECT_EQ(state().multiBoxVisible, (Visible{true, true, false, false, false}));
    m.setOption(MainOption::KaikataSRT, 0);
    m.setOption(MainOption::KaikataUT, 0);
    EXPECT_EQ(state().multiBoxVisible, (Visible{false, false, false, false, false}));
    EXPECT_TRUE(stored("SRT=0"));
}

TEST_F(SelectionHandlersTest, TheStrategyIsReadWhenTheWindowIsCreated) {
    writeSettings({"[Sihyo]", "sel1=3", "sel2=5", "sel3=1", "[SetUma]", "maru2=1", "sankaku=1"});
    ASSERT_TRUE(writeTextLines(folder.file("selecteduma.dat"),
                               {"100000000000000001", "01000000000000000", "001000000000000000"})
                    .ok());
    MainModel& m = start();
    MarkStrategy expected;
    expected.index = {3, 5, 1};
    expected.borrowIndex = {true, false, true};
    expected.ranks[0][1] = expected.ranks[0][18] = true;
    expected.ranks[2][3] = true;  // the ○ line has 17 characters: skipped
    EXPECT_EQ(m.markStrategy(), expected);
}

}  // namespace
}  // namespace marovix::selection_handlers_test
