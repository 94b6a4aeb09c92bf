#include "core/race/JvRecord.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "core/common/Cp932.h"
#include "core/common/Yen.h"
#include "core/race/RecordFields.h"

namespace marovix {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool endsWithLineEnd(std::string_view record) {
    return record.size() >= kLineEnd.size() && record.substr(record.size() - kLineEnd.size()) == kLineEnd;
}

// The type bytes made safe to show in a message: printable ASCII as is, anything else as \xNN.
std::string printableType(std::string_view type) {
    std::string out;
    for (unsigned char c : type) {
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            out += escaped;
        }
    }
    return out;
}

const RecordLayout* findLayout(std::string_view type) {
    for (const auto& layout : kRecordLayouts)
        if (layout.type == type) return &layout;
    return nullptr;
}

}  // namespace

int lenientInt(std::string_view text) {
    const std::int64_t value = lenientInt64(text);
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) return 0;
    return static_cast<int>(value);
}

std::string_view fieldText(std::string_view record, int position, int length) {
    if (position < 1 || length < 1) return {};
    // The line end is no field: a position reads the same in a whole record and in its day-file line.
    if (endsWithLineEnd(record)) record.remove_suffix(kLineEnd.size());
    std::size_t start = static_cast<std::size_t>(position - 1);
    if (start >= record.size()) return {};
    const std::string_view field = record.substr(start, static_cast<std::size_t>(length));
    // Fields are short: a plain look at each byte costs less than a call to memchr.
    for (std::size_t i = 0; i < field.size(); ++i)
        if (field[i] == '\0') return field.substr(0, i);
    return field;
}

std::string fieldUtf8(std::string_view record, int position, int length) {
    return cp932ToUtf8(fieldText(record, position, length));
}

int fieldNumber(std::string_view record, int position, int length) {
    return lenientInt(fieldText(record, position, length));
}

Result<RecordLayout> checkRecord(std::string_view record) {
    if (record.empty() || record == kLineEnd) return Error{"レコードが空です"};
    std::string_view body = endsWithLineEnd(record) ? record.substr(0, record.size() - kLineEnd.size()) : record;
    // Cut by hand, not with fieldText: a NUL in the type must show in the error.
    constexpr RecordField kType = MeetingIdField::recordType;
    std::string_view type = body.substr(kType.position - 1, kType.length);
    const RecordLayout* layout = findLayout(type);
    if (!layout) {
        return Error{"レコード種別が不明です(種別\"" + printableType(type) + "\"、改行を除き" +
                     std::to_string(body.size()) + "バイト)"};
    }
    std::size_t expected = static_cast<std::size_t>(layout->length) - kLineEnd.size();
    // The layout returned views the static table, never the caller's record.
    if (body.size() == expected) return *layout;
    return Error{std::string(type) + "レコードのレコード長が不正です(改行を除き" + std::to_string(body.size()) +
                 "バイト、正しくは" + std::to_string(expected) + "バイト)"};
}

Result<RecordLayout> checkRecord(std::string_view record, std::string_view expectedType) {
    Result<RecordLayout> layout = checkRecord(record);
    if (!layout.ok()) return layout;
    if (layout->type != expectedType)
        return Error{"レコード種別が不正です(" + std::string(layout->type) + "、正しくは" + std::string(expectedType) +
                     ")"};
    return layout;
}

std::string wholeRecord(std::string_view recordOrLine) {
    std::string record;
    record.reserve(recordOrLine.size() + kLineEnd.size());
    assignWholeRecord(record, recordOrLine);
    return record;
}

void assignWholeRecord(std::string& target, std::string_view recordOrLine) {
    const bool whole = endsWithLineEnd(recordOrLine);  // asked first: the view may lie in `target`
    target.assign(recordOrLine);
    if (!whole) target += kLineEnd;
}

std::string blankRecord(std::string_view type) {
    std::optional<int> length = recordLength(type);
    if (!length) return {};
    std::string record(static_cast<std::size_t>(*length) - kLineEnd.size(), ' ');
    record += kLineEnd;
    return record;
}

bool isAllBlanks(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

}  // namespace marovix
