// The race header above the race card, from the race record as it stands.
#include "core/race/RaceCard.h"

#include <gtest/gtest.h>

#include "core/race/RecordFields.h"
#include "standins/records/RecordBuilder.h"

namespace marovix::race_card_test {
namespace {

RecordBuilder tokyoDerby() {
    RecordBuilder ra("RA");
    ra.field(RaField::year, "2024")
        .field(RaField::monthDay, "0526")
        .field(RaField::courseCode, "05")
        .field(RaField::meetingNumber, "02")
        .field(RaField::dayNumber, "08")
        .number(RaField::raceNumber, 11)
        .number(RaField::weekdayCode, 2)
        .number(RaField::postTime, 1540);
    return ra;
}

TEST(RaceHeader, ShowsTheDateAndPostTimeOfTheRecord) {
    const RaceHeader header = raceHeader(tokyoDerby().record(), RaceWork{});
    EXPECT_EQ(header.label1.substr(0, header.label1.find("発走")), "2024年05月26日(日)東京02回08日11R   15.40");
}

TEST(RaceHeader, ADateOrPostTimeCutShortByANulShowsWhatItHolds) {
    // A damaged record of the right length: a NUL ends a field early. The header shows the bytes before
    // it instead of cutting past the end of the field (which ended the program).
    struct Case {
        RecordField field;
        std::string bytes;
        std::string expected;
    };
    const Case cases[] = {
        {RaField::monthDay,
         std::string("0\0"
                     "26",
                     4),
         "2024年0月26日(日)東京02回08日11R   15.40"},
        {RaField::monthDay, std::string("\0\0\0\0", 4), "2024年月日(日)東京02回08日11R   15.40"},
        {RaField::postTime,
         std::string("1\0"
                     "40",
                     4),
         "2024年05月26日(日)東京02回08日11R   1.40"},
        {RaField::postTime, std::string("154\0", 4), "2024年05月26日(日)東京02回08日11R   15.4"},
    };
    for (const Case& c : cases) {
        const RaceHeader header = raceHeader(tokyoDerby().bytes(c.field.position, c.bytes).record(), RaceWork{});
        EXPECT_EQ(header.label1.substr(0, header.label1.find("発走")), c.expected);
    }
}

}  // namespace
}  // namespace marovix::race_card_test
