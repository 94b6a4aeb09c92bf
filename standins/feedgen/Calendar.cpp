#include "standins/feedgen/Calendar.h"

#include <algorithm>
#include <array>

#include "standins/feedgen/Prng.h"

namespace marovix::feedgen {
namespace {

// A season of the year: from its first day on these courses hold their meetings (the first two are
// the main courses, the third races on most weekend days only).
struct Season {
    int month;
    int day;
    std::array<int, 3> courses;  // 0 = none
};

constexpr Season kSeasons[] = {
    {1, 5, {6, 8, 10}}, {2, 1, {5, 8, 10}}, {3, 1, {6, 9, 7}},  {4, 1, {6, 9, 3}},
    {4, 26, {5, 8, 4}}, {6, 7, {5, 9, 2}},  {7, 5, {3, 10, 2}}, {7, 26, {4, 10, 1}},
    {9, 6, {6, 9, 0}},  {10, 4, {5, 8, 4}}, {11, 1, {5, 8, 3}}, {11, 29, {6, 9, 7}},
};
constexpr int kSeasonCount = static_cast<int>(std::size(kSeasons));
constexpr int kThirdCoursePercent = 85;

int seasonOf(const DateTime& date) {
    int found = 0;
    for (int i = 0; i < kSeasonCount; ++i)
        if (date.month > kSeasons[i].month || (date.month == kSeasons[i].month && date.day >= kSeasons[i].day))
            found = i;
    return found;
}

// The n-th (1-based) Monday of a month is a racing holiday: Coming-of-Age Day, Respect-for-the-Aged
// Day and Sports Day.
struct HolidayMonday {
    int month;
    int nth;
};
constexpr HolidayMonday kHolidayMondays[] = {{1, 2}, {9, 3}, {10, 2}};

bool isHolidayMonday(const DateTime& date) {
    if (date.isoWeekday() != 1) return false;
    const int nth = (date.day - 1) / 7 + 1;
    return std::any_of(std::begin(kHolidayMondays), std::end(kHolidayMondays),
                       [&](const HolidayMonday& h) { return h.month == date.month && h.nth == nth; });
}

// The year's first and last racing days fall on fixed dates, whatever the weekday.
bool isFixedDateMeeting(const DateTime& date) {
    return (date.month == 1 && date.day == 5) || (date.month == 12 && date.day == 28);
}

bool isBreak(const DateTime& date) { return (date.month == 1 && date.day < 5) || (date.month == 12 && date.day > 28); }

}  // namespace

Calendar::Calendar(std::uint64_t seed, std::vector<DateTime> extraDays)
    : m_seed(seed), m_extraDays(std::move(extraDays)) {}

bool Calendar::isExtraDay(const DateTime& date) const {
    return std::any_of(m_extraDays.begin(), m_extraDays.end(),
                       [&](const DateTime& d) { return d.dayNumber() == date.dayNumber(); });
}

std::vector<MeetingDay> Calendar::yearDays(int year) const {
    std::vector<MeetingDay> days;
    int counters[11][2] = {};  // per course: season index + 1 of its current meeting, day count
    int meetingOf[11] = {};
    DateTime date{year, 1, 1};
    while (date.year == year) {
        const int weekday = date.isoWeekday();  // 1 Monday .. 7 Sunday
        const bool weekend = weekday >= 6;
        const bool holidayMonday = isHolidayMonday(date);
        const bool fixedDate = isFixedDateMeeting(date);
        const bool extra = isExtraDay(date);
        if (extra || (!isBreak(date) && (weekend || holidayMonday || fixedDate))) {
            const Season& season = kSeasons[seasonOf(date)];
            const int seasonNumber = seasonOf(date) + 1;
            MeetingDay day;
            day.date = date;
            day.showcase = extra;
            day.weekdayCode = weekday == 6 ? 1 : weekday == 7 ? 2 : holidayMonday ? 3 : weekday + 3;
            Prng prng = Prng::forKey(m_seed, {static_cast<std::uint64_t>(date.dayNumber()), 0xCA1E});
            const bool thirdCourse = weekend && prng.below(100) < kThirdCoursePercent;
            for (int i = 0; i < 3; ++i) {
                const int course = season.courses[static_cast<std::size_t>(i)];
                if (course == 0 || (i == 2 && !thirdCourse)) continue;
                if (counters[course][0] != seasonNumber) {
                    counters[course][0] = seasonNumber;
                    counters[course][1] = 0;
                    ++meetingOf[course];
                }
                ++counters[course][1];
                day.courses.push_back({course, meetingOf[course], counters[course][1]});
            }
            std::sort(day.courses.begin(), day.courses.end(),
                      [](const CourseMeeting& a, const CourseMeeting& b) { return a.course < b.course; });
            days.push_back(std::move(day));
        }
        date = date.addDays(1);
    }
    return days;
}

std::vector<MeetingDay> Calendar::meetingDays(const DateTime& from, const DateTime& to) const {
    std::vector<MeetingDay> out;
    const auto first = from.dayNumber();
    const auto last = to.dayNumber();
    for (int year = from.year; year <= to.year; ++year)
        for (auto& day : yearDays(year))
            if (day.date.dayNumber() >= first && day.date.dayNumber() <= last) out.push_back(std::move(day));
    return out;
}

}  // namespace marovix::feedgen
