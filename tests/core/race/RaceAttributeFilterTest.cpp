// The race-attribute lists: a list with nothing selected does not restrict, one with selected items needs
// one that matches, the distance range always applies.
#include <gtest/gtest.h>

#include "core/race/RaceAttributeFilter.h"

namespace marovix::race_attribute_filter_test {
namespace {

RaceAttributes race(int track, int distance = 1600) { return RaceAttributes{track, 5, 13, 5, " ", 3, 16, distance}; }

TEST(RaceAttributeFilter, NothingSelectedPassesEveryRaceOfTheDistanceRange) {
    const RaceAttributeFilter filter;
    EXPECT_TRUE(filter.passes(race(17)));
    EXPECT_TRUE(filter.passes(race(54, 3000)));
    EXPECT_TRUE(filter.passes(race(24, 1000)));
    EXPECT_TRUE(filter.passes(race(24, 5000)));
    EXPECT_FALSE(filter.passes(race(24, 900)));
    EXPECT_FALSE(filter.passes(race(24, 5100)));
}

TEST(RaceAttributeFilter, ItemsMatchTheirCodes) {
    struct Case {
        AttributeList list;
        int item;
        RaceAttributes race;
        bool matches;
    };
    const RaceAttributes open{17, 5, 13, 999, " ", 3, 16, 1600};
    RaceAttributes g1 = open;
    g1.gradeCode = "A";
    RaceAttributes listed = open;
    listed.gradeCode = "L";
    const Case cases[] = {
        {AttributeList::Track, 0, race(10), true},  {AttributeList::Track, 0, race(22), true},
        {AttributeList::Track, 0, race(23), false}, {AttributeList::Track, 0, race(51), false},
        {AttributeList::Track, 1, race(23), true},  {AttributeList::Track, 1, race(29), true},
        {AttributeList::Track, 2, race(51), true},  {AttributeList::Track, 2, race(59), true},
        {AttributeList::Basho, 4, open, true},      {AttributeList::Basho, 5, open, false},
        {AttributeList::Age, 2, open, true},        {AttributeList::Age, 3, open, false},
        {AttributeList::Class, 5, open, true},      {AttributeList::Class, 5, g1, false},
        {AttributeList::Class, 9, g1, true},        {AttributeList::Class, 9, open, false},
        {AttributeList::Class, 6, listed, true},    {AttributeList::Class, 2, race(17), true},
        {AttributeList::Juryo, 2, open, true},      {AttributeList::Tosu, 11, open, true},
        {AttributeList::Tosu, 10, open, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(attributeItemMatches(c.list, c.item, c.race), c.matches)
            << attributeListCaption(c.list) << " " << attributeItems(c.list)[static_cast<std::size_t>(c.item)]
            << " track " << c.race.trackCode;
        RaceAttributeFilter filter;
        filter.select(c.list, c.item, true);
        EXPECT_EQ(filter.passes(c.race), c.matches);
    }
}

TEST(RaceAttributeFilter, TheRightButtonClearsAListWithASelectionAndSelectsAllOtherwise) {
    RaceAttributeFilter filter;
    filter.select(AttributeList::Tosu, 3, true);
    filter.toggleAll(AttributeList::Tosu);
    EXPECT_FALSE(filter.anySelected(AttributeList::Tosu));
    filter.toggleAll(AttributeList::Tosu);
    for (int item = 0; item < 14; ++item) EXPECT_TRUE(filter.selected(AttributeList::Tosu, item)) << item;
    EXPECT_FALSE(filter.selected(AttributeList::Tosu, 14));
}

}  // namespace
}  // namespace marovix::race_attribute_filter_test
