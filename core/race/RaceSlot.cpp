#include "core/race/RaceSlot.h"

#include "core/race/JvRecord.h"
#include "core/race/RecordFields.h"

namespace marovix {

bool isUsedSlot(std::string_view race) {
    std::string_view year = fieldText(race, RaField::year);
    return !isAllBlanks(year) && year != "0000";
}

}  // namespace marovix
