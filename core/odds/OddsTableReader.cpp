#include "core/odds/OddsTableReader.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "core/common/Trim.h"
#include "core/odds/FieldDigits.h"
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
    const std::string_view text = trimmed(field, Blanks::Space);
    if (text.empty()) return {kEmptyOdds, true};
    if (text.size() == static_cast<std::size_t>(width) && (allOf(text, '-') || allOf(text, '*')))
        return {kScratchedOdds, true};
    return {lenientInt(text) / 10.0, false};
}

// An odds field of `Width` bytes at `at` (inside a sound record). Fields of digits only and blank fields,
// by far the most common, are read directly.
template <int Width>
inline OddsValue readOdds(const char* at) {
    double odds;
    if (readTenths<Width>(at, odds)) return {odds, false};
    if (isBlankField<Width>(at)) return {kEmptyOdds, true};
    return readOddsSlow(std::string_view(at, Width), Width);
}

// A numeric field read with the lenient integer parse.
template <int Width>
inline int readNumber(const char* at) {
    unsigned value;
    if (readDigits<Width>(at, value)) return static_cast<int>(value);
    return lenientInt(cutAtNul(std::string_view(at, Width)));
}

// The record when it is a sound record of its kind; a blank line of the kind otherwise.
std::string_view soundOrBlank(std::string_view record, const OddsKindLayout& layout) {
    if (checkRecord(record, layout.type).ok()) return record;
    return blankOddsRecords()[kindIndex(layout.kind)];
}

const char* fieldAt(std::string_view record, OddsFieldSpan field, int stride, int entry) {
    return record.data() + (field.position - 1) + static_cast<std::ptrdiff_t>(stride) * entry;
}

constexpr int kFixed61Max = 63;  // bytes appendFixed61 writes at most

// Format("%6.1f", value) appended at `out`; returns the end. Odds read from a record are tenths (k / 10)
// and are written from k directly; any other value goes through the C library.
char* appendFixed61(char* out, double value) {
    const double scaled = value * 10;
    if (std::fabs(scaled) < 1e6) {
        const long k = std::lround(scaled);
        if (static_cast<double>(k) / 10.0 == value && !(k == 0 && std::signbit(value))) {
            char digits[16];
            char* at = digits + sizeof digits;
            unsigned long magnitude = static_cast<unsigned long>(k < 0 ? -k : k);
            *--at = static_cast<char>('0' + magnitude % 10);
            *--at = '.';
            magnitude /= 10;
            do {
                *--at = static_cast<char>('0' + magnitude % 10);
                magnitude /= 10;
            } while (magnitude > 0);
            if (k < 0) *--at = '-';
            const auto length = static_cast<int>(digits + sizeof digits - at);
            for (int pad = length; pad < 6; ++pad) *out++ = ' ';
            std::memcpy(out, at, static_cast<std::size_t>(length));
            return out + length;
        }
    }
    // Not met with values read from 4-byte fields; a value too long for the buffer is cut.
    char text[kFixed61Max + 1];
    const int length = std::snprintf(text, sizeof text, "%6.1f", value);
    const auto written = static_cast<std::size_t>(std::clamp(length, 0, kFixed61Max));
    std::memcpy(out, text, written);
    return out + written;
}

// Ranks of the horses whose first odds are above 0, ordered by the texts Format("%6.1f%6.1f%2d", first,
// second, horse) as bytes.
void rankHorses(const WinPlaceOdds::Odds<kRunnerSlotCount>& first, const WinPlaceOdds::Odds<kRunnerSlotCount>& second,
                int runners, WinPlaceOdds::Popularity<kRunnerSlotCount>& ranks) {
    struct Entry {
        char text[2 * kFixed61Max + 2];  // two odds and a horse number
        std::size_t length;
        int horse;
        std::string_view view() const { return {text, length}; }
    };
    std::array<Entry, kRunnerSlotCount> entries;
    std::size_t count = 0;
    for (int horse = 1; horse <= runners; ++horse) {
        if (!(first[horse] > 0)) continue;
        Entry& entry = entries[count++];
        char* end = appendFixed61(entry.text, first[horse]);
        end = appendFixed61(end, second[horse]);
        *end++ = static_cast<char>(horse < 10 ? ' ' : '0' + horse / 10);
        *end++ = static_cast<char>('0' + horse % 10);
        entry.length = static_cast<std::size_t>(end - entry.text);
        entry.horse = horse;
    }
    std::sort(entries.begin(), entries.begin() + static_cast<std::ptrdiff_t>(count),
              [](const Entry& a, const Entry& b) { return a.view() < b.view(); });
    for (std::size_t i = 0; i < count; ++i) ranks[entries[i].horse] = static_cast<int>(i) + 1;
}

