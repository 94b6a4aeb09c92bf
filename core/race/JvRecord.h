#pragma once
// Field access over a JV-Data record held whole: code page 932 bytes, fields addressed by 1-based byte
// position and length exactly as the JV-Data format numbers them. Records are never parsed into
// structures; every reader cuts the fields it needs with these accessors.
//
// The accessors accept a whole record (ending in CR LF) or a day-file line (the record without its CR LF):
// positions are the same in both. They never fail and never read outside the record.
#include <string>
#include <string_view>

#include "core/common/Result.h"
#include "core/race/RecordField.h"
#include "core/race/RecordLayout.h"

namespace marovix {

// The lenient integer parse used for every numeric field and numeric code:
// - half-width blanks before and after the number are ignored ("  5", "5  ", "05" all read 5);
// - then an optional "+" or "-" directly followed by decimal digits, nothing else;
// - empty or all-blank text, any other character ("5a", "1 2", "- 5", full-width digits) or a value
//   outside the range of int gives 0. Never fails.
int lenientInt(std::string_view text);

// The raw CP932 bytes of the field at 1-based `position` of `length` bytes: a view into `record`.
// The field ends early at its first NUL byte. The record's CR LF belongs to no field: a field that starts
// past the last byte before it is empty, one that runs past that byte is cut there. A position below 1 or
// a length below 1 gives empty.
std::string_view fieldText(std::string_view record, int position, int length);

// The field converted to UTF-8 (bytes that are not CP932 become U+FFFD).
std::string fieldUtf8(std::string_view record, int position, int length);

// The field read with the lenient integer parse (0 for blanks, invalid text, or a field past the end).
int fieldNumber(std::string_view record, int position, int length);

// The same three for a named field of core/race/RecordFields.h, e.g. fieldNumber(ra, RaField::distance).
inline std::string_view fieldText(std::string_view record, RecordField field) {
    return fieldText(record, field.position, field.length);
}
inline std::string fieldUtf8(std::string_view record, RecordField field) {
    return fieldUtf8(record, field.position, field.length);
}
inline int fieldNumber(std::string_view record, RecordField field) {
    return fieldNumber(record, field.position, field.length);
}

// Checks a record against the fixed length of its type (positions 1-2). `record` may be the whole
// record ending in CR LF or a day-file line without it. On success gives the type's layout; otherwise
// an error naming the fault in Japanese: an empty or unknown-type record, or one whose length is wrong
// ("RAレコードのレコード長が不正です(改行を除き500バイト、正しくは1270バイト)").
// A record must pass this check before fields are cut from it, so that no reader sees shifted positions.
Result<RecordLayout> checkRecord(std::string_view record);
// As above, and the record must also be of `expectedType` (e.g. "DM").
Result<RecordLayout> checkRecord(std::string_view record, std::string_view expectedType);

// A line of a day file that is no sound record of the expected type (it failed checkRecord), so it was
// not used.
struct RejectedLine {
    int line;  // 0-based line index in its file
    std::string reason;  // e.g. "DMレコードのレコード長が不正です(改行を除き250バイト、正しくは301バイト)"
};

// The record with its CR LF: a day-file line gets "\r\n" appended; a record already ending in CR LF is
// returned unchanged.
std::string wholeRecord(std::string_view recordOrLine);
// The same into `target`, reusing its storage (a blank record of the type already has room for it).
void assignWholeRecord(std::string& target, std::string_view recordOrLine);

// A record of `type` that holds nothing: blanks of the type's length, ending in CR LF. An unknown type
// gives the empty text.
std::string blankRecord(std::string_view type);

// True when the text is empty or holds only half-width blanks (a line or field without data).
bool isAllBlanks(std::string_view text);

}  // namespace marovix
