// marovix-cli show: the combined list, the summary labels and the payout panel of a shown race; mark cells
// of StringGrid26 clicked in order before the state is printed, the eight bet-type grids in "grids".
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "core/common/TextFile.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "tests/support/CliRun.h"
#include "tests/support/DemoDay.h"
#include "tests/support/FakeClock.h"
#include "tests/support/OddsRecords.h"
#include "tests/support/PayoutRecordBuilder.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestDayFiles.h"

namespace marovix::show_command_test {
namespace {

TEST(ShowCommand, PrintsThePayoutPanelTheCombinedListAndTheSummaryLabels) {
    TempFolder app;
    ASSERT_TRUE(makeDirectory(app.file("Data")).ok());
    ASSERT_TRUE(writeTestDay(app.file("Data"), 2, 10).ok());
    ASSERT_TRUE(writeTestPayouts(app.file("Data"), {PayoutRecordBuilder(testRaceKey(2))
                                                        .entry(BetType::Fuk, 0, {7}, 150, 1)
                                                        .entry(BetType::Fuk, 1, {2}, 320, 5)
                                                        .entry(BetType::SRT, 0, {7, 2, 10}, 123450, 402)
                                                        .line()})
                    .ok());
    const CliSplitRun run = runCliSplit("show --app-folder '" + app.path() + "' --day " + kTestDayText + " --race 1");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    const auto& payout = json.at("payout");
    ASSERT_EQ(payout.size(), 8u);
    EXPECT_EQ(payout.at("WD").at("heading"), "ﾜｲﾄﾞ");
    EXPECT_EQ(payout.at("WD").at("entries").size(), 7u);
    EXPECT_EQ(payout.at("Fuk").at("entries").at(1),
              (nlohmann::json{{"combination", " 2"}, {"popularity", " 5"}, {"payout", "     320"}}));
    EXPECT_EQ(payout.at("SRT").at("entries").at(0).at("combination"), " 7- 2-10");
    EXPECT_EQ(payout.at("SRT").at("entries").at(1).at("payout"), "");
    EXPECT_EQ(json.at("grids").at("AllKaimeGrid").at(0).at(2), "馬券種");
    for (const char* name : {"SoTensuLabel", "SoTohyoGakuLabel", "YosoKaisyuLabel", "SoGOLabel", "KaishuLabel",
                             "TanTensuLabel", "SRTKaishuLabel", "BakenLabel"})
        EXPECT_TRUE(json.at("labels").contains(name)) << name;
    EXPECT_EQ(json.at("labels").at("SoTensuLabel"), "   0");  // nothing selected without marks
    EXPECT_EQ(json.at("labels").at("BakenLabel"), "一括");
}

TEST(ShowCommand, ARaceListEntryAfterADamagedRaceRecordShowsItsOwnRace) {
    TempFolder app;
    ASSERT_TRUE(makeDirectory(app.file("Data")).ok());
    ASSERT_TRUE(writeTestDay(app.file("Data"), 4, 6).ok());
    const std::string raPath = app.file("Data/" + kTestDayText + ".jvRA");
    auto ra = readRawLines(raPath);
    ASSERT_TRUE(ra.ok());
    (*ra)[1].resize(300);  // race 2 is damaged
    ASSERT_TRUE(writeRawLines(raPath, *ra).ok());
    RecordBuilder o1 = oddstest::oddsRecord(1, "20240526", "05", 3, "0208", "05261412");
    oddstest::setWin(o1, 1, "0338");
    oddstest::setWin(o1, 2, "0000");  // no votes yet
    oddstest::setWin(o1, 3, "----");  // scratched
    ASSERT_TRUE(writeRawLines(app.file("Data/" + kTestDayText + ".jvO1"), {o1.line()}).ok());

    const std::string show = "show --app-folder '" + app.path() + "' --day " + kTestDayText;
    const CliSplitRun third = runCliSplit(show + " --race 1");
    ASSERT_EQ(third.exitCode, 0) << third.err;
    const auto json = nlohmann::json::parse(third.out);
    EXPECT_EQ(json.at("DatList"), (nlohmann::json{"東京 1R", "東京 3R", "東京 4R"}));
    EXPECT_EQ(json.at("DatListSlots"), (nlohmann::json{0, 2, 3}));
    EXPECT_EQ(json.at("CurrentRace"), 2);
    EXPECT_EQ(json.at("CurrentEntry"), 1);
    EXPECT_EQ(json.at("labels").at("RaceLabel"), "3");
    EXPECT_EQ(json.at("labels").at("OzGetTimeLabel"), "14:12");
    EXPECT_EQ(json.at("grids").at("StringGrid26").at(1).at(6), " 33.8");
    EXPECT_EQ(json.at("grids").at("StringGrid26").at(1).at(5), "  . ");  // the test runners carry no weight
    EXPECT_EQ(json.at("odds").at("Tan").at(0).at("odds"), 33.8);
    EXPECT_EQ(json.at("odds").at("Tan").at(1).at("odds"), -1.0);
    EXPECT_EQ(json.at("odds").at("Tan").size(), 2u);
    // The empty entries (a blank field) and those without votes (zeros) told apart.
    EXPECT_EQ(json.at("oddsEmpty").at("Tan"), (nlohmann::json{4, 5, 6}));
    EXPECT_EQ(json.at("oddsNoVotes").at("Tan"), (nlohmann::json{2}));
    EXPECT_EQ(json.at("oddsEmpty").at("Fuk"), (nlohmann::json{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(json.at("oddsNoVotes").at("Fuk"), nlohmann::json::array());
    EXPECT_EQ(json.at("oddsEmpty").at("UR").size(), 153u);  // no O2 record: every combination empty

    const CliSplitRun last = runCliSplit(show + " --race 2");
    ASSERT_EQ(last.exitCode, 0) << last.err;
    EXPECT_EQ(nlohmann::json::parse(last.out).at("labels").at("RaceLabel"), "4");
    const CliSplitRun outside = runCliSplit(show + " --race 3");
    EXPECT_EQ(outside.exitCode, 1);
    EXPECT_NE(outside.err.find("3 races"), std::string::npos) << outside.err;
}

class ShowCommandTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { demo = new DemoDay(); }
    static void TearDownTestSuite() {
        delete demo;
        demo = nullptr;
    }
    static DemoDay* demo;

    std::string show(const std::string& more) const {
        return "show --app-folder " + demo->appFolder() + " --day " + demo->days().back() + " " + more;
    }
};

DemoDay* ShowCommandTest::demo = nullptr;

TEST_F(ShowCommandTest, MarkClicksRunInOrderAndTheBetTypeGridsShowTheirSelections) {
    ASSERT_TRUE(demo->problems().empty()) << demo->problems().front();
    FakeClock clock(DateTime{2025, 3, 3, 10, 0, 0});
    Settings settings(demo->appFolder(), demo->appFolder() + "/share", clock);
    ASSERT_TRUE(settings.writeInt(settings::KaimeSetShihyoSet, 2).ok());  // marks by clicks only
    ASSERT_TRUE(settings.writeBool(settings::BuyBaken[3], true).ok());    // quinella takes part

    const CliSplitRun run =
        runCliSplit(show("--click-mark 1:18 --click-mark 3:18 --click-mark 2:18 --click-mark 3:18"));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    const auto& card = json["grids"]["StringGrid26"];
    // Visible columns of StringGrid26: 0-7, then the marks ◎ ○ ▲.
    EXPECT_EQ(card[1][8], "ν");
    EXPECT_EQ(card[2][8], "ν");
    EXPECT_EQ(card[3][8], "");
    EXPECT_EQ(card[1][9], "");
    const auto& quinella = json["grids"]["URKaimeGrid"];
    ASSERT_EQ(quinella.size(), 2u);
    EXPECT_EQ(quinella[1][1], " 1");
    EXPECT_EQ(quinella[1][2], "馬連");
    EXPECT_EQ(quinella[1][3], " 1- 2");
    for (const char* grid : {"TanKaimeGrid", "FukKaimeGrid", "WRKaimeGrid", "WDKaimeGrid", "UTKaimeGrid",
                             "SRFKaimeGrid", "SRTKaimeGrid"}) {
        ASSERT_TRUE(json["grids"].contains(grid)) << grid;
        EXPECT_EQ(json["grids"][grid].size(), 2u) << grid;  // heading and one empty row: not taking part
    }
}

TEST_F(ShowCommandTest, ABadMarkCellExitsTwoWithItsReason) {
    const std::pair<const char*, const char*> cases[] = {{"--click-mark 1:17", "1:17"},
                                                         {"--click-mark 0:18", "0:18"},
                                                         {"--click-mark 2-18", "2-18"},
                                                         {"--click-mark 2:18x", "2:18x"},
                                                         {"--click-mark 99:19", "runner rows"}};
    for (auto [arguments, reason] : cases) {
        const CliSplitRun run = runCliSplit(show(arguments));
        EXPECT_EQ(run.exitCode, 2) << arguments << "\n" << run.err;
        const std::string firstLine = run.err.substr(0, run.err.find('\n'));
        EXPECT_NE(firstLine.find(reason), std::string::npos) << arguments << "\n" << run.err;
        EXPECT_TRUE(run.out.empty()) << arguments;
    }
}

// The actions of the window on a demo day with final odds (stakes need odds), each test on a fresh
// application folder: what one test leaves in the settings does not reach the next.
class ShowActionsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(demo.problems().empty()) << demo.problems().front(); }

    CliSplitRun show(const std::string& more) const {
        return runCliSplit("show --app-folder " + demo.appFolder() + " --day " + demo.days()[0] + " " + more);
    }
    Settings settings() const { return Settings(demo.appFolder(), demo.appFolder() + "/share", clock); }

    DemoDay demo{DemoDayOptions{DateTime{2025, 3, 1}, DateTime{2025, 3, 1}, 17, true, true}};
    FakeClock clock{DateTime{2025, 3, 1, 8, 0, 0}};
};

TEST_F(ShowActionsTest, ControlsThePageAndTheBetTypesAreSetBeforeTheDayAndKeptInTheSettings) {
    const CliSplitRun run = show(
        "--control ShihyoSetRadio=2 --control srfKaikataRadio=0 --control HaibunRadio=1 --page 7 --bet-types ur,wd "
        "--click-mark 1:18 --click-mark 2:18 --click-mark 3:18");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json.at("labels").at("BakenLabel"), "３連複");
    const auto& grids = json.at("grids");
    EXPECT_EQ(grids.at("URKaimeGrid").size(), 4u);  // heading and 1-2, 1-3, 2-3
    EXPECT_EQ(grids.at("WDKaimeGrid").size(), 4u);
    EXPECT_EQ(grids.at("SRFKaimeGrid").size(), 2u);  // its page shows: the box 1-2-3
    EXPECT_EQ(grids.at("SRFKaimeGrid")[1][3], " 1- 2- 3");
    EXPECT_EQ(grids.at("TanKaimeGrid").size(), 2u);  // heading and one empty row: not taking part
    EXPECT_EQ(grids.at("TanKaimeGrid")[1][3], "");
    EXPECT_EQ(grids.at("AllKaimeGrid").size(), 7u);  // quinella and quinella place; trio does not take part

