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

namespace marovix {
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

}  // namespace
}  // namespace marovix
