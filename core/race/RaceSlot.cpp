#include "core/race/RaceSlot.h"

#include "core/race/JvRecord.h"

namespace marovix {

bool isUsedSlot(std::string_view race) {
    std::string_view year = fieldText(race, 12, 4);
    return !isAllBlanks(year) && year != "0000";
}

}  // namespace marovix
