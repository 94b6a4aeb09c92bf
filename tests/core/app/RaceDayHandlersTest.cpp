// Choosing a day and showing a race in the main model: LoadRaceDay and ShowRace.
#include <gtest/gtest.h>

#include "core/app/MainModel.h"
#include "core/common/Cp932.h"
#include "core/common/TextFile.h"
#include "core/race/JvRecord.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "standins/records/RecordBuilder.h"
#include "tests/support/DemoDay.h"
#include "tests/support/FakeMainPorts.h"
#include "tests/support/OddsRecords.h"
#include "tests/support/TempFolder.h"

namespace marovix::race_day_handlers_test {
namespace {

const std::string kDay = "2024年05月26日";

std::string raceLine(int race, int runners, const char* course = "05") {
    return RecordBuilder("RA")
        .text(12, "2024")
        .text(16, "0526")
        .text(20, course)
        .text(22, "02")
        .text(24, "08")
        .number(26, 2, race)
        .number(28, 1, 2)
        .field(33, 60, "日本ダービー")
        .number(698, 4, 2400)
        .number(706, 2, 11)
        .number(874, 4, 1540)
        .number(882, 2, runners)
        .text(888, "1")
        .text(889, "1")
        .text(890, "2")
        .line();
}

std::string runnerLine(int race, int horse) {
    return RecordBuilder("SE")
        .text(12, "2024")
        .text(16, "0526")
        .text(20, "05")
        .number(26, 2, race)
        .number(28, 1, (horse + 1) / 2)
        .number(29, 2, horse)
        .field(41, 36, "テストホース" + std::to_string(horse))
        .text(79, "1")
        .number(83, 2, 3)
        .field(307, 8, "騎手")
        .number(289, 3, 570)
        .line();
}

class RaceDayHandlersTest : public ::testing::Test {
protected:
    TempFolder folder;
    FakeMainPorts fakes;
    std::unique_ptr<MainModel> model;

