// The strategy window's model: its settings read at creation and written at each click, the rank file
// rewritten at each rank click, the own-index files' samples and indicators, one notice per part.
#include "core/strategy/KaimeSettingModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/common/TextFile.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/TempFolder.h"

namespace marovix::kaime_setting_model_test {
namespace {

using Part = KaimeSettingModel::Part;
using LabelId = KaimeSettingModel::LabelId;

class KaimeSettingModelTest : public ::testing::Test {
protected:
    TempFolder folder;
    FakeClock clock{DateTime{2024, 5, 26, 9, 0, 0}};
    Settings settings{folder.path(), folder.path(), clock};
    FakeDialogs dialogs;

    KaimeSettingPorts ports() { return {settings, dialogs, folder.path()}; }
    std::vector<std::string> rankFile() { return readTextLines(folder.file("selecteduma.dat")).value(); }
};

TEST_F(KaimeSettingModelTest, CreationReadsTheStrategyTheRankFileThePrefixesAndThePosition) {
    ASSERT_TRUE(settings.writeInt(settings::SihyoSel2, 3));
    ASSERT_TRUE(settings.writeBool(settings::SetUmaSankaku, true));
    ASSERT_TRUE(settings.writeText(settings::OriginalSisu2, "Mine"));
    ASSERT_TRUE(settings.writeInt(settings::LocateKaiSetLeft, 650));
    ASSERT_TRUE(writeTextLines(folder.file("selecteduma.dat"),
                               {"110000000000000000", "00100000000000000", "000000000000000001"}));
    KaimeSettingModel model(ports());
    const MarkStrategy& strategy = model.state().strategy;
    EXPECT_EQ(strategy.index, (std::array<int, 3>{0, 3, 0}));
    EXPECT_EQ(strategy.borrowIndex, (std::array<bool, 3>{false, false, true}));
    EXPECT_TRUE(strategy.ranks[0][1] && strategy.ranks[0][2] && !strategy.ranks[0][3]);
    EXPECT_FALSE(strategy.ranks[1][3]);  // a line of 17 characters is skipped
    EXPECT_TRUE(strategy.ranks[2][18]);
    EXPECT_EQ(model.state().ownIndexPrefix, (std::array<std::string, 2>{"SisuA", "Mine"}));
    EXPECT_EQ(model.state().placement.top, 10);
    EXPECT_EQ(model.state().placement.left, 650);
    EXPECT_EQ(model.state().stringGrid26.columnCount(), 21);
    EXPECT_EQ(model.state().stringGrid26.cell(2, 0), "馬名");
    EXPECT_EQ(model.state().stringGrid26.cell(18, 0), "◎");
    EXPECT_EQ(model.state().stringGrid26.cell(20, 0), "▲");
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(KaimeSettingModelTest, EachClickWritesItsSettingAndARankClickRewritesTheRankFileWhole) {
    KaimeSettingModel model(ports());
    std::vector<Part> heard;
    auto subscription = model.subscribe([&](Part part) { heard.push_back(part); });
    model.SihyoRadioClick(0, 5);
    model.CheckBoxClick(0, true);  // CheckBox1 (◎) is maru2
    model.CheckBoxClick(1, true);  // CheckBox2 (○) is maru1
    model.NinListClick(1, 2, true);
    model.NinListClick(2, 18, true);
    EXPECT_EQ(settings.readInt(settings::SihyoSel1), 5);
    EXPECT_TRUE(settings.readBool(settings::SetUmaMaru2));
    EXPECT_TRUE(settings.readBool(settings::SetUmaMaru1));
    EXPECT_FALSE(settings.readBool(settings::SetUmaSankaku));
    EXPECT_EQ(rankFile(), (std::vector<std::string>{"000000000000000000", "010000000000000000", "000000000000000001"}));
    EXPECT_EQ(heard, std::vector<Part>(5, Part::Strategy));  // each handler tells its part once
    EXPECT_EQ(KaimeSettingModel(ports()).state().strategy, model.state().strategy);
}

TEST_F(KaimeSettingModelTest, ARightClickSelectsAllOrClearsAndIsStoredWithTheNextRankClick) {
    KaimeSettingModel model(ports());
    model.NinListContextPopup(0);
    EXPECT_FALSE(fileExists(folder.file("selecteduma.dat")));
    model.NinListClick(1, 1, true);
    EXPECT_EQ(rankFile()[0], std::string(18, '1'));
    model.NinListContextPopup(1);  // ○ has rank 1: every rank cleared
    model.NinListClick(2, 1, false);
    EXPECT_EQ(rankFile()[1], std::string(18, '0'));
}

TEST_F(KaimeSettingModelTest, APrefixChangeUpdatesItsSampleAndTestsBothIndicators) {
    ASSERT_TRUE(makeDirectory(folder.file("TCSV")));
    ASSERT_TRUE(writeTextLines(folder.file("TCSV/Own20240526.csv"), {"2024052605110101,50"}));
    KaimeSettingModel model(ports());
    model.setRaceDay("2024年05月26日", {0, 1}, {" 1R", " 2R"});
    EXPECT_EQ(model.state().labels[LabelId::SampleCSVLabel1].text, "例) SisuA20240526.csv");
    EXPECT_EQ(model.state().labels[LabelId::Org1ExistsLabel].background, KaimeSettingModel::kFileMissing);
    std::vector<Part> heard;
    auto subscription = model.subscribe([&](Part part) { heard.push_back(part); });
    model.OrgEditChange(0, " Own ");
    EXPECT_EQ(settings.readText(settings::OriginalSisu1), "Own");
    EXPECT_EQ(model.state().labels[LabelId::SampleCSVLabel1].text, "例) Own20240526.csv");
    EXPECT_EQ(model.state().labels[LabelId::Org1ExistsLabel].background, KaimeSettingModel::kFileFound);
    EXPECT_EQ(model.state().labels[LabelId::Org2ExistsLabel].background, KaimeSettingModel::kFileMissing);
    EXPECT_EQ(heard, std::vector<Part>{Part::OwnIndexFiles});
    EXPECT_EQ(model.state().datList.items.size(), 2u);
}

TEST_F(KaimeSettingModelTest, ARankFileThatCannotBeWrittenIsToldAndTheRanksStay) {
    ASSERT_TRUE(makeDirectory(folder.file("selecteduma.dat")));  // a folder where the file belongs
    KaimeSettingModel model(ports());
    ASSERT_EQ(dialogs.errors.size(), 1u);  // it cannot be read either
    model.NinListClick(0, 4, true);
    EXPECT_EQ(dialogs.errors.size(), 2u);
    EXPECT_TRUE(model.state().strategy.ranks[0][4]);
}

TEST_F(KaimeSettingModelTest, ClosingStoresThePosition) {
    KaimeSettingModel model(ports());
    model.setPlacement(WindowPlacement{40, 720, 0, 0});
    model.FormClose();
    EXPECT_EQ(settings.readInt(settings::LocateKaiSetTop), 40);
    EXPECT_EQ(settings.readInt(settings::LocateKaiSetLeft), 720);
}

}  // namespace
}  // namespace marovix::kaime_setting_model_test
