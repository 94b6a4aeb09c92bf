// The verification window's model: its lists and distance edits as the race filter, the right-click rule,
// the preparation before a simulation, and the empty results without a work file.
#include "core/strategy/KenshoModel.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/common/TextFile.h"
#include "tests/support/TempFolder.h"

namespace marovix {
namespace {

using Part = KenshoModel::Part;

TEST(KenshoModelTest, TheListsAndTheDistanceEditsAreTheRaceFilter) {
    TempFolder folder;
    KenshoModel model(folder.path());
    EXPECT_EQ(model.state().stringGrid1.columnCount(), 19);
    EXPECT_EQ(model.state().stringGrid1.cell(18, 0), "回収金額");
    model.listClick(FilterListId::TrackList0, 0, true);  // "芝"
    model.KyoriEditChange(true, 800);                    // below the edit's range
    model.KyoriEditChange(false, 2000);
    RaceAttributes turf;
    turf.trackCode = 17;
    turf.distance = 1600;
    RaceAttributes dirt = turf;
    dirt.trackCode = 24;
    EXPECT_EQ(model.state().filter.kyoriFrom, 1000);
    EXPECT_TRUE(racePasses(model.state().filter, turf));
    EXPECT_FALSE(racePasses(model.state().filter, dirt));
}

TEST(KenshoModelTest, ARightClickSelectsAllOrClearsAndASimulationStartsFromNoFilter) {
    TempFolder folder;
    KenshoModel model(folder.path());
    model.listContextPopup(FilterListId::BashoList0);
    EXPECT_EQ(model.state().filter.list(FilterListId::BashoList0), std::vector<bool>(10, true));
    model.listContextPopup(FilterListId::BashoList0);
    EXPECT_EQ(model.state().filter.list(FilterListId::BashoList0), std::vector<bool>(10, false));
    model.listClick(FilterListId::TosuList0, 13, true);
    model.KyoriEditChange(false, 3000);
    std::vector<Part> heard;
    auto subscription = model.subscribe([&](Part part) { heard.push_back(part); });
    model.prepareForSimulation();
    EXPECT_EQ(model.state().filter, RaceFilter{});
    EXPECT_EQ(model.state().stringGrid1.rowCount(), 2);
    EXPECT_EQ(heard, (std::vector<Part>{Part::Grid, Part::Filter}));
}

TEST(KenshoModelTest, WithoutAWorkFileTheResultsAreEmptyAndTheGridStays) {
    TempFolder folder;
    KenshoModel model(folder.path());
    std::vector<Part> heard;
    auto subscription = model.subscribe([&](Part part) { heard.push_back(part); });
    model.ReadDataBtnClick();
    EXPECT_EQ(heard, std::vector<Part>{Part::Results});
    EXPECT_TRUE(model.state().labels[KenshoModel::LabelId::DataSuLabel].text.empty());
}

}  // namespace
}  // namespace marovix