    void SetUp() override {
        fakes.clock.set(DateTime{2024, 5, 20, 9, 0, 0});
        ASSERT_TRUE(makeDirectory(folder.file("Data")).ok());
    }
    std::string data(const std::string& name) { return folder.file("Data/" + name); }
    // A day at Tokyo with `races` races of `runners` runners (the runner file only when `withRunners`).
    void writeDay(int races, int runners, bool withRunners = true) {
        std::vector<std::string> ra, se(216, std::string(553, ' '));
        for (int r = 1; r <= races; ++r) ra.push_back(raceLine((r - 1) % 12 + 1, runners));
        ASSERT_TRUE(writeRawLines(data(kDay + ".jvRA"), ra).ok());
        if (!withRunners) return;
        for (int r = 1; r <= 12; ++r)
            for (int h = 1; h <= runners; ++h) se[static_cast<std::size_t>((r - 1) * 18 + h - 1)] = runnerLine(r, h);
        ASSERT_TRUE(writeRawLines(data(kDay + "東京.jvSEr"), se).ok());
    }
    MainModel& start() {
        model = std::make_unique<MainModel>(folder.path(), folder.path() + "/share", fakes.ports());
        EXPECT_TRUE(model->create());
        return *model;
    }
};

TEST_F(RaceDayHandlersTest, ADayOf24RacesLists24EntriesAndShowsTheFirst) {
    writeDay(24, 16);
    MainModel& m = start();
    m.DateComboChange(kDay);
    EXPECT_EQ(m.state().datList.size(), 24u);
    EXPECT_EQ(m.state().datList[0], "東京 1R");
    EXPECT_EQ(m.state().datList[10], "東京11R");
    EXPECT_EQ(m.state().currentRace, 0);
    EXPECT_TRUE(m.state().racePagesVisible);
    EXPECT_EQ(m.state().stringGrid26.rowCount(), 17);
    EXPECT_EQ(m.state().stringGrid1.rowCount(), 17);
    EXPECT_FALSE(isUsedSlot(m.session().day().race(24)));
    EXPECT_TRUE(fakes.dialogs.informations.empty());
}

TEST_F(RaceDayHandlersTest, AMissingRaceFileIsReportedUnlessQuiet) {
    MainModel& m = start();
    m.DateComboChange(kDay);
    EXPECT_EQ(fakes.dialogs.informations, (std::vector<std::string>{"データ作成が未完了のようです。"}));
    EXPECT_EQ(fakes.dialogs.beeps, 1);
    EXPECT_TRUE(m.state().datList.empty());
    EXPECT_FALSE(m.state().racePagesVisible);
    m.setQuietFlag(true);
    m.DateComboChange(kDay);
    EXPECT_EQ(fakes.dialogs.informations.size(), 1u);
}

TEST_F(RaceDayHandlersTest, ARaceWithoutRunnersSaysSoAndBecomesCurrent) {
    writeDay(3, 10, false);
    MainModel& m = start();
    m.DateComboChange(kDay);
    EXPECT_EQ(fakes.dialogs.informations, (std::vector<std::string>{"1レースはデータが不十分です。"}));
    m.DatListClick(2);
    EXPECT_EQ(fakes.dialogs.informations.back(), "3レースはデータが不十分です。");
    EXPECT_EQ(m.state().currentRace, 2);
    EXPECT_FALSE(m.state().racePagesVisible);
}

TEST_F(RaceDayHandlersTest, TheHeaderShowsTheRaceAsSpecified) {
    writeDay(11, 18);
    MainModel& m = start();
    m.DateComboChange(kDay);
    m.DatListClick(10);
    const MainLabels& labels = m.state().labels;
    EXPECT_EQ(labels[LabelId::BashoLabel].text, "東京");
    EXPECT_EQ(labels[LabelId::RaceLabel].text, "11");
    EXPECT_EQ(labels[LabelId::Label1].text, "2024年05月26日(日)東京02回08日11R   15.40発走  晴　芝:良　ダ:稍重");
    EXPECT_EQ(labels[LabelId::Label2].text, "日本ダービー");
    EXPECT_EQ(labels[LabelId::Label3].text, "18頭 2400ﾒｰﾄﾙ 芝 左回り 　　   ");
    EXPECT_EQ(labels[LabelId::Panel21].background, 0x008000u);
}

TEST_F(RaceDayHandlersTest, ShowingTheSameRaceAgainKeepsItsMarks) {
    // Four runners: the marks are not recomputed (SetSihyoBtn leaves races of four or fewer alone).
    writeDay(2, 4);
    MainModel& m = start();
    m.DateComboChange(kDay);
    m.StringGrid26Click(18, 3);
    m.DatListClick(0);
    EXPECT_EQ(m.state().stringGrid26.cell(Card26Col::Mark1, 3), "ν");
    EXPECT_EQ(m.state().stringGrid26.cell(Card26Col::Uma, 3), " 3");
    m.DatListClick(1);
    EXPECT_EQ(m.state().stringGrid26.cell(Card26Col::Mark1, 3), "");
}

TEST_F(RaceDayHandlersTest, TheUsetFileIsCreatedWithABlankLinePerRaceAndTheDayIsLogged) {
    writeDay(5, 8);
    MainModel& m = start();
    fakes.clock.set(DateTime{2024, 5, 20, 9, 15, 30});
    m.DateComboChange(kDay);
    auto uset = readFileBytes(data(kDay + ".Uset"));
    ASSERT_TRUE(uset.ok());
    std::string expected;
    for (int i = 0; i < 5; ++i) expected += std::string(54, ' ') + "\r\n";
    EXPECT_EQ(*uset, expected);
    const auto& log = m.state().autoNaviList;
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[log.size() - 2], "-----");
    EXPECT_EQ(log.back(), "■開催日選択 [" + kDay + "] 2024/05/20 09:15:30");
}

TEST_F(RaceDayHandlersTest, TodayStartsTheDayTimersAndShowsTheTimeToPost) {
    writeDay(2, 8);
    MainModel& m = start();
    m.DateComboChange(kDay);
    EXPECT_FALSE(m.state().timers.HenkoTimer);
    EXPECT_FALSE(m.state().restTimeVisible);
    fakes.clock.set(DateTime{2024, 5, 26, 9, 0, 0});
    m.DateComboChange(kDay);
    EXPECT_TRUE(m.state().timers.HenkoTimer);
    EXPECT_TRUE(m.state().timers.Timer2);
    EXPECT_TRUE(m.state().restTimeVisible);
}

TEST_F(RaceDayHandlersTest, ADamagedRaceRecordInTheMiddleLeavesItsRaceOutAndEveryEntryShowsItsOwnRace) {
    writeDay(5, 6);
    // Race 3's record is cut short: the race list holds races 1, 2, 4 and 5.
    auto ra = readRawLines(data(kDay + ".jvRA"));
    ASSERT_TRUE(ra.ok());
    (*ra)[2].resize(500);
    ASSERT_TRUE(writeRawLines(data(kDay + ".jvRA"), *ra).ok());
    // Win odds and an announcement time for races 4 and 5, each its own.
    std::vector<std::string> o1;
    for (auto [race, odds, announced] : {std::tuple{4, "0338", "05261404"}, std::tuple{5, "0051", "05261505"}}) {
        RecordBuilder record = oddstest::oddsRecord(1, "20240526", "05", race, "0208", announced);
        for (int horse = 1; horse <= 6; ++horse) oddstest::setWin(record, horse, odds);
        o1.push_back(record.line());
    }
    ASSERT_TRUE(writeRawLines(data(kDay + ".jvO1"), o1).ok());

    MainModel& m = start();
    m.DateComboChange(kDay);
    EXPECT_EQ(m.state().datList, (std::vector<std::string>{"東京 1R", "東京 2R", "東京 4R", "東京 5R"}));
    EXPECT_EQ(m.state().datListSlots, (std::vector<RaceSlot>{0, 1, 3, 4}));
    // The damaged line is named in the error log; the .Uset file keeps a line for its slot.
    ASSERT_TRUE(m.errorLog().lines().size() >= 1u);
    EXPECT_NE(
        m.errorLog().lines().back().find(kDay + ".jvRA 3行目: RAレコードのレコード長が不正です(改行を除き500バイト、"
                                                "正しくは1270バイト)"),
        std::string::npos)
        << m.errorLog().lines().back();
    auto uset = readFileBytes(data(kDay + ".Uset"));
    ASSERT_TRUE(uset.ok());
    EXPECT_EQ(uset->size(), 5u * 56u);

    struct Expected {
        int entry;
        RaceSlot slot;
        const char* race;
        const char* winOdds;
        const char* announced;
    };
    for (const Expected& e : {Expected{2, 3, "4", " 33.8", "14:04"}, Expected{3, 4, "5", "  5.1", "15:05"},
                              Expected{1, 1, "2", "     ", "  :  "}}) {
        m.DatListClick(e.entry);
        EXPECT_EQ(m.state().currentRace, e.slot) << e.entry;
        EXPECT_EQ(m.state().currentEntry(), e.entry);
        EXPECT_TRUE(m.state().racePagesVisible);
        EXPECT_EQ(m.state().labels[LabelId::RaceLabel].text, e.race);
        EXPECT_EQ(m.state().labels[LabelId::OzGetTimeLabel].text, e.announced);
        EXPECT_EQ(m.state().stringGrid26.cell(Card26Col::TanOz, 1), e.winOdds);
        EXPECT_EQ(m.raceListColor(e.entry), 0x0000FFu);
        EXPECT_EQ(m.raceListColor(e.entry == 3 ? 0 : 3), 0xFFFFFFu);
    }
    EXPECT_TRUE(fakes.dialogs.informations.empty());

    // A stake typed for race 4 stays with race 4.
    m.DatListClick(2);
    m.tohyoEditChange(BetType::Tan, "700");
    m.DatListClick(3);
    EXPECT_EQ(m.state().tohyoEdit[0], "3000");
    m.DatListClick(2);
    EXPECT_EQ(m.state().tohyoEdit[0], "700");

    // The vote names the race of the entry.
    fakes.clock.set(DateTime{2024, 5, 26, 9, 0, 0});
    ASSERT_TRUE(makeDirectory(folder.file("plugin")).ok());
    ASSERT_TRUE(Settings(folder.path(), folder.path() + "/share", fakes.clock)
                    .writeText(settings::DirVQMTohyo2, folder.file("plugin"))
                    .ok());
    MainModel& again = start();
    again.DateComboChange(kDay);
    again.DatListClick(2);
    again.AllCkBtnClick(0);  // ◎ on every runner: the win selections of race 4
    again.setOption(MainOption::BuyTan, 1);
    again.PageControl4Change(1);
    ASSERT_EQ(again.state().kaimeGrid(BetType::Tan).cell(KaimeCol::Odds, 1), "  33.8");
    again.TohyouBtnClick();
    ASSERT_FALSE(fakes.dialogs.questions.empty());
    EXPECT_EQ(fakes.dialogs.questions.back(), "[東京 4R:]に投票します。実行してよろしいですか？");
}

TEST(RaceDayOnAGeneratedDay, EveryRaceShowsItsRunnersAndIndexes) {
    DemoDay demo;
    ASSERT_TRUE(demo.problems().empty()) << demo.problems().front();
    ASSERT_EQ(demo.days().size(), 2u);
    FakeMainPorts fakes;
    fakes.clock.set(DateTime{2025, 3, 3, 9, 0, 0});
    MainModel m(demo.appFolder(), demo.appFolder() + "/share", fakes.ports());
    ASSERT_TRUE(m.create());
    EXPECT_EQ(m.state().dateCombo, demo.days());
    m.DateComboChange(demo.days()[1]);
    ASSERT_FALSE(m.state().datList.empty());
    int withCompi = 0, withMining = 0, withOwn = 0;
    for (int i = 0; i < static_cast<int>(m.state().datList.size()); ++i) {
        m.DatListClick(i);
        const RaceRecord& race = m.session().day().race(i);
        const int runners = fieldNumber(race, 882, 2);
        ASSERT_EQ(m.state().stringGrid1.rowCount(), runners + 1) << i;
        for (int r = 1; r <= runners; ++r) {
            EXPECT_EQ(lenientInt(m.state().stringGrid26.cell(Card26Col::Uma, r)), r);
            EXPECT_FALSE(m.state().stringGrid1.cell(Card1Col::Bamei, r).empty());
        }
        withCompi += m.state().stringGrid1.cell(Card1Col::CompiRank, 1) != "　";
        withMining += m.state().stringGrid1.cell(Card1Col::DMRank, 1) != "　";
        withOwn += m.state().stringGrid1.cell(Card1Col::Own1, 1) != "　";
    }
    EXPECT_GT(withCompi, 0);
    EXPECT_GT(withMining, 0);
    EXPECT_GT(withOwn, 0);
    EXPECT_TRUE(fakes.dialogs.informations.empty());
    EXPECT_TRUE(fakes.dialogs.errors.empty());
}

}  // namespace
}  // namespace marovix::race_day_handlers_test
