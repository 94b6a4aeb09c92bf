#pragma once
// The odds records O1 (win, place, bracket quinella), O2 (quinella), O3 (quinella place), O4 (exacta),
// O5 (trio) and O6 (trifecta): where they hold the fields the odds reading uses. Positions are 1-based
// bytes as JV-Data numbers them; every reader of odds records cuts its fields through these tables.
#include <array>
#include <string_view>

#include "core/odds/CombinationNumber.h"
#include "core/odds/FieldDigits.h"
#include "core/race/RecordLayout.h"

#include "core/race/RecordFields.h"

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

// A field of the record-field tables (core/race/RecordFields.h) as the odds reading cuts it.
constexpr OddsFieldSpan span(RecordField field) { return {field.position, field.length}; }
constexpr OddsFieldSpan span(RepeatedField field) { return {field.position, field.count > 0 ? field.length : 0}; }

// The identification fields, at the same positions in every odds kind.
struct OddsKeyFields {
    static constexpr OddsFieldSpan MeetingMonthDay = span(OddsField::monthDay);
    static constexpr OddsFieldSpan CourseCode = span(OddsField::courseCode);
    static constexpr OddsFieldSpan RaceNumber = span(OddsField::raceNumber);
    static constexpr OddsFieldSpan AnnouncedMonthDay = span(OddsField::announcedMonthDay);
    static constexpr OddsFieldSpan AnnouncedHour = span(OddsField::announcedHour);
    static constexpr OddsFieldSpan AnnouncedMinute = span(OddsField::announcedMinute);
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

// An odds list of the record-field tables as the odds reading reads it.
constexpr OddsEntryList entryList(const OddsList& list, bool popularity = true) {
    return {list.odds.count, list.odds.stride, span(list.odds), span(list.oddsHigh),
            popularity ? span(list.popularity) : OddsFieldSpan{}};
}

// O1's horse lists: 28 entries each, of which the race's registered runners are read; their ranks are
// computed, not taken from the record.
inline constexpr OddsEntryList kWinOddsList = entryList(O1Field::win, false);
inline constexpr OddsEntryList kPlaceOddsList = entryList(O1Field::place, false);

inline constexpr std::array<OddsKindLayout, kOddsKindCount> kOddsKindLayouts = {{
    {OddsKind::O1, O1Field::type, ".jvO1", "WR", entryList(O1Field::bracketQuinella)},
    {OddsKind::O2, O2Field::type, ".jvO2", "UR", entryList(O2Field::quinella)},
    {OddsKind::O3, O3Field::type, ".jvO3", "WD", entryList(O3Field::quinellaPlace, true)},
    {OddsKind::O4, O4Field::type, ".jvO4", "UT", entryList(O4Field::exacta)},
    {OddsKind::O5, O5Field::type, ".jvO5", "SRF", entryList(O5Field::trio)},
    {OddsKind::O6, O6Field::type, ".jvO6", "SRT", entryList(O6Field::trifecta)},
}};
static_assert(kOddsKindLayouts[0].combinations.count == kCombinationsWR &&
              kOddsKindLayouts[1].combinations.count == kCombinationsPair &&
              kOddsKindLayouts[3].combinations.count == kCombinationsUT &&
              kOddsKindLayouts[4].combinations.count == kCombinationsSRF &&
              kOddsKindLayouts[5].combinations.count == kCombinationsSRT);

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
