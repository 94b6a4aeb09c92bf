#include "standins/feedgen/RecordHeader.h"

#include <cstdio>

namespace marovix::feedgen {

void writeCourseHeader(RecordBuilder& record, const RecordStamp& stamp, const DateTime& date,
                       const CourseMeeting& course) {
    record.bytes(3, std::string_view(&stamp.kind, 1))
        .number(4, 4, stamp.created.year)
        .number(8, 2, stamp.created.month)
        .number(10, 2, stamp.created.day)
        .number(12, 4, date.year)
        .number(16, 2, date.month)
        .number(18, 2, date.day)
        .number(20, 2, course.course)
        .number(22, 2, course.meeting)
        .number(24, 2, course.day);
}

void writeRaceHeader(RecordBuilder& record, const RecordStamp& stamp, const Race& race) {
    writeCourseHeader(record, stamp, race.date, CourseMeeting{race.course, race.meeting, race.day});
    record.number(26, 2, race.number);
}

void writeMonthDayTime(RecordBuilder& record, int position, const DateTime& moment) {
    record.number(position, 2, moment.month)
        .number(position + 2, 2, moment.day)
        .number(position + 4, 2, moment.hour)
        .number(position + 6, 2, moment.minute);
}

std::string twoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value % 100);
    return text;
}

std::string raceKey16(const Race& race) {
    return race.date.dateKey() + twoDigits(race.course) + twoDigits(race.meeting) + twoDigits(race.day) +
           twoDigits(race.number);
}

DateTime atMinute(const DateTime& date, int minute) {
    DateTime midnight{date.year, date.month, date.day};
    return midnight.addSeconds(static_cast<std::int64_t>(minute) * 60);
}

}  // namespace marovix::feedgen
