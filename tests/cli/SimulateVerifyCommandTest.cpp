// marovix-cli simulate and verify: the simulation writes the work file the core's replay writes, the
// verification prints the labels and grid as JSON and the passing records as CSV; both exit 1 with a
// message when there is nothing to simulate or verify.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "core/common/TextFile.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "core/strategy/KenshoModel.h"
#include "core/strategy/Simulation.h"
#include "tests/support/CliRun.h"
#include "tests/support/DemoDay.h"
#include "tests/support/FakeClock.h"
#include "tests/support/TempFolder.h"

namespace marovix::simulate_verify_command_test {
namespace {

class SimulateVerifyCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(demo.problems().empty()) << demo.problems().front();
        FakeClock clock(DateTime{2025, 3, 10, 9, 0, 0});
        Settings store(app(), app() + "/share", clock);
        for (const SettingKey& key : settings::BuyBaken) ASSERT_TRUE(store.writeBool(key, true).ok());
        ASSERT_TRUE(store.writeInt(settings::SihyoSel2, 3).ok());
        ASSERT_TRUE(writeTextLines(app() + "/selecteduma.dat",
                                   {"100000000000000000", "011000000000000000", "000111000000000000"})
                        .ok());
    }
    const std::string& app() const { return demo.appFolder(); }
    std::string folderArg() const { return "--app-folder '" + app() + "'"; }

    DemoDay demo{DemoDayOptions{DateTime{2025, 3, 1}, DateTime{2025, 3, 2}, 17, true, true}};
};

TEST_F(SimulateVerifyCommandTest, SimulateWritesTheWorkFileAndVerifyPrintsAndExportsItsFigures) {
    const CliSplitRun run = runCliSplit("simulate " + folderArg() + " --from 20250301 --to 20250302 --page 0");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto summary = nlohmann::json::parse(run.out);
    EXPECT_EQ(summary.at("days"), 2);
    EXPECT_EQ(summary.at("cancelled"), false);
    const std::string bytes = *readFileBytes(app() + "/tmpData.dat");
    EXPECT_EQ(bytes.size(), summary.at("records").get<std::size_t>() * kSimulationRecordBytes);

    // The core's replay writes the same records.
    FakeClock clock(DateTime{2025, 3, 10, 9, 0, 0});
    Settings store(app(), app() + "/share", clock);
    Result<SimulationSetup> setup = readSimulationSetup(AppFolders(app()), store.snapshot());
    ASSERT_TRUE(setup.ok());
    setup->page = 0;
    EXPECT_EQ(simulationFileBytes(runSimulation(*setup, simulationDays(demo.days(), 20250301, 20250302)).lines), bytes);

    KenshoModel kensho(app() + "/tmpData.dat");
    kensho.filter().select(AttributeList::Track, 0, true);
    kensho.ReadDataBtnClick();
    const std::string csvPath = app() + "/turf.csv";
    const CliSplitRun verify = runCliSplit("verify " + folderArg() + " --track 芝 --csv '" + csvPath + "'");
    ASSERT_EQ(verify.exitCode, 0) << verify.err;
    const auto json = nlohmann::json::parse(verify.out);
    EXPECT_EQ(json.at("DataSuLabel"), kensho.dataSuLabel());
    EXPECT_EQ(json.at("TekichuRLabel"), kensho.tekichuRLabel());
    EXPECT_EQ(json.at("KaishuRLabel"), kensho.kaishuRLabel());
    EXPECT_EQ(json.at("columns").size(), 19u);
    ASSERT_EQ(json.at("rows").size(), kensho.passing().size());
    ASSERT_FALSE(kensho.passing().empty());
    for (const auto& row : json.at("rows")) EXPECT_EQ(row.at(13), "芝");

    const std::vector<std::string> csv = splitLines(*readFileBytes(csvPath));
    ASSERT_EQ(csv.size(), kensho.passing().size() + 1);
    EXPECT_EQ(csv[0], "年,月,日,場所,回,日,R,ﾚｰｽ名,頭,GR,競走種,条件,重量,TR,距離,馬場,点数,投票金額,回収金額");
    EXPECT_EQ(csv[1].substr(0, 5), "2025,");

    // Filters narrow; a runner count may be given as its number; a distance range applies.
    const CliSplitRun narrow = runCliSplit("verify " + folderArg() + " --tosu 16 --tosu 18 --distance 1000-1600");
    ASSERT_EQ(narrow.exitCode, 0) << narrow.err;
    const nlohmann::json narrowed = nlohmann::json::parse(narrow.out);  // outlives the loop over its rows
    for (const auto& row : narrowed.at("rows")) {
        const std::string runners = row.at(8);
        EXPECT_TRUE(runners == "16" || runners == "18") << runners;
        EXPECT_LE(std::stoi(row.at(14).get<std::string>()), 1600);
    }
}

TEST_F(SimulateVerifyCommandTest, NothingToSimulateOrVerifyExitsOneWithAMessage) {
    const CliSplitRun none = runCliSplit("verify " + folderArg());
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_NE(none.err.find("tmpData.dat"), std::string::npos) << none.err;

    const CliSplitRun empty = runCliSplit("simulate " + folderArg() + " --from 20240101 --to 20241231");
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_NE(empty.err.find("対象データがありませんでした。"), std::string::npos) << empty.err;
    EXPECT_FALSE(fileExists(app() + "/tmpData.dat"));

    const CliSplitRun badDate = runCliSplit("simulate " + folderArg() + " --from 2025-03-01 --to 20250302");
    EXPECT_EQ(badDate.exitCode, 2);
    const CliSplitRun badItem = runCliSplit("verify " + folderArg() + " --track 砂");
    EXPECT_EQ(badItem.exitCode, 2);
    EXPECT_NE(badItem.err.find("ダート"), std::string::npos) << badItem.err;
}

}  // namespace
}  // namespace marovix::simulate_verify_command_test
