#pragma once
// The fields of the race record (RA) that the odds subsystem reads, from the record-field tables.
#include "core/odds/OddsRecordLayout.h"

namespace marovix {

struct RaceRecordFields {
    static constexpr OddsFieldSpan Year = span(RaField::year);
    static constexpr OddsFieldSpan MonthDay = span(RaField::monthDay);
    static constexpr OddsFieldSpan CourseCode = span(RaField::courseCode);
    static constexpr OddsFieldSpan Meeting = span(RaField::meetingNumber);
    static constexpr OddsFieldSpan Day = span(RaField::dayNumber);
    static constexpr OddsFieldSpan RaceNumber = span(RaField::raceNumber);
    static constexpr OddsFieldSpan PostHour{RaField::postTime.position, 2};
    static constexpr OddsFieldSpan PostMinute{RaField::postTime.position + 2, 2};
    static constexpr OddsFieldSpan Registered = span(RaField::registeredRunners);
};

}  // namespace marovix
