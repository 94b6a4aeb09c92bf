#include "tests/support/DownloadRecords.h"

#include "standins/records/RecordBuilder.h"

namespace marovix {
namespace {

RecordBuilder keyed(std::string_view type, const RaceId& id, char kind) {
    RecordBuilder builder(type);
    builder.bytes(3, std::string(1, kind)).text(4, "20240101").text(12, id.date).text(20, id.course);
    builder.text(22, "0102").number(26, 2, id.race);
    return builder;
}

}  // namespace

std::string raRecord(const RaceId& id, int runners, char kind, std::string_view mark) {
    return keyed("RA", id, kind).field(33, 60, mark).number(882, 2, runners).record();
}

std::string seRecord(const RaceId& id, int horse, std::string_view name, char kind) {
    return keyed("SE", id, kind).number(29, 2, horse).field(41, 36, name).record();
}

std::string hrRecord(const RaceId& id, char kind) { return keyed("HR", id, kind).record(); }

std::string tmRecord(const RaceId& id, char kind) { return keyed("TM", id, kind).record(); }

std::string oddsRecord(std::string_view type, const RaceId& id, char kind) { return keyed(type, id, kind).record(); }

}  // namespace marovix
