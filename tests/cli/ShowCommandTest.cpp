// marovix-cli show: the combined list, the summary labels and the payout panel of a shown race.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "core/common/TextFile.h"
#include "tests/support/CliRun.h"
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

}  // namespace
}  // namespace marovix
