#include "tests/support/ChangeRecords.h"

#include "core/race/RecordFields.h"
#include "standins/records/RecordBuilder.h"

namespace marovix {
namespace {

RecordBuilder meeting(std::string_view type, const std::string& date, const std::string& course, const Stamp& stamp) {
    RecordBuilder builder(type);
    builder.bytes(MeetingIdField::dataKind, std::string(1, stamp.kind))
        .field(MeetingIdField::creationDate, stamp.created)
        .field(MeetingIdField::dayKey8, date)
        .field(MeetingIdField::courseCode, course)
        .number(MeetingIdField::meetingNumber, 1)
        .number(MeetingIdField::dayNumber, 2);
    return builder;
}

RecordBuilder race(std::string_view type, const RaceId& id, const Stamp& stamp) {
    RecordBuilder builder = meeting(type, id.date, id.course, stamp);
    builder.number(IdField::raceNumber, id.race);
    return builder;
}

}  // namespace

std::string weRecord(const std::string& date, const std::string& course, std::string_view announced, int changeKind,
                     int weather, int turfGoing, int dirtGoing, const Stamp& stamp) {
    return meeting(WeField::type, date, course, stamp)
        .field(WeField::announced, announced)
        .number(WeField::changeKind, changeKind)
        .number(WeField::weatherCode, weather)
        .number(WeField::turfGoingCode, turfGoing)
        .number(WeField::dirtGoingCode, dirtGoing)
        .record();
}

std::string avRecord(const RaceId& id, int horse, std::string_view announced, const Stamp& stamp) {
    return race(AvField::type, id, stamp)
        .field(AvField::announced, announced)
        .number(AvField::horseNumber, horse)
        .field(AvField::horseName, "テストホース")
        .number(AvField::reasonCode, 1)
        .record();
}

std::string tcRecord(const RaceId& id, int newPostTime, std::string_view announced, int previousPostTime,
                     const Stamp& stamp) {
    return race(TcField::type, id, stamp)
        .field(TcField::announced, announced)
        .number(TcField::newPostTime, newPostTime)
        .number(TcField::previousPostTime, previousPostTime)
        .record();
}

}  // namespace marovix
