#include "core/race/RaceSchedule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/race/RecordFields.h"
#include "standins/records/RecordBuilder.h"

namespace marovix::race_schedule_test {
namespace {

struct ShiftCase {
    std::string text;
    int delta;
    std::string expected;
};

TEST(ShiftHhmmss, ShiftsByWholeSecondsWithoutWrappingTheHours) {
    const std::vector<ShiftCase> cases = {
        {"154000", -600, "153000"}, {"154000", -630, "152930"}, {"153000", 5, "153005"}, {"100500", -30, "100430"},
        {"235930", 60, "240030"},   {"000010", -10, "000000"},  {"000010", -11, ""},     {"", 5, ""},
        {"      ", 5, ""},          {"1540  ", 0, "154000"},    {"0900ab", 1, "090001"}, {"120000", 7200, "140000"},
    };
    for (const ShiftCase& c : cases)
        EXPECT_EQ(ShiftHhmmss(c.text, c.delta), c.expected) << '"' << c.text << "\" " << c.delta;
}

TEST(ShiftHhmm, ShiftsByWholeMinutesWithoutWrappingTheHours) {
    const std::vector<ShiftCase> cases = {
        {"0950", -40, "0910"}, {"1000", -40, "0920"}, {"2350", 20, "2410"},
        {"0010", -11, ""},     {"    ", -40, ""},     {"0930", 0, "0930"},
    };
    for (const ShiftCase& c : cases)
        EXPECT_EQ(ShiftHhmm(c.text, c.delta), c.expected) << '"' << c.text << "\" " << c.delta;
}

struct ScheduleCase {
    std::string post;
    ScheduleTiming timing;
    RaceSchedule expected;
};

TEST(RaceSchedule, FollowsThePostTimeByTheTiming) {
    const std::vector<ScheduleCase> cases = {
        {"1540", {10, 0, 5}, {"152930", "153000", "153005", "153010"}},
        {"1005", {0, 30, 2}, {"100400", "100430", "100432", "100434"}},
        {"1550", {10, 0, 5}, {"153930", "154000", "154005", "154010"}},
        {"0905", {59, 59, 60}, {"080431", "080501", "080601", "080701"}},
        {"    ", {10, 0, 5}, {}},
    };
    for (const ScheduleCase& c : cases) EXPECT_EQ(RaceSchedule::of(c.post, c.timing), c.expected) << c.post;
}

TEST(RaceSchedule, IsComputedForTheUsedSlotsOfADay) {
    RaceRecords races;
    races.fill(std::string(RecordBuilder("RA").record()));  // blank: no race
    races[0] = RecordBuilder("RA").field(RaField::dayKey8, "20240526").number(RaField::postTime, 1540).record();
    races[1] = RecordBuilder("RA").field(RaField::year, "0000").number(RaField::postTime, 1000).record();
    const DaySchedules schedules = daySchedules(races, ScheduleTiming{});
    EXPECT_EQ(schedules[0], (RaceSchedule{"152930", "153000", "153005", "153010"}));
    EXPECT_TRUE(schedules[1].blank());
    EXPECT_TRUE(schedules[2].blank());
}

}  // namespace
}  // namespace marovix::race_schedule_test
