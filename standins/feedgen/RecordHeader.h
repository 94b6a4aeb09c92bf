#pragma once
// The identification block that begins every record the generator writes: type (set by the builder),
// data kind, creation date and the race key.
#include <string>

#include "core/common/DateTime.h"
#include "core/race/RecordFields.h"
#include "standins/feedgen/FeedModel.h"
#include "standins/records/RecordBuilder.h"

namespace marovix::feedgen {

// What distinguishes one delivery of a record from another: its data kind (position 3), the day it
// was made (positions 4-11) and, for odds and announcements, the moment it was announced.
struct RecordStamp {
    char kind = '1';
    DateTime created;
    DateTime announced;
};

// The identification block after the type (IdField): data kind, creation date, year, month-day, course,
// meeting, day, race number.
void writeRaceHeader(RecordBuilder& record, const RecordStamp& stamp, const Race& race);
// The identification block of a day-and-course record (weather, MeetingIdField): no race number.
void writeCourseHeader(RecordBuilder& record, const RecordStamp& stamp, const DateTime& date,
                       const CourseMeeting& course);
// "mmddhhmm" of a moment into an announcement field (8 bytes).
void writeMonthDayTime(RecordBuilder& record, RecordField field, const DateTime& moment);
// A date as the number yyyymmdd, and a time of day as the number hhmm, for fields of 8 and 4 digits.
long long yyyymmdd(const DateTime& date);
long long hhmm(int hour, int minute);

// RaceKey16 of a race: yyyymmdd, course, meeting, day and race number, two digits each.
std::string raceKey16(const Race& race);
// A number as two digits ("05").
std::string twoDigits(int value);

// A moment `minute` minutes after midnight of `date` (negative: the day before).
DateTime atMinute(const DateTime& date, int minute);

}  // namespace marovix::feedgen
