// The log window's model: the day log shown with its last line selected, the plug-in's log of the
// selected race day (not of today) loaded by 更新, the placement read and stored.
#include "core/vote/IpatLogModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/common/TextFile.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/TempFolder.h"

namespace marovix::ipat_log_model_test {
namespace {

using Part = IpatLogModel::Part;

class IpatLogModelTest : public ::testing::Test {
protected:
    TempFolder folder;
    FakeClock clock{DateTime{2024, 6, 2, 10, 0, 0}};
    Settings settings{folder.path(), folder.path(), clock};
    FakeDialogs dialogs;
    std::string plugin = folder.file("plugin");

    void SetUp() override {
        ASSERT_TRUE(makeDirectory(plugin));
        ASSERT_TRUE(makeDirectory(plugin + "/logs"));
        ASSERT_TRUE(settings.writeText(settings::DirVQMTohyo2, plugin));
        ASSERT_TRUE(writeTextLines(plugin + "/logs/20240526.log", {"残高照会 10000円", "投票 東京11R"}));
        ASSERT_TRUE(writeTextLines(plugin + "/logs/20240602.log", {"today"}));
    }
};

TEST_F(IpatLogModelTest, TheDayLogReplacesTheListWithItsLastLineSelected) {
    IpatLogModel model({settings, dialogs});
    std::vector<Part> heard;
    auto subscription = model.subscribe([&](Part part) { heard.push_back(part); });
    model.showDayLog({"-----", "■投票 東京11R"});
    model.showDayLog({"-----", "■投票 東京11R", "■IPAT残高[NO]:10000円 2024/06/02 10:00:00"});
    EXPECT_EQ(model.state().autoNaviList.items.size(), 3u);
    EXPECT_EQ(model.state().autoNaviList.selected, 2);
    EXPECT_EQ(heard, std::vector<Part>(2, Part::AutoNaviList));
}

TEST_F(IpatLogModelTest, UpdateLoadsThePluginLogOfTheSelectedRaceDayNotOfToday) {
    IpatLogModel model({settings, dialogs});
    model.LogUpdateBtnClick();  // no race day selected: nothing
    EXPECT_TRUE(model.state().ipatLogListBox.items.empty());
    model.setRaceDay("20240526");
    model.LogUpdateBtnClick();
    EXPECT_EQ(model.state().ipatLogListBox.items, (std::vector<std::string>{"残高照会 10000円", "投票 東京11R"}));
    model.setRaceDay("20240519");  // no log of that day: the list stays
    model.LogUpdateBtnClick();
    EXPECT_EQ(model.state().ipatLogListBox.items.size(), 2u);
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(IpatLogModelTest, ThePlacementIsReadOnActivationAndStoredOnDeactivation) {
    IpatLogModel model({settings, dialogs});
    EXPECT_EQ(model.state().placement, (WindowPlacement{10, 300, 600, 400}));
    model.FormDeactivate(WindowPlacement{20, 310, 640, 420});
    IpatLogModel again({settings, dialogs});
    again.FormActivate();
    EXPECT_EQ(again.state().placement, (WindowPlacement{20, 310, 640, 420}));
}

}  // namespace
}  // namespace marovix::ipat_log_model_test
