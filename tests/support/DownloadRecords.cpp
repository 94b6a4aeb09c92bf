#include "tests/support/DownloadRecords.h"

#include "core/race/RecordFields.h"
#include "standins/records/RecordBuilder.h"

namespace marovix {
namespace {

RecordBuilder keyed(std::string_view type, const RaceId& id, char kind) {
    RecordBuilder builder(type);
    builder.bytes(IdField::dataKind, std::string(1, kind))
        .field(IdField::creationDate, "20240101")
        .field(IdField::dayKey8, id.date)
        .field(IdField::courseCode, id.course)
        .number(IdField::meetingNumber, 1)
        .number(IdField::dayNumber, 2)
        .number(IdField::raceNumber, id.race);
    return builder;
}

}  // namespace

std::string raRecord(const RaceId& id, int runners, char kind, std::string_view mark) {
    return keyed(RaField::type, id, kind)
        .field(RaField::raceName, mark)
        .number(RaField::registeredRunners, runners)
        .record();
}

std::string seRecord(const RaceId& id, int horse, std::string_view name, char kind) {
    return keyed(SeField::type, id, kind).number(SeField::horseNumber, horse).field(SeField::horseName, name).record();
}

std::string hrRecord(const RaceId& id, char kind) { return keyed("HR", id, kind).record(); }

std::string tmRecord(const RaceId& id, char kind) { return keyed("TM", id, kind).record(); }

std::string oddsRecord(std::string_view type, const RaceId& id, char kind) { return keyed(type, id, kind).record(); }

}  // namespace marovix
