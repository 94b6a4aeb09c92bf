#include "core/race/LineKeys.h"

#include "core/race/JvRecord.h"
#include "core/race/RecordFields.h"
#include "core/race/RecordKeys.h"

namespace marovix {

std::string raceLineKey(std::string_view line) { return std::string(RaceKey16(line)); }

std::string weLineKey(std::string_view line) { return std::string(fieldText(line, WeField::lineKey)); }

std::string avLineKey(std::string_view line) {
    // The race part keeps its 16 bytes (a short or damaged one is padded with NULs, which the field
    // accessors cut at), so that it never runs into the horse number.
    std::string key(fieldText(line, AvField::raceKey16));
    key.resize(static_cast<std::size_t>(AvField::raceKey16.length), '\0');
    key += fieldText(line, AvField::horseNumber);
    return key;
}

std::string tcLineKey(std::string_view line) { return std::string(fieldText(line, TcField::raceKey16)); }

}  // namespace marovix
