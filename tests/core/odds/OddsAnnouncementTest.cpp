// The announcement time of odds records.
#include "core/odds/OddsAnnouncement.h"

#include <gtest/gtest.h>

#include "tests/support/OddsRecords.h"

namespace marovix::odds_announcement_test {
namespace {

std::string announcedAt(const std::string& monthDayTime) {
    RecordBuilder o1 = oddstest::oddsRecord(1);
    oddstest::setAnnounced(o1, monthDayTime);
    return o1.record();
}

TEST(OddsAnnouncement, ReadsMonthDayHourAndMinute) {
    const auto announced = oddsAnnouncement(announcedAt("04071520"));
    ASSERT_TRUE(announced.has_value());
    EXPECT_EQ(*announced, (OddsAnnouncement{4, 7, 15, 20}));
    EXPECT_EQ(announced->minuteOfDay(), 920);
    EXPECT_EQ(announcementTimeText(announcedAt("04071520")), "15:20");
    EXPECT_EQ(announcementTimeText(announcedAt("12310000")), "00:00");
}

TEST(OddsAnnouncement, FinalOddsAndDamagedFieldsHaveNoTime) {
    for (const char* field :
         {"00000000", "        ", "0407 520", "04071a20", "13011520", "00071520", "04002000", "04072400", "04071560"}) {
        EXPECT_EQ(oddsAnnouncement(announcedAt(field)), std::nullopt) << field;
        EXPECT_EQ(announcementTimeText(announcedAt(field)), "") << field;
    }
    EXPECT_EQ(oddsAnnouncement("O1"), std::nullopt);
}

TEST(OddsAnnouncement, TheLabelShowsBlankHourAndMinuteWithoutAnO1Record) {
    EXPECT_EQ(announcementTimeLabel(announcedAt("04071520")), "15:20");
    EXPECT_EQ(announcementTimeLabel(std::string(962, ' ')), "  :  ");
    EXPECT_EQ(announcementTimeLabel(""), "  :  ");
    EXPECT_EQ(announcementTimeLabel(announcedAt("0407 520")), "  :  ");
}

}  // namespace
}  // namespace marovix::odds_announcement_test
