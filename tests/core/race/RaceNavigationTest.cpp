// The next race of today and the upcoming-race list.
#include "core/race/RaceNavigation.h"

#include <gtest/gtest.h>

#include "core/race/KeibaFunc.h"
#include "core/race/RecordFields.h"
#include "tests/support/DownloadRecords.h"

namespace marovix::race_navigation_test {
namespace {

RaceRecords day(const std::vector<std::pair<RaceId, std::string>>& races) {
    RaceRecords records;
    records.fill(std::string(1272, ' '));
    for (std::size_t slot = 0; slot < races.size(); ++slot)
        records[slot] = PutTextAt(raRecord(races[slot].first), races[slot].second, RaField::postTime.position);
    return records;
}

const RaceRecords kDay = day({{{"20240526", "05", 10}, "1540"},
                              {{"20240526", "05", 11}, "1615"},
                              {{"20240526", "08", 11}, "1540"},
                              {{"20240526", "08", 9}, "1435"}});
const std::vector<RaceSlot> kList = {0, 1, 2, 3};

TEST(RaceNavigation, TheNextRaceIsTheEarliestLaterThanNowAndARacePostingNowIsNotLater) {
    EXPECT_EQ(nextRaceEntry(kDay, kList, "20240526", "1541"), 1);
    EXPECT_EQ(nextRaceEntry(kDay, kList, "20240526", "1540"), 1);
    EXPECT_EQ(nextRaceEntry(kDay, kList, "20240526", "1539"), 0);  // the first of two at 15:40
    EXPECT_EQ(nextRaceEntry(kDay, kList, "20240526", "1000"), 3);
    EXPECT_EQ(nextRaceEntry(kDay, kList, "20240526", "1615"), std::nullopt);  // after the last race
    EXPECT_EQ(nextRaceEntry(kDay, kList, "20240527", "1000"), std::nullopt);  // a past day
    EXPECT_EQ(nextRaceEntry(kDay, {}, "20240526", "1000"), std::nullopt);
}

TEST(RaceNavigation, TheUpcomingListIsSortedByTimeThenCourseAndSelectsTheRaceNotEarlierThanNow) {
    const std::vector<std::string> list = upcomingRaceList(kDay);
    EXPECT_EQ(list, (std::vector<std::string>{"14:35 京都 9R", "15:40 京都11R", "15:40 東京10R", "16:15 東京11R"}));
    EXPECT_EQ(currentUpcomingEntry(list, "15:40"), 1);
    EXPECT_EQ(currentUpcomingEntry(list, "15:41"), 3);
    EXPECT_EQ(currentUpcomingEntry(list, "16:16"), 3);  // after the last race: the last entry
    EXPECT_EQ(currentUpcomingEntry(list, "09:00"), 0);
    EXPECT_EQ(currentUpcomingEntry({}, "09:00"), -1);
}

}  // namespace
}  // namespace marovix::race_navigation_test
