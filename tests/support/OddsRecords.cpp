#include "tests/support/OddsRecords.h"

#include <stdexcept>

namespace marovix::oddstest {
namespace {

struct CombinationFields {
    int oddsPosition;  // of combination 1
    int oddsWidth;
    int popularityPosition;
    int popularityWidth;
    int stride;
};
// O1 bracket quinella, O2 quinella, O3 quinella place, O4 exacta, O5 trio, O6 trifecta.
constexpr CombinationFields kFields[6] = {
    {606, 5, 611, 2, 9}, {45, 6, 51, 3, 13}, {45, 5, 55, 3, 17},
    {45, 6, 51, 3, 13},  {47, 6, 53, 3, 15}, {47, 7, 54, 4, 17},
};

const CombinationFields& fieldsOf(int kind) {
    if (kind < 1 || kind > 6) throw std::invalid_argument("odds kind " + std::to_string(kind));
    return kFields[kind - 1];
}

void put(RecordBuilder& record, int position, int width, std::string_view value) {
    if (value.size() != static_cast<std::size_t>(width))
        throw std::invalid_argument("\"" + std::string(value) + "\" is not " + std::to_string(width) + " bytes");
    record.bytes(position, value);
}

}  // namespace

RecordBuilder oddsRecord(int kind, std::string_view date, std::string_view course, int race,
                         std::string_view meetingDay, std::string_view announced) {
    RecordBuilder record("O" + std::to_string(kind));
    record.bytes(3, "000000000").bytes(12, date).bytes(20, course).bytes(22, meetingDay).number(26, 2, race);
    setAnnounced(record, announced.empty() ? std::string(date.substr(4, 4)) + "1520" : std::string(announced));
    return record;
}

void setWin(RecordBuilder& o1, int horse, std::string_view odds) { put(o1, 46 + 8 * (horse - 1), 4, odds); }

void setPlace(RecordBuilder& o1, int horse, std::string_view low, std::string_view high) {
    put(o1, 270 + 12 * (horse - 1), 4, low);
    put(o1, 274 + 12 * (horse - 1), 4, high);
}

void setCombination(RecordBuilder& record, int kind, int number, std::string_view odds, std::string_view popularity) {
    const CombinationFields& f = fieldsOf(kind);
    put(record, f.oddsPosition + f.stride * (number - 1), f.oddsWidth, odds);
    put(record, f.popularityPosition + f.stride * (number - 1), f.popularityWidth, popularity);
}

void setCombination(RecordBuilder& record, int kind, int number, long long odds, int popularity) {
    const CombinationFields& f = fieldsOf(kind);
    setCombination(record, kind, number, digits(odds, f.oddsWidth), digits(popularity, f.popularityWidth));
}

std::string digits(long long value, int width) {
    std::string text = std::to_string(value);
    if (value < 0 || text.size() > static_cast<std::size_t>(width))
        throw std::invalid_argument(text + " does not fit in " + std::to_string(width) + " digits");
    return std::string(static_cast<std::size_t>(width) - text.size(), '0') + text;
}

int combinationOddsWidth(int kind) { return fieldsOf(kind).oddsWidth; }

void setAnnounced(RecordBuilder& record, std::string_view monthDayTime) { put(record, 28, 8, monthDayTime); }

}  // namespace marovix::oddstest