void readWinAndPlace(std::string_view o1, int runners, WinPlaceOdds& table) {
    constexpr OddsEntryList win = kWinOddsList;
    constexpr OddsEntryList place = kPlaceOddsList;
    for (int i = 0; i < runners; ++i) {
        const int horse = i + 1;
        table.TanOdds[horse] = readOdds<win.odds.width>(fieldAt(o1, win.odds, win.stride, i)).odds;
        const OddsValue low = readOdds<place.odds.width>(fieldAt(o1, place.odds, place.stride, i));
        table.FukOddsLow[horse] = low.odds;
        // The upper end has no sentinels of its own: the lower field decides, else it is read as a number.
        table.FukOddsHigh[horse] =
            low.sentinel ? low.odds
                         : readNumber<place.oddsHigh.width>(fieldAt(o1, place.oddsHigh, place.stride, i)) / 10.0;
    }
    rankHorses(table.TanOdds, table.FukOddsLow, runners, table.TanPop);
    rankHorses(table.FukOddsLow, table.FukOddsHigh, runners, table.FukLowPop);
}

// The combination list of the kind at `Kind` in kOddsKindLayouts, its field widths known at compile time.
template <std::size_t Kind>
void readCombinations(std::string_view record, OddsTable& table) {
    constexpr OddsKindLayout layout = kOddsKindLayouts[Kind];
    constexpr OddsEntryList list = layout.combinations;
    const std::span<double> odds = table.combinationOdds(layout.kind);
    const std::span<int> popularity = table.combinationPopularity(layout.kind);
    const char* oddsAt = fieldAt(record, list.odds, 0, 0);
    const char* popularityAt = fieldAt(record, list.popularity, 0, 0);
    for (int k = 1; k <= list.count; ++k) {
        const OddsValue value = readOdds<list.odds.width>(oddsAt);
        odds[k] = value.odds;
        popularity[k] = value.sentinel ? 0 : readNumber<list.popularity.width>(popularityAt);
        oddsAt += list.stride;
        popularityAt += list.stride;
    }
}

// Calls `f` with the kind's index in kOddsKindLayouts as a compile-time constant
// (std::integral_constant), so that its field widths are known to the reading.
template <class F>
auto withKind(OddsKind kind, F f) {
    switch (kind) {
        case OddsKind::O1: return f(std::integral_constant<std::size_t, 0>{});
        case OddsKind::O2: return f(std::integral_constant<std::size_t, 1>{});
        case OddsKind::O3: return f(std::integral_constant<std::size_t, 2>{});
        case OddsKind::O4: return f(std::integral_constant<std::size_t, 3>{});
        case OddsKind::O5: return f(std::integral_constant<std::size_t, 4>{});
        case OddsKind::O6: break;
    }
    return f(std::integral_constant<std::size_t, 5>{});
}

}  // namespace

OddsRawRecords blankOddsRecords() {
    static const std::array<std::string, kOddsKindCount> lines = [] {
        std::array<std::string, kOddsKindCount> blank;
        for (const auto& layout : kOddsKindLayouts) {
            std::string record = blankRecord(layout.type);
            blank[kindIndex(layout.kind)] = record.substr(0, record.size() - 2);
        }
        return blank;
    }();
    OddsRawRecords views;
    for (std::size_t i = 0; i < views.size(); ++i) views[i] = lines[i];
    return views;
}

void fillWinPlaceOdds(const OddsRawRecords& raw, int registered, WinPlaceOdds& table) {
    // Every entry of the horse lists is written: the horses' entries below, the others and index 0 cleared.
    for (auto* odds : {&table.TanOdds, &table.FukOddsLow, &table.FukOddsHigh}) odds->fill(0.0);
    table.TanPop.fill(0);
    table.FukLowPop.fill(0);
    const int runners = std::clamp(registered, 0, kRunnerSlotCount);
    readWinAndPlace(soundOrBlank(raw[kindIndex(OddsKind::O1)], oddsKindLayout(OddsKind::O1)), runners, table);
}

void fillCombinationOdds(const OddsRawRecords& raw, OddsKind kind, OddsTable& table) {
    // Every combination entry is written below; the unused index 0 is cleared.
    table.combinationOdds(kind)[0] = 0.0;
    table.combinationPopularity(kind)[0] = 0;
    withKind(kind, [&](auto index) {
        constexpr std::size_t Kind = decltype(index)::value;
        readCombinations<Kind>(soundOrBlank(raw[Kind], kOddsKindLayouts[Kind]), table);
    });
}

void fillOddsTable(const OddsRawRecords& raw, int registered, OddsTable& table) {
    fillWinPlaceOdds(raw, registered, table);
    for (OddsKind kind : kAllOddsKinds) fillCombinationOdds(raw, kind, table);
}

CombinationOddsReader::CombinationOddsReader(const OddsRawRecords& raw, OddsKind kind)
    : m_kind(kind), m_record(soundOrBlank(raw[kindIndex(kind)], oddsKindLayout(kind))) {}

int CombinationOddsReader::count() const { return oddsKindLayout(m_kind).combinations.count; }

double CombinationOddsReader::odds(int number) const {
    return withKind(m_kind, [&](auto index) {
        constexpr OddsEntryList list = kOddsKindLayouts[decltype(index)::value].combinations;
        if (number < 1 || number > list.count) return 0.0;
        return readOdds<list.odds.width>(fieldAt(m_record, list.odds, list.stride, number - 1)).odds;
    });
}

OddsTable deriveOddsTable(const OddsRawRecords& raw, int registered) {
    OddsTable table;
    fillOddsTable(raw, registered, table);
    return table;
}

}  // namespace marovix
