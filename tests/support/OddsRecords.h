#pragma once
// Odds records O1..O6 for tests, built with the record builder. The field positions are written out here
// from the published record format, independently of the reader's own tables, so a wrong position in
// either shows up.
#include <string>
#include <string_view>

#include "standins/records/RecordBuilder.h"

namespace marovix::oddstest {

// An odds record of kind 1..6 ("O1".."O6") for the race `date` (yyyymmdd), `course`, meeting and day
// ("0102"), race number `race`; positions 3-11 "000000000" as stored lines carry them, the announcement
// "mmddhhmm" at 28-35 (default: the meeting day at 15:20).
RecordBuilder oddsRecord(int kind, std::string_view date = "20240106", std::string_view course = "06", int race = 11,
                         std::string_view meetingDay = "0102", std::string_view announced = "");

// Win odds field of horse 1..28 (O1, 4 bytes at 46 + 8 (horse - 1)).
void setWin(RecordBuilder& o1, int horse, std::string_view odds);
// Place odds fields of horse 1..28 (O1, low 270 + 12 (horse - 1), high 274 + ..., 4 bytes each).
void setPlace(RecordBuilder& o1, int horse, std::string_view low, std::string_view high);
// Odds and popularity of combination `number` (1-based) of kind 1..6: the combination list of that kind
// (O1 bracket quinella ... O6 trifecta), each field of its published width.
void setCombination(RecordBuilder& record, int kind, int number, std::string_view odds, std::string_view popularity);
// `value` as exactly `width` digits with leading zeros ("0123").
std::string digits(long long value, int width);
// The same with numbers written as digits of the fields' widths.
void setCombination(RecordBuilder& record, int kind, int number, long long odds, int popularity);
// The width of the combination odds field of kind 1..6 (5, 6, 5, 6, 6, 7).
int combinationOddsWidth(int kind);
// The announcement "mmddhhmm" at 28-35.
void setAnnounced(RecordBuilder& record, std::string_view monthDayTime);

}  // namespace marovix::oddstest
