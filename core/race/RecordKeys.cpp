#include "core/race/RecordKeys.h"

#include "core/race/JvRecord.h"

namespace marovix {

std::string_view RaceKey16(std::string_view record) { return fieldText(record, 12, 16); }

std::string_view DayKey8(std::string_view record) { return fieldText(record, 12, 8); }

std::string dayMatchingKey(std::string_view record) {
    std::string key(fieldText(record, 12, 4));
    key += fieldText(record, 16, 4);
    key += fieldText(record, 20, 2);
    key += fieldText(record, 26, 2);
    return key;
}

std::string courseRaceKey(std::string_view record) {
    std::string key(fieldText(record, 20, 2));
    key += fieldText(record, 26, 2);
    return key;
}

std::string DayText(std::string_view record) {
    return fieldUtf8(record, 12, 4) + "年" + fieldUtf8(record, 16, 2) + "月" + fieldUtf8(record, 18, 2) + "日";
}

}  // namespace marovix
