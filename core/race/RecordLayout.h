#pragma once
// The JV-Data record types a JV-Link stream delivers and their fixed lengths (with the CR LF line end).
// The program stores and reads some of them; the others are known only so that a stream that carries
// them is read past them cleanly. The fields of each stored type are in core/race/RecordFields.h.
#include <optional>
#include <string_view>

namespace marovix {

struct RecordLayout {
    std::string_view type;  // positions 1-2, e.g. "RA"
    int length;             // bytes including CR LF
    bool stored;            // the program keeps records of this type in its day or change files
};

// Every record type a real stream delivers, with its length and whether the program stores it.
inline constexpr RecordLayout kRecordLayouts[] = {
    {"TK", 21657, false},   // special registrations
    {"RA", 1272, true},     // race details
    {"SE", 555, true},      // runner of a race
    {"HR", 719, true},      // payouts
    {"H1", 28955, false},   // vote counts
    {"H6", 102890, false},  // trifecta vote counts
    {"O1", 962, true},      // win, place and bracket quinella odds
    {"O2", 2042, true},     // quinella odds
    {"O3", 2654, true},     // quinella place odds
    {"O4", 4031, true},     // exacta odds
    {"O5", 12293, true},    // trio odds
    {"O6", 83285, true},    // trifecta odds
    {"WF", 7215, false},    // WIN5
    {"JG", 80, false},      // horses excluded from a race
    {"UM", 1609, false},    // horse master
    {"KS", 4173, false},    // jockey master
    {"CH", 3862, false},    // trainer master
    {"BR", 545, false},     // breeder master
    {"BN", 477, false},     // owner master
    {"HN", 251, false},     // breeding horse master
    {"SK", 208, false},     // offspring master
    {"CK", 6870, false},    // results by runner
    {"RC", 501, false},     // course records
    {"HC", 60, false},      // hill training
    {"HS", 200, false},     // market prices
    {"HY", 123, false},     // meanings of horse names
    {"YS", 382, false},     // meeting schedule
    {"BT", 6889, false},    // bloodlines
    {"CS", 6829, false},    // course descriptions
    {"DM", 303, true},      // time-type mining
    {"TM", 141, true},      // match-type mining
    {"WC", 105, false},     // wood-chip training
    {"WH", 847, false},     // body weights
    {"WE", 42, true},       // weather and going
    {"AV", 78, true},       // scratched runner
    {"JC", 161, false},     // jockey change
    {"TC", 45, true},       // post-time change
    {"CC", 50, false},      // course change
};

// The layout of a record type; nothing for a type no stream delivers.
std::optional<RecordLayout> recordLayout(std::string_view type);

// The length of a record type including its CR LF; nothing for an unknown type.
std::optional<int> recordLength(std::string_view type);

// True when the program stores records of `type` (false for an unknown type).
bool isStoredType(std::string_view type);

}  // namespace marovix
