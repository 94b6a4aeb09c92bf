#pragma once
// Where a field lies in a JV-Data record: 1-based byte position and length, exactly as the JV-Data format
// numbers them. The tables of every record type are in core/race/RecordFields.h.
#include <string_view>

namespace marovix {

// One field of a record.
struct RecordField {
    int position;  // 1-based byte position of the first byte
    int length;    // bytes

    // The position just after the field.
    constexpr int end() const { return position + length; }
    constexpr bool operator==(const RecordField&) const = default;
};

// A field repeated in a list of entries (the odds of every combination, the mining value of every horse):
// entry 0 at `position`, each next entry `stride` bytes further, `count` entries.
struct RepeatedField {
    int position;  // 1-based byte position of entry 0
    int length;    // bytes of one entry's field
    int stride;    // bytes from one entry to the next
    int count;     // entries in the record

    // The field of entry `index`, counted from 0 (the horse number k + 1 for a list by horse, the
    // combination number k + 1 for a list by combination). An index outside 0..count-1 gives the empty
    // field {0, 0}, which reads as empty text and number 0 and which no record builder accepts.
    constexpr RecordField at(int index) const {
        if (index < 0 || index >= count) return {0, 0};
        return {position + stride * index, length};
    }
    // The position just after the last entry's field.
    constexpr int end() const { return count > 0 ? at(count - 1).end() : position; }
    constexpr bool operator==(const RepeatedField&) const = default;
};

// A field named in a table, for the checks over whole tables (every field inside its record, no two
// fields sharing a byte). A single field is a list of one entry.
struct NamedField {
    std::string_view name;
    RepeatedField field;
    // A key or a whole date or time made of other fields of the table (RaceKey16, the announcement
    // "mmddhhmm" over its parts): it covers them, so it may share their bytes.
    bool compound = false;

    constexpr NamedField(std::string_view name, RecordField single, bool compound = false)
        : name(name), field{single.position, single.length, single.length, 1}, compound(compound) {}
    constexpr NamedField(std::string_view name, RepeatedField repeated) : name(name), field(repeated) {}
};

}  // namespace marovix
