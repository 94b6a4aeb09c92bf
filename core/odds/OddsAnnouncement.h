#pragma once
// The announcement time of an odds record (positions 28-35: month, day, hour, minute). Records of final
// odds carry "00000000" there: such a record has no announcement time, which is no error.
#include <optional>
#include <string>
#include <string_view>

namespace marovix {

struct OddsAnnouncement {
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;

    int minuteOfDay() const { return hour * 60 + minute; }
    friend bool operator==(const OddsAnnouncement&, const OddsAnnouncement&) = default;
};

// The announcement of an odds record or day-file line. Nothing when the record has no announcement time:
// "00000000", blanks, a field that is not eight digits, or a month, day, hour or minute out of range
// (month 1..12, day 1..31, hour 0..23, minute 0..59).
std::optional<OddsAnnouncement> oddsAnnouncement(std::string_view record);

// The announcement time as shown beside the race card: hour + ":" + minute ("15:20"); the empty text
// when the record has no announcement time.
std::string announcementTimeText(std::string_view record);

// OzGetTimeLabel: the announcement time of a race's O1 record as above, or "  :  " (blank hour and minute)
// when the race has no O1 record or its record no announcement time.
std::string announcementTimeLabel(std::string_view o1Record);

}  // namespace marovix
