// The target races of automatic operation and the stop rule: a table of races against the choices of the
// tab "対象レース指定", and the balances around the goal and the floor.
#include "core/strategy/NaviTargets.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/race/RecordFields.h"
#include "core/vote/NaviQuitRule.h"
#include "standins/records/RecordBuilder.h"

namespace marovix::navi_targets_test {
namespace {

struct RaceSpec {
    int track = 11;
    std::string grade = " ";
    std::string condition = "005";
    int distance = 1600;
    std::string postTime = "1000";
    int number = 1;
};

RaceRecord raceRecord(const RaceSpec& spec) {
    return RecordBuilder("RA")
        .field(RaField::year, "2024")
        .field(RaField::monthDay, "0526")
        .field(RaField::courseCode, "05")
        .number(RaField::raceNumber, spec.number)
        .number(RaField::trackCode, spec.track)
        .field(RaField::gradeCode, spec.grade)
        .field(RaField::raceTypeCode, "13")
        .field(RaField::youngestConditionCode, spec.condition)
        .field(RaField::weightRuleCode, "3")
        .number(RaField::registeredRunners, 16)
        .number(RaField::distance, spec.distance)
        .field(RaField::postTime, spec.postTime)
        .record();
}

// Whether the one race of `spec` is a target under `choice`.
bool targeted(const RaceSpec& spec, const TargetChoice& choice) {
    RaceRecords races{};
    races[0] = raceRecord(spec);
    const RaceSlot list[] = {0};
    return computeNaviTargets(races, list, choice).naviTarget[0];
}

TargetChoice only(FilterListId list, std::string_view item) {
    TargetChoice choice;
    const auto items = filterListItems(list);
    for (std::size_t i = 0; i < items.size(); ++i) choice.filter.list(list)[i] = items[i] == item;
    return choice;
}

TargetChoice distanceRange(int from, int to) {
    TargetChoice choice;
    choice.filter.kyoriFrom = from;
    choice.filter.kyoriTo = to;
    return choice;
}

TEST(NaviTargets, EachChoiceTakesTheRacesItSelects) {
    struct Case {
        const char* what;
        RaceSpec race;
        TargetChoice choice;
        bool target;
    };
    const RaceSpec g1{11, "A", "999"};
    const RaceSpec open{11, " ", "999"};
    const RaceSpec jump{51, " ", "999", 3000};
    const std::vector<Case> cases = {
        {"no list selected", RaceSpec{}, TargetChoice{}, true},
        {"no list selected, a jump race", jump, TargetChoice{}, true},
        {"オープン alone, a G1 race", g1, only(FilterListId::ClassList0, "オープン"), false},
        {"オープン alone, an open race", open, only(FilterListId::ClassList0, "オープン"), true},
        {"G１ alone, an open race", open, only(FilterListId::ClassList0, "G１"), false},
        {"G１ alone, a G1 race", g1, only(FilterListId::ClassList0, "G１"), true},
        {"障害 alone, track 51", jump, only(FilterListId::TrackList0, "障害"), true},
        {"芝 alone, track 51", jump, only(FilterListId::TrackList0, "芝"), false},
        {"1000-1200, 1000 m", RaceSpec{11, " ", "005", 1000}, distanceRange(1000, 1200), true},
        {"1000-1200, 1200 m", RaceSpec{11, " ", "005", 1200}, distanceRange(1000, 1200), true},
        {"1000-1200, 1250 m", RaceSpec{11, " ", "005", 1250}, distanceRange(1000, 1200), false},
        {"1勝ｸﾗｽ, condition 005", RaceSpec{}, only(FilterListId::ClassList0, "1勝ｸﾗｽ"), true},
    };
    for (const Case& c : cases) EXPECT_EQ(targeted(c.race, c.choice), c.target) << c.what;
}

TEST(NaviTargets, OneByOneTakesTheSelectedEntriesWhateverTheirAttributes) {
    RaceRecords races{};
    for (int n = 1; n <= 3; ++n) races[static_cast<std::size_t>(n - 1)] = raceRecord(RaceSpec{.number = n});
    TargetChoice choice = only(FilterListId::TrackList0, "ダート");  // would take none of them
    choice.pickWay = PickMethod::OneByOne;
    choice.raceList0 = {true, false};  // the third entry lies beyond the list: not selected
    const RaceSlot list[] = {0, 1, 2};
    const NaviTargets targets = computeNaviTargets(races, list, choice);
    EXPECT_TRUE(targets.naviTarget[0]);
    EXPECT_FALSE(targets.naviTarget[1]);
    EXPECT_FALSE(targets.naviTarget[2]);
    EXPECT_EQ(targets.navRListBox.size(), 1u);
}

TEST(NaviTargets, TheListNamesEachTargetAndSortsThemByPostTime) {
    RaceRecords races{};
    races[0] = raceRecord(RaceSpec{.postTime = "1540", .number = 11});
    races[1] = raceRecord(RaceSpec{.postTime = "0950", .number = 1});
    const RaceSlot list[] = {0, 1};
    const NaviTargets targets = computeNaviTargets(races, list, TargetChoice{});
    ASSERT_EQ(targets.navRListBox.size(), 2u);
    EXPECT_EQ(targets.navRListBox[0], "09:50 東京 1R 16頭 芝左1600m サラ３上 馬齢 1勝ｸﾗｽ");
    EXPECT_EQ(targets.navRListBox[1].substr(0, 15), "15:40 東京11R");
}

TEST(NaviQuitRule, TheGoalAndTheFloorAreExceededStrictly) {
    struct Case {
        NaviQuitSel sel;
        std::int64_t balance;
        bool fires;
    };
    const std::vector<Case> cases = {
        {NaviQuitSel::AboveGoal, 10000, false},  {NaviQuitSel::AboveGoal, 10001, true},
        {NaviQuitSel::BelowFloor, 5000, false},  {NaviQuitSel::BelowFloor, 4999, true},
        {NaviQuitSel::None, 999999, false},      {NaviQuitSel::None, 0, false},
        {static_cast<NaviQuitSel>(7), 0, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(naviQuitFires(NaviQuitRule{c.sel, 10000, 5000}, c.balance), c.fires)
            << static_cast<int>(c.sel) << " " << c.balance;
}

}  // namespace
}  // namespace marovix::navi_targets_test
