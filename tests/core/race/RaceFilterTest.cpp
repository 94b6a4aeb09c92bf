#include "core/race/RaceFilter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/race/RecordFields.h"
#include "standins/records/RecordBuilder.h"

namespace marovix::race_filter_test {
namespace {

// A turf race of 1600 m at Tokyo: 3-year-olds and up, 1勝ｸﾗｽ, weight for age, 16 runners.
RaceAttributes turfRace() { return RaceAttributes{11, 5, 13, 5, " ", 3, 16, 1600}; }

RaceFilter only(FilterListId list, int item) {
    RaceFilter filter;
    filter.list(list)[static_cast<std::size_t>(item)] = true;
    return filter;
}

TEST(RaceFilter, ReadsTheAttributesOfARaceRecord) {
    const std::string race = RecordBuilder("RA")
                                 .field(RaField::trackCode, "24")
                                 .field(RaField::courseCode, "06")
                                 .field(RaField::raceTypeCode, "12")
                                 .field(RaField::youngestConditionCode, "005")
                                 .field(RaField::gradeCode, "L")
                                 .field(RaField::weightRuleCode, "1")
                                 .number(RaField::registeredRunners, 14)
                                 .number(RaField::distance, 1800)
                                 .record();
    EXPECT_EQ(raceAttributes(race), (RaceAttributes{24, 6, 12, 5, "L", 1, 14, 1800}));
}

TEST(RaceFilter, WithNoItemSelectedEveryRaceInTheDistanceRangePasses) {
    RaceFilter filter;
    for (int distance : {1000, 1600, 3600, 5000}) {
        RaceAttributes race = turfRace();
        race.distance = distance;
        EXPECT_TRUE(racePasses(filter, race)) << distance;
    }
    RaceAttributes longRace = turfRace();
    longRace.distance = 5100;
    EXPECT_FALSE(racePasses(filter, longRace));
}

TEST(RaceFilter, TheDistanceRangeIncludesBothEnds) {
    RaceFilter filter;
    filter.kyoriFrom = 1000;
    filter.kyoriTo = 1200;
    for (auto [distance, passes] :
         std::vector<std::pair<int, bool>>{{900, false}, {1000, true}, {1200, true}, {1250, false}}) {
        RaceAttributes race = turfRace();
        race.distance = distance;
        EXPECT_EQ(racePasses(filter, race), passes) << distance;
    }
}

struct ItemCase {
    FilterListId list;
    std::string_view item;
    RaceAttributes race;
    bool matches;
};

int itemIndex(FilterListId list, std::string_view caption) {
    const auto items = filterListItems(list);
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i] == caption) return static_cast<int>(i);
    ADD_FAILURE() << "no item " << caption;
    return -1;
}

RaceAttributes with(RaceAttributes race, int RaceAttributes::*field, int value) {
    race.*field = value;
    return race;
}

RaceAttributes graded(std::string grade, int condition = 999) {
    RaceAttributes race = turfRace();
    race.gradeCode = std::move(grade);
    race.conditionCode = condition;
    return race;
}

