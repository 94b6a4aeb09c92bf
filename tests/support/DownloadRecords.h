#pragma once
// JV-Data records of the kinds the stored-data download handles, for tests: whole records ending in
// CR LF, made by RecordBuilder. Dates are "yyyymmdd"; the meeting and day numbers are fixed ("0102").
#include <string>
#include <string_view>

namespace marovix {

struct RaceId {
    std::string date = "20240106";
    std::string course = "06";  // 中山
    int race = 11;
};

// An RA record with data kind `kind` (position 3) and `runners` registered runners (882-883); `mark`
// (a race name at 33) tells versions of one race apart.
std::string raRecord(const RaceId& id, int runners = 16, char kind = '2', std::string_view mark = "レース");
// An SE record for horse `horse` with the horse name `name` (position 41).
std::string seRecord(const RaceId& id, int horse, std::string_view name = "テストホース", char kind = '2');
// An HR record.
std::string hrRecord(const RaceId& id, char kind = '2');
// A TM record.
std::string tmRecord(const RaceId& id, char kind = '7');
// An odds record "O1" ... "O6" at its full length, with data kind `kind`.
std::string oddsRecord(std::string_view type, const RaceId& id, char kind = '4');

}  // namespace marovix