    Settings kept = settings();
    for (const BetTypeInfo& bet : kBetTypes)
        EXPECT_EQ(kept.readBool(settings::BuyBaken[static_cast<std::size_t>(bet.type)]),
                  bet.type == BetType::UR || bet.type == BetType::WD)
            << bet.prefix;
    EXPECT_EQ(kept.readInt(settings::KaimeSetTabIndex), 7);
    EXPECT_EQ(kept.readInt(settings::KaimeSetHaibunSet), 1);
    EXPECT_EQ(kept.readInt(settings::KaimeSetShihyoSet), 2);

    // "全解除" on the next run leaves the combined list empty.
    const CliSplitRun none = show("--bet-types none --click-mark 1:18 --click-mark 2:18");
    ASSERT_EQ(none.exitCode, 0) << none.err;
    EXPECT_EQ(nlohmann::json::parse(none.out).at("grids").at("AllKaimeGrid").size(), 2u);
    for (const SettingKey& box : settings::BuyBaken) EXPECT_FALSE(settings().readBool(box)) << box.key;
}

TEST_F(ShowActionsTest, MarkButtonsStakesAndStrikesActInTheOrderOfTheWindow) {
    // "全" then "CL" over ◎, then ◎ on horses 1 and 2; 1000 yen on win; win row 1 struck out (the win grid
    // is built again: row 2 takes the whole stake); then row 2 of the combined list struck out.
    const CliSplitRun run = show(
        "--control ShihyoSetRadio=2 --bet-types tan --mark-button AllCkBtn1 --mark-button alldlbtn1 "
        "--click-mark 1:18 --click-mark 2:18 --stake tan=1000 --strike 1:1 --strike 0:2");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    const auto& card = json.at("grids").at("StringGrid26");
    ASSERT_GT(card.size(), 3u);
    EXPECT_EQ(card[1][8], "ν");
    EXPECT_EQ(card[2][8], "ν");
    EXPECT_EQ(card[3][8], "");
    // Columns shown: 消, No., 馬券, 買い目, オッズ, 購入額, 回収額 ...
    const auto& win = json.at("grids").at("TanKaimeGrid");
    ASSERT_EQ(win.size(), 3u) << win;
    EXPECT_EQ(win[1][0], "消");
    EXPECT_EQ(win[1][5], "");
    EXPECT_EQ(win[2][0], "");
    EXPECT_EQ(win[2][5], "  1000");
    const auto& all = json.at("grids").at("AllKaimeGrid");
    ASSERT_EQ(all.size(), 3u) << all;
    EXPECT_EQ(all[1][0], "");
    EXPECT_EQ(all[2][0], "消");
    EXPECT_EQ(json.at("labels").at("TanToshiLabel"), "  1000");

    // A row the grid does not show is refused after the race is shown.
    const CliSplitRun beyond = show("--strike 1:9");
    EXPECT_EQ(beyond.exitCode, 2);
    EXPECT_NE(beyond.err.find("--strike 1:9: page 1 shows"), std::string::npos) << beyond.err;
    EXPECT_TRUE(beyond.out.empty());
}

TEST(ShowCommand, SortsTheRaceCardByAHeadingAscendingOrDescending) {
    TempFolder app;
    ASSERT_TRUE(makeDirectory(app.file("Data")).ok());
    ASSERT_TRUE(writeTestDay(app.file("Data"), 1, 6).ok());
    const std::string show = "show --app-folder '" + app.path() + "' --day " + kTestDayText;
    const CliSplitRun up = runCliSplit(show + " --sort StringGrid1.1");
    ASSERT_EQ(up.exitCode, 0) << up.err;
    EXPECT_EQ(nlohmann::json::parse(up.out).at("grids").at("StringGrid1").at(1).at(1), " 1");
    const CliSplitRun down = runCliSplit(show + " --sort StringGrid1.1:desc");
    ASSERT_EQ(down.exitCode, 0) << down.err;
    const auto card = nlohmann::json::parse(down.out).at("grids").at("StringGrid1");
    EXPECT_EQ(card.at(1).at(1), " 6");
    EXPECT_EQ(card.at(6).at(1), " 1");
    for (const char* bad : {"StringGrid1.2", "StringGrid26.8", "Grid.1", "StringGrid1.1:up", "StringGrid1.x"})
        EXPECT_NE(runCliSplit(show + " --sort " + bad).exitCode, 0) << bad;
}

}  // namespace
}  // namespace marovix::show_command_test
