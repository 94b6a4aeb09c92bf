#include "standins/records/RecordBuilder.h"

#include <algorithm>
#include <stdexcept>

#include "core/common/Cp932.h"
#include "core/race/RecordFields.h"
#include "core/race/RecordLayout.h"

namespace marovix {

RecordBuilder::RecordBuilder(std::string_view type) {
    auto length = recordLength(type);
    if (!length) throw std::invalid_argument("unknown record type " + std::string(type));
    m_record.assign(static_cast<std::size_t>(*length) - 2, ' ');
    m_record += "\r\n";
    bytes(MeetingIdField::recordType, type);
}

std::string RecordBuilder::type() const {
    constexpr RecordField kType = MeetingIdField::recordType;
    return m_record.substr(kType.position - 1, kType.length);
}

void RecordBuilder::place(int position, std::string_view raw) {
    if (position < 1 || static_cast<std::size_t>(position - 1) + raw.size() > m_record.size() - 2)
        throw std::out_of_range("field at " + std::to_string(position) + " of " + std::to_string(raw.size()) +
                                " bytes does not fit in a " + type() + " record");
    m_record.replace(static_cast<std::size_t>(position - 1), raw.size(), raw);
}

RecordBuilder& RecordBuilder::text(int position, std::string_view utf8) {
    place(position, utf8ToCp932(utf8));
    return *this;
}

RecordBuilder& RecordBuilder::field(int position, int length, std::string_view utf8) {
    std::string raw = utf8ToCp932(utf8);
    if (raw.size() > static_cast<std::size_t>(length))
        throw std::out_of_range("text of " + std::to_string(raw.size()) + " bytes for a field of " +
                                std::to_string(length));
    raw.resize(static_cast<std::size_t>(length), ' ');
    place(position, raw);
    return *this;
}

RecordBuilder& RecordBuilder::number(int position, int length, long long value) {
    if (value < 0) throw std::out_of_range("negative number in a record field");
    const auto digits = static_cast<unsigned long long>(value);
    int needed = 1;
    for (unsigned long long rest = digits; rest >= 10; rest /= 10) ++needed;
    if (needed > length)
        throw std::out_of_range("number " + std::to_string(value) + " does not fit in " + std::to_string(length) +
                                " digits");
    putDigits(fieldBytes(position, length), length, digits);
    return *this;
}

RecordBuilder& RecordBuilder::bytes(int position, std::string_view raw) {
    place(position, raw);
    return *this;
}

RecordBuilder& RecordBuilder::bytes(RecordField target, std::string_view raw) {
    if (raw.size() > static_cast<std::size_t>(std::max(target.length, 0)))
        throw std::out_of_range(std::to_string(raw.size()) + " bytes for a field of " + std::to_string(target.length));
    char* out = fieldBytes(target);
    raw.copy(out, raw.size());
    std::fill(out + raw.size(), out + target.length, ' ');
    return *this;
}

RecordBuilder& RecordBuilder::fill(int position, int length, char byte) {
    char* out = fieldBytes(position, length);
    for (int i = 0; i < length; ++i) out[i] = byte;
    return *this;
}

char* RecordBuilder::fieldBytes(int position, int length) {
    if (position < 1 || length < 0 ||
        static_cast<std::size_t>(position - 1) + static_cast<std::size_t>(length) > m_record.size() - 2)
        throw std::out_of_range("field at " + std::to_string(position) + " of " + std::to_string(length) +
                                " bytes does not fit in a " + type() + " record");
    return m_record.data() + (position - 1);
}

}  // namespace marovix
