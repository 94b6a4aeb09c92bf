#include "core/odds/OddsTableReader.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <utility>
#include <vector>

#include "core/race/JvRecord.h"

namespace marovix {
namespace {

// An odds field as read: its odds (or a sentinel) and whether it was a sentinel.
struct OddsValue {
    double odds;
    bool sentinel;
};

// The field's bytes as the field accessors cut them: ending early at a NUL byte.
std::string_view cutAtNul(std::string_view field) {
    const std::size_t nul = field.find('\0');
    return nul == std::string_view::npos ? field : field.substr(0, nul);
}

bool allOf(std::string_view text, char c) {
    return std::all_of(text.begin(), text.end(), [c](char x) { return x == c; });
}

// Any field other than plain digits: blanks, sentinels, signs, damaged text.
OddsValue readOddsSlow(std::string_view field, int width) {
    field = cutAtNul(field);
    const std::size_t first = field.find_first_not_of(' ');
    if (first == std::string_view::npos) return {kEmptyOdds, true};
    const std::string_view trimmed = field.substr(first, field.find_last_not_of(' ') - first + 1);
    if (trimmed.size() == static_cast<std::size_t>(width) && (allOf(trimmed, '-') || allOf(trimmed, '*')))
        return {kScratchedOdds, true};
    return {lenientInt(trimmed) / 10.0, false};
}

// An odds field of `width` bytes at `at` (inside a sound record). Fields of digits only, by far the most
// common, are read directly.
inline OddsValue readOdds(const char* at, int width) {
    unsigned value = 0;
    for (int i = 0; i < width; ++i) {
        const unsigned digit = static_cast<unsigned char>(at[i]) - static_cast<unsigned>('0');
        if (digit > 9) return readOddsSlow(std::string_view(at, static_cast<std::size_t>(width)), width);
        value = value * 10 + digit;
    }
    return {value / 10.0, false};
}

inline int readNumber(const char* at, int width) {
    int value = 0;
    for (int i = 0; i < width; ++i) {
        const unsigned digit = static_cast<unsigned char>(at[i]) - static_cast<unsigned>('0');
        if (digit > 9) return lenientInt(cutAtNul(std::string_view(at, static_cast<std::size_t>(width))));
        value = value * 10 + static_cast<int>(digit);
    }
    return value;
}

// The record's bytes when it is a sound record of its kind; a blank record of the kind otherwise.
std::string_view soundOrBlank(const std::string& record, const OddsKindLayout& layout) {
    if (checkRecord(record, layout.type).ok()) return record;
    static const OddsRawRecords blanks = blankOddsRecords();
    return blanks[kindIndex(layout.kind)];
}

const char* fieldAt(std::string_view record, OddsFieldSpan field, int stride, int entry) {
    return record.data() + (field.position - 1) + static_cast<std::ptrdiff_t>(stride) * entry;
}

// Ranks of the horses whose first odds are above 0, by the fixed-width texts of both odds and the horse.
void rankHorses(const OddsTable::Odds<kRunnerSlotCount>& first, const OddsTable::Odds<kRunnerSlotCount>& second,
                int runners, OddsTable::Popularity<kRunnerSlotCount>& ranks) {
    std::vector<std::pair<std::string, int>> list;
    for (int horse = 1; horse <= runners; ++horse) {
        if (!(first[horse] > 0)) continue;
        char text[64];
        std::snprintf(text, sizeof text, "%6.1f%6.1f%2d", first[horse], second[horse], horse);
        list.emplace_back(text, horse);
    }
    std::sort(list.begin(), list.end());
    for (std::size_t i = 0; i < list.size(); ++i) ranks[list[i].second] = static_cast<int>(i) + 1;
}

void readWinAndPlace(std::string_view o1, int runners, OddsTable& table) {
    for (int i = 0; i < runners; ++i) {
        const int horse = i + 1;
        table.TanOdds[horse] =
            readOdds(fieldAt(o1, kWinOddsList.odds, kWinOddsList.stride, i), kWinOddsList.odds.width).odds;
        const OddsValue low =
            readOdds(fieldAt(o1, kPlaceOddsList.odds, kPlaceOddsList.stride, i), kPlaceOddsList.odds.width);
        table.FukOddsLow[horse] = low.odds;
        // The upper end has no sentinels of its own: the lower field decides, else it is read as a number.
        table.FukOddsHigh[horse] = low.sentinel
                                       ? low.odds
                                       : readNumber(fieldAt(o1, kPlaceOddsList.oddsHigh, kPlaceOddsList.stride, i),
                                                    kPlaceOddsList.oddsHigh.width) /
                                             10.0;
    }
    rankHorses(table.TanOdds, table.FukOddsLow, runners, table.TanPop);
    rankHorses(table.FukOddsLow, table.FukOddsHigh, runners, table.FukLowPop);
}

void readCombinations(std::string_view record, const OddsEntryList& list, std::span<double> odds,
                      std::span<int> popularity) {
    const char* oddsAt = fieldAt(record, list.odds, 0, 0);
    const char* popularityAt = fieldAt(record, list.popularity, 0, 0);
    for (int k = 1; k <= list.count; ++k) {
        const OddsValue value = readOdds(oddsAt, list.odds.width);
        odds[k] = value.odds;
        popularity[k] = value.sentinel ? 0 : readNumber(popularityAt, list.popularity.width);
        oddsAt += list.stride;
        popularityAt += list.stride;
    }
}

}  // namespace

OddsRawRecords blankOddsRecords() {
    OddsRawRecords records;
    for (const auto& layout : kOddsKindLayouts) records[kindIndex(layout.kind)] = blankRecord(layout.type);
    return records;
}

void fillOddsTable(const OddsRawRecords& raw, int registered, OddsTable& table) {
    table.clear();
    const int runners = std::clamp(registered, 0, kRunnerSlotCount);
    for (const auto& layout : kOddsKindLayouts) {
        const std::string_view record = soundOrBlank(raw[kindIndex(layout.kind)], layout);
        if (layout.kind == OddsKind::O1) readWinAndPlace(record, runners, table);
        readCombinations(record, layout.combinations, table.combinationOdds(layout.kind),
                         table.combinationPopularity(layout.kind));
    }
}

OddsTable deriveOddsTable(const OddsRawRecords& raw, int registered) {
    OddsTable table;
    fillOddsTable(raw, registered, table);
    return table;
}

}  // namespace marovix
