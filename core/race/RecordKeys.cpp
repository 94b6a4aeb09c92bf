#include "core/race/RecordKeys.h"

#include "core/race/JvRecord.h"
#include "core/race/RecordFields.h"

namespace marovix {

std::string_view RaceKey16(std::string_view record) { return fieldText(record, IdField::raceKey16); }

std::string_view DayKey8(std::string_view record) { return fieldText(record, IdField::dayKey8); }

std::string dayMatchingKey(std::string_view record) {
    std::string key(fieldText(record, IdField::year));
    key += fieldText(record, IdField::monthDay);
    key += fieldText(record, IdField::courseCode);
    key += fieldText(record, IdField::raceNumber);
    return key;
}

std::string courseRaceKey(std::string_view record) {
    std::string key(fieldText(record, IdField::courseCode));
    key += fieldText(record, IdField::raceNumber);
    return key;
}

std::string DayText(std::string_view record) {
    return fieldUtf8(record, IdField::year) + "年" + fieldUtf8(record, IdField::month) + "月" +
           fieldUtf8(record, IdField::dayOfMonth) + "日";
}

}  // namespace marovix
