#pragma once
// The fields of the race record (RA) that the odds subsystem reads, 1-based positions as JV-Data numbers
// them.
#include "core/odds/OddsRecordLayout.h"

namespace marovix {

struct RaceRecordFields {
    static constexpr OddsFieldSpan Year{12, 4};
    static constexpr OddsFieldSpan MonthDay{16, 4};
    static constexpr OddsFieldSpan CourseCode{20, 2};
    static constexpr OddsFieldSpan Meeting{22, 2};
    static constexpr OddsFieldSpan Day{24, 2};
    static constexpr OddsFieldSpan RaceNumber{26, 2};
    static constexpr OddsFieldSpan PostHour{874, 2};
    static constexpr OddsFieldSpan PostMinute{876, 2};
    static constexpr OddsFieldSpan Registered{882, 2};
};

}  // namespace marovix
