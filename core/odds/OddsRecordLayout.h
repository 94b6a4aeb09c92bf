#pragma once
// The odds records O1 (win, place, bracket quinella), O2 (quinella), O3 (quinella place), O4 (exacta),
// O5 (trio) and O6 (trifecta): where they hold the fields the odds reading uses. Positions are 1-based
// bytes as JV-Data numbers them; every reader of odds records cuts its fields through these tables.
#include <array>
#include <string_view>

#include "core/odds/CombinationNumber.h"
#include "core/odds/FieldDigits.h"
#include "core/race/RecordLayout.h"

namespace marovix {

enum class OddsKind { O1, O2, O3, O4, O5, O6 };
inline constexpr int kOddsKindCount = 6;
inline constexpr std::array<OddsKind, kOddsKindCount> kAllOddsKinds = {OddsKind::O1, OddsKind::O2, OddsKind::O3,
                                                                       OddsKind::O4, OddsKind::O5, OddsKind::O6};
inline constexpr int kindIndex(OddsKind kind) { return static_cast<int>(kind); }

// A field: 1-based position and width in bytes. A width of 0 means the list has no such field.
struct OddsFieldSpan {
    int position = 0;
    int width = 0;
};

// The identification fields, at the same positions in every odds kind.
struct OddsKeyFields {
    static constexpr OddsFieldSpan MeetingMonthDay{16, 4};
    static constexpr OddsFieldSpan CourseCode{20, 2};
    static constexpr OddsFieldSpan RaceNumber{26, 2};
    static constexpr OddsFieldSpan AnnouncedMonthDay{28, 4};
    static constexpr OddsFieldSpan AnnouncedHour{32, 2};
    static constexpr OddsFieldSpan AnnouncedMinute{34, 2};
};

// A list of entries in an odds record: entry i (0-based; horse i + 1, or combination number i + 1) holds
// its fields at their position + i x stride.
struct OddsEntryList {
    int count;                 // entries in the record
    int stride;                // bytes from one entry to the next
    OddsFieldSpan odds;        // the odds in 0.1 units; the lower end for place
    OddsFieldSpan oddsHigh;    // place only: the upper end
    OddsFieldSpan popularity;  // as published; win and place have their ranks computed instead
};

struct OddsKindLayout {
    OddsKind kind;
    std::string_view type;       // record type, positions 1-2
    std::string_view extension;  // of the day odds file: Data/<DayText>.jvO1 ...
    std::string_view prefix;     // bet type of the combination list: "WR", "UR", ...
    OddsEntryList combinations;  // by combination number
};

// O1's horse lists: 28 entries each, of which the race's registered runners are read.
inline constexpr OddsEntryList kWinOddsList{28, 8, {46, 4}, {}, {}};
inline constexpr OddsEntryList kPlaceOddsList{28, 12, {270, 4}, {274, 4}, {}};

inline constexpr std::array<OddsKindLayout, kOddsKindCount> kOddsKindLayouts = {{
    {OddsKind::O1, "O1", ".jvO1", "WR", {kCombinationsWR, 9, {606, 5}, {}, {611, 2}}},
    {OddsKind::O2, "O2", ".jvO2", "UR", {kCombinationsPair, 13, {45, 6}, {}, {51, 3}}},
    {OddsKind::O3, "O3", ".jvO3", "WD", {kCombinationsPair, 17, {45, 5}, {}, {55, 3}}},
    {OddsKind::O4, "O4", ".jvO4", "UT", {kCombinationsUT, 13, {45, 6}, {}, {51, 3}}},
    {OddsKind::O5, "O5", ".jvO5", "SRF", {kCombinationsSRF, 15, {47, 6}, {}, {53, 3}}},
    {OddsKind::O6, "O6", ".jvO6", "SRT", {kCombinationsSRT, 17, {47, 7}, {}, {54, 4}}},
}};

inline constexpr const OddsKindLayout& oddsKindLayout(OddsKind kind) { return kOddsKindLayouts[kindIndex(kind)]; }

namespace detail {
// A field lies before the record's CR LF, holds at most kMaxFieldDigits bytes, and eight bytes can be
// read from its start before the CR LF (FieldDigits.h reads it so, also from a line without CR LF).
constexpr bool fieldFits(const OddsEntryList& list, OddsFieldSpan field, std::string_view type) {
    if (field.width == 0) return true;
    const int start = field.position + (list.count - 1) * list.stride;
    for (const auto& layout : kRecordLayouts)
        if (layout.type == type)
            return field.width <= kMaxFieldDigits && start + field.width - 1 <= layout.length - 2 &&
                   start + 8 - 1 <= layout.length - 2;
    return false;
}
constexpr bool listFits(const OddsEntryList& list, std::string_view type) {
    return fieldFits(list, list.odds, type) && fieldFits(list, list.oddsHigh, type) &&
           fieldFits(list, list.popularity, type);
}
constexpr bool allListsFit() {
    for (const auto& kind : kOddsKindLayouts)
        if (!listFits(kind.combinations, kind.type) || kOddsKindLayouts[kindIndex(kind.kind)].kind != kind.kind)
            return false;
    return listFits(kWinOddsList, "O1") && listFits(kPlaceOddsList, "O1");
}
}  // namespace detail
static_assert(detail::allListsFit(), "every odds field lies inside its record");

}  // namespace marovix
