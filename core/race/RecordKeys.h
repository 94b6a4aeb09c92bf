#pragma once
// Keys cut from the identification block that every JV-Data record type starts with: year (12-15),
// month-day (16-19), course code (20-21), meeting number (22-23), day number (24-25), race number (26-27).
// Like the field accessors, they accept a whole record or a day-file line and never fail; a record too
// short for a key gives a shorter key, which then matches nothing well-formed.
#include <string>
#include <string_view>

namespace marovix {

// RaceKey16: positions 12-27 (year, month-day, course, meeting, day, race number), raw bytes.
std::string_view RaceKey16(std::string_view record);

// DayKey8: positions 12-19 (year and month-day), raw bytes.
std::string_view DayKey8(std::string_view record);

// The day matching key (12 characters): year + month-day + course code + race number (positions 12, 16,
// 20 and 26). A DM or TM record belongs to the race slot whose race record gives the same key.
std::string dayMatchingKey(std::string_view record);

// The course-race key (4 characters): course code + race number (positions 20 and 26).
std::string courseRaceKey(std::string_view record);

// DayText of the record's meeting day, UTF-8: year (12-15) + "年" + month (16-17) + "月" + day (18-19)
// + "日", e.g. "2024年01月06日". The base name of every day file of that day.
std::string DayText(std::string_view record);

}  // namespace marovix
