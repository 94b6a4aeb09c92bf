#include "standins/feedgen/RecordHeader.h"

#include <cstdio>

namespace marovix::feedgen {

void writeCourseHeader(RecordBuilder& record, const RecordStamp& stamp, const DateTime& date,
                       const CourseMeeting& course) {
    record.bytes(MeetingIdField::dataKind, std::string_view(&stamp.kind, 1))
        .number(MeetingIdField::creationDate, yyyymmdd(stamp.created))
        .number(MeetingIdField::year, date.year)
        .number(MeetingIdField::month, date.month)
        .number(MeetingIdField::dayOfMonth, date.day)
        .number(MeetingIdField::courseCode, course.course)
        .number(MeetingIdField::meetingNumber, course.meeting)
        .number(MeetingIdField::dayNumber, course.day);
}

void writeRaceHeader(RecordBuilder& record, const RecordStamp& stamp, const Race& race) {
    writeCourseHeader(record, stamp, race.date, CourseMeeting{race.course, race.meeting, race.day});
    record.number(IdField::raceNumber, race.number);
}

void writeMonthDayTime(RecordBuilder& record, RecordField field, const DateTime& moment) {
    record.number(field, ((moment.month * 100LL + moment.day) * 100 + moment.hour) * 100 + moment.minute);
}

long long yyyymmdd(const DateTime& date) { return (date.year * 100LL + date.month) * 100 + date.day; }

long long hhmm(int hour, int minute) { return hour * 100LL + minute; }

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
