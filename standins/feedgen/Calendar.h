#pragma once
// A JRA-like racing calendar: Saturdays and Sundays, a few Mondays and holidays, two or three of the
// ten courses each day, with meeting and day numbers counted from the start of the year.
#include <cstdint>
#include <vector>

#include "standins/feedgen/FeedModel.h"

namespace marovix::feedgen {

class Calendar {
public:
    explicit Calendar(std::uint64_t seed) : m_seed(seed) {}
    // Extra dates that are meeting days whatever their weekday (a demo wants racing today).
    Calendar(std::uint64_t seed, std::vector<DateTime> extraDays);

    // The meeting days from `from` to `to` (dates, both included) in date order. A day is the same
    // whatever range it is asked in.
    std::vector<MeetingDay> meetingDays(const DateTime& from, const DateTime& to) const;

private:
    std::vector<MeetingDay> yearDays(int year) const;
    bool isExtraDay(const DateTime& date) const;
    std::uint64_t m_seed;
    std::vector<DateTime> m_extraDays;
};

}  // namespace marovix::feedgen
