#pragma once
// The JV-Data record types the system reads and their fixed lengths (with the CR LF line end).
#include <optional>
#include <string_view>

namespace marovix {

struct RecordLayout {
    std::string_view type;  // positions 1-2, e.g. "RA"
    int length;             // bytes including CR LF
};

// Every record type the system knows, with its length.
inline constexpr RecordLayout kRecordLayouts[] = {
    {"RA", 1272}, {"SE", 555},  {"DM", 303},   {"TM", 141},   {"HR", 719}, {"O1", 962}, {"O2", 2042},
    {"O3", 2654}, {"O4", 4031}, {"O5", 12293}, {"O6", 83285}, {"WE", 42},  {"AV", 78},  {"TC", 45},
};

// The length of a record type including its CR LF; nothing for an unknown type.
std::optional<int> recordLength(std::string_view type);

}  // namespace marovix
