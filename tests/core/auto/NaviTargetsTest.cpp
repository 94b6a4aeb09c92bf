// The target races of automatic operation: by the race filter as the settings keep it, or one by one.
#include "core/auto/NaviTargets.h"

#include <gtest/gtest.h>

#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "standins/records/RecordBuilder.h"
#include "tests/support/FakeClock.h"
#include "tests/support/TempFolder.h"

namespace marovix {
namespace {

// A turf race (track 10) at Tokyo (course 05) of `distance` metres, 3-year-olds and up (13), 2勝ｸﾗｽ (010),
// weight rule 定量 (4), 12 runners.
RaceRecord turfRace(int race, int distance) {
    return RecordBuilder("RA")
        .bytes(12, "20240526050208" + std::string(race < 10 ? "0" : "") + std::to_string(race))
        .bytes(20, "05")
        .number(617, 2, 13)
        .bytes(635, "010")
        .number(622, 1, 4)
        .number(698, 4, distance)
        .number(706, 2, 10)
        .number(882, 2, 12)
        .number(874, 4, 1540)
        .record();
}

class NaviTargetsTest : public ::testing::Test {
protected:
    TempFolder folder;
    FakeClock clock{DateTime{2024, 5, 26, 9, 0, 0}};
    Settings settings{folder.path(), folder.path() + "/share", clock};
    RaceRecords races{};

    void SetUp() override {
        races[0] = turfRace(1, 1200);
        races[1] = turfRace(2, 1250);
        races[2] = turfRace(3, 2400);
    }
};

TEST_F(NaviTargetsTest, AFreshSettingsFileSelectsEveryItemSoEveryRaceOfTheListInTheDistanceRangeIsATarget) {
    const NaviTargetChoice choice = naviTargetChoice(settings.snapshot());
    EXPECT_EQ(choice.pickWay, 0);
    const NaviTargetFlags targets = naviTargets(races, {0, 1, 2}, choice);
    EXPECT_TRUE(targets[0] && targets[1] && targets[2]);
    EXPECT_FALSE(targets[3]);
    // A race left out of the race list is no target.
    EXPECT_FALSE(naviTargets(races, {0, 2}, choice)[1]);
}

TEST_F(NaviTargetsTest, TheDistanceRangeAndTheListsAsStored) {
    ASSERT_TRUE(settings.writeInt(settings::RaceFilterKyori1, 1000).ok());
    ASSERT_TRUE(settings.writeInt(settings::RaceFilterKyori2, 1200).ok());
    NaviTargetFlags targets = naviTargets(races, {0, 1, 2}, naviTargetChoice(settings.snapshot()));
    EXPECT_EQ((std::array{targets[0], targets[1], targets[2]}), (std::array{true, false, false}));
    // Only "ダート" in the track list: the turf races drop out.
    ASSERT_TRUE(settings.writeList(settings::TrackList, std::vector<std::int32_t>{0, 1, 0}).ok());
    targets = naviTargets(races, {0, 1, 2}, naviTargetChoice(settings.snapshot()));
    EXPECT_FALSE(targets[0]);
}

TEST_F(NaviTargetsTest, OneByOneTakesTheSelectedEntriesOfTheIndividualList) {
    ASSERT_TRUE(settings.writeInt(settings::TaishoRPickWay, 1).ok());
    NaviTargetChoice choice = naviTargetChoice(settings.snapshot());
    EXPECT_EQ(choice.pickWay, 1);
    // Refilled all selected at a day's selection.
    NaviTargetFlags targets = naviTargets(races, {0, 1, 2}, choice);
    EXPECT_TRUE(targets[0] && targets[1] && targets[2]);
    choice.raceList0 = {true, false, true};
    targets = naviTargets(races, {0, 1, 2}, choice);
    EXPECT_EQ((std::array{targets[0], targets[1], targets[2]}), (std::array{true, false, true}));
}

}  // namespace
}  // namespace marovix