TEST(RaceFilter, EachItemMatchesItsCodes) {
    using F = FilterListId;
    const RaceAttributes race = turfRace();
    const std::vector<ItemCase> cases = {
        {F::TrackList0, "芝", with(race, &RaceAttributes::trackCode, 10), true},
        {F::TrackList0, "芝", with(race, &RaceAttributes::trackCode, 22), true},
        {F::TrackList0, "芝", with(race, &RaceAttributes::trackCode, 23), false},
        {F::TrackList0, "ダート", with(race, &RaceAttributes::trackCode, 29), true},
        {F::TrackList0, "障害", with(race, &RaceAttributes::trackCode, 51), true},
        {F::TrackList0, "芝", with(race, &RaceAttributes::trackCode, 51), false},
        {F::BashoList0, "札幌", with(race, &RaceAttributes::courseCode, 1), true},
        {F::BashoList0, "小倉", with(race, &RaceAttributes::courseCode, 10), true},
        {F::BashoList0, "東京", with(race, &RaceAttributes::courseCode, 6), false},
        {F::AgeList0, "２歳", with(race, &RaceAttributes::raceTypeCode, 11), true},
        {F::AgeList0, "３歳上", with(race, &RaceAttributes::raceTypeCode, 18), true},
        {F::AgeList0, "４歳上", with(race, &RaceAttributes::raceTypeCode, 19), true},
        {F::AgeList0, "３歳", with(race, &RaceAttributes::raceTypeCode, 13), false},
        {F::ClassList0, "新馬", with(race, &RaceAttributes::conditionCode, 701), true},
        {F::ClassList0, "未勝利", with(race, &RaceAttributes::conditionCode, 703), true},
        {F::ClassList0, "1勝ｸﾗｽ", with(race, &RaceAttributes::conditionCode, 5), true},
        {F::ClassList0, "2勝ｸﾗｽ", with(race, &RaceAttributes::conditionCode, 10), true},
        {F::ClassList0, "3勝ｸﾗｽ", with(race, &RaceAttributes::conditionCode, 16), true},
        {F::ClassList0, "オープン", graded(" "), true},
        {F::ClassList0, "オープン", graded("A"), false},
        {F::ClassList0, "オープン", graded("L"), false},
        {F::ClassList0, "G１", graded("A"), true},
        {F::ClassList0, "G１", graded(" "), false},
        {F::ClassList0, "G２", graded("B"), true},
        {F::ClassList0, "G３", graded("C"), true},
        {F::ClassList0, "Listed", graded("L"), true},
        {F::JuryoList0, "ハンデ", with(race, &RaceAttributes::weightRuleCode, 1), true},
        {F::JuryoList0, "定量", with(race, &RaceAttributes::weightRuleCode, 4), true},
        {F::TosuList0, " 5頭", with(race, &RaceAttributes::registeredRunners, 5), true},
        {F::TosuList0, "18頭", with(race, &RaceAttributes::registeredRunners, 18), true},
        {F::TosuList0, "18頭", with(race, &RaceAttributes::registeredRunners, 17), false},
    };
    for (const ItemCase& c : cases) {
        const int item = itemIndex(c.list, c.item);
        EXPECT_EQ(filterItemMatches(c.list, item, c.race), c.matches) << filterListName(c.list) << " " << c.item;
        EXPECT_EQ(racePasses(only(c.list, item), c.race), c.matches) << filterListName(c.list) << " " << c.item;
    }
}

TEST(RaceFilter, AListPassesWhenOneOfItsSelectedItemsMatchesAndEveryListMustPass) {
    RaceFilter filter;
    filter.list(FilterListId::BashoList0)[4] = true;  // 東京
    filter.list(FilterListId::BashoList0)[5] = true;  // 中山
    EXPECT_TRUE(racePasses(filter, turfRace()));
    filter.list(FilterListId::TrackList0)[1] = true;  // ダート only
    EXPECT_FALSE(racePasses(filter, turfRace()));
    filter.list(FilterListId::TrackList0)[0] = true;  // and 芝
    EXPECT_TRUE(racePasses(filter, turfRace()));
}

TEST(RaceFilter, ListsHaveTheirControlNamesCaptionsAndItems) {
    EXPECT_EQ(filterListName(FilterListId::TosuList0), "TosuList0");
    EXPECT_EQ(filterListCaption(FilterListId::ClassList0), "クラス");
    EXPECT_EQ(filterListItems(FilterListId::TosuList0).size(), 14u);
    EXPECT_EQ(filterListItems(FilterListId::TosuList0).front(), " 5頭");
    EXPECT_EQ(filterListItems(FilterListId::ClassList0).size(), 10u);
    EXPECT_EQ(filterListItems(FilterListId::BashoList0).size(), 10u);
    EXPECT_EQ(filterListItems(FilterListId::JuryoList0).size(), 4u);
    EXPECT_EQ(filterListItems(FilterListId::AgeList0).size(), 4u);
    EXPECT_EQ(filterListItems(FilterListId::TrackList0).size(), 3u);
}

}  // namespace
}  // namespace marovix::race_filter_test
