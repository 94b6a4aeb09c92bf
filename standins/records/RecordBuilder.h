#pragma once
// Builds JV-Data records for tests and the demo-data generator: a record of a known type at its exact
// length, blank-filled, CR LF at the end, fields set by name (core/race/RecordFields.h) or by 1-based
// byte position, texts CP932-encoded.
//
//   RecordBuilder ra("RA");
//   ra.field(RaField::dayKey8, "20240106").field(RaField::courseCode, "06").number(RaField::raceNumber, 11)
//       .number(RaField::postTime, 1540);
#include <string>
#include <string_view>

#include "core/race/RecordField.h"

namespace marovix {

class RecordBuilder {
public:
    // REQUIRES: `type` is a known record type (see RecordLayout); throws std::invalid_argument otherwise.
    explicit RecordBuilder(std::string_view type);

    // Writes a UTF-8 text as CP932 at `position`; it must fit before the line end (else throws
    // std::out_of_range). Bytes beyond the text keep what they held.
    RecordBuilder& text(int position, std::string_view utf8);
    // Writes a UTF-8 text as CP932 into a field of `length` bytes, padded on the right with blanks
    // (a text longer than the field throws std::out_of_range).
    RecordBuilder& field(int position, int length, std::string_view utf8);
    // Writes a number right-aligned with leading zeros in `length` bytes (throws when it does not fit
    // or is negative).
    RecordBuilder& number(int position, int length, long long value);
    // Writes raw bytes at `position` (no conversion).
    RecordBuilder& bytes(int position, std::string_view raw);
    // Fills `length` bytes from `position` with one byte (blanks, "-" for a scratched odds entry ...).
    RecordBuilder& fill(int position, int length, char byte);

    // Direct writes for hot loops (odds records hold thousands of fields): the bytes of the field at
    // `position` of `length` bytes, checked once here (throws std::out_of_range when it does not fit);
    // write into them with putDigits or plain byte copies.
    char* fieldBytes(int position, int length);
    // Writes `value` as exactly `length` decimal digits with leading zeros at `out`. REQUIRES: the value
    // fits in `length` digits (the caller caps it); no allocation, no formatting library.
    static void putDigits(char* out, int length, unsigned long long value) {
        for (int i = length - 1; i >= 0; --i) {
            out[i] = static_cast<char>('0' + value % 10);
            value /= 10;
        }
    }

    // The same writes into a named field (core/race/RecordFields.h); each throws std::out_of_range as
    // above when the field does not fit in the record or what is written does not fit in the field.
    //
    // The number right-aligned with leading zeros in the field's length.
    RecordBuilder& number(RecordField target, long long value) { return number(target.position, target.length, value); }
    // The UTF-8 text as CP932, padded on the right with blanks to the field's length.
    RecordBuilder& field(RecordField target, std::string_view utf8) {
        return field(target.position, target.length, utf8);
    }
    // Raw bytes (no conversion), padded on the right with blanks to the field's length.
    RecordBuilder& bytes(RecordField target, std::string_view raw);
    // The field's bytes all set to `byte`.
    RecordBuilder& fill(RecordField target, char byte) { return fill(target.position, target.length, byte); }
    // The field's bytes for direct writes, as fieldBytes above.
    char* fieldBytes(RecordField target) { return fieldBytes(target.position, target.length); }

    // The whole record: CP932 bytes of the type's exact length, ending in CR LF.
    const std::string& record() const { return m_record; }
    // The record without its CR LF, as a day-file line.
    std::string line() const { return m_record.substr(0, m_record.size() - 2); }

private:
    std::string type() const;
    void place(int position, std::string_view raw);
    std::string m_record;
};

}  // namespace marovix
