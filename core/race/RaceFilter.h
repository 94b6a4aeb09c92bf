#pragma once
// The race-attribute filter shared by the choice of automatic operation's target races and by the
// verification of simulation records: six multi-select lists (course, track, age, class, weight rule,
// runners) and a distance range, tested against the attributes of a race.
//
// A list with no selected item does not restrict; a list with selected items passes when at least one of
// them matches; the distance range always applies, both ends included. Codes are compared as numbers (the
// condition code "005" equals 5), the grade as its letter.
#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace marovix {

// The lists, in the order the windows show them.
enum class FilterListId { BashoList0, TrackList0, AgeList0, ClassList0, JuryoList0, TosuList0, Count };
inline constexpr int kFilterListCount = static_cast<int>(FilterListId::Count);

// The control name ("BashoList0"), its caption ("競馬場") and its items in order.
std::string_view filterListName(FilterListId list);
std::string_view filterListCaption(FilterListId list);
std::span<const std::string_view> filterListItems(FilterListId list);

// The distance edits KyoriEdit01 and KyoriEdit02: their ranges, step and design values.
struct DistanceRange {
    int minimum;
    int maximum;
};
inline constexpr DistanceRange kKyoriEdit01Range{1000, 3000};
inline constexpr DistanceRange kKyoriEdit02Range{1000, 5000};
inline constexpr int kKyoriStep = 100;
inline constexpr int kKyoriFromDefault = 1000;
inline constexpr int kKyoriToDefault = 5000;

// What the filter looks at in a race, read from a race record or a simulation record.
struct RaceAttributes {
    int trackCode = 0;
    int courseCode = 0;
    int raceTypeCode = 0;
    int conditionCode = 0;  // the youngest age group's condition ("005", "701", "999", ...)
    std::string gradeCode;  // one letter: "A" G1, "B" G2, "C" G3, "L" listed, ...
    int weightRuleCode = 0;
    int registeredRunners = 0;
    int distance = 0;
    friend bool operator==(const RaceAttributes&, const RaceAttributes&) = default;
};

// The attributes of a race record (RA): track 706-707, course 20-21, race type 617-618, condition 635-637,
// grade 615, weight rule 622, registered runners 882-883, distance 698-701.
RaceAttributes raceAttributes(std::string_view raceRecord);

// Whether item `item` (0-based) of `list` matches the race:
// - TrackList0: "芝" track 10..22, "ダート" 23..29, "障害" 51..59;
// - BashoList0: item k course k + 1; JuryoList0: item k weight rule k + 1; TosuList0: item k k + 5 runners;
// - AgeList0: "２歳" race type 11, "３歳" 12, "３歳上" 13 or 18, "４歳上" 14 or 19;
// - ClassList0: "新馬" condition 701, "未勝利" 703, "1勝ｸﾗｽ" 5, "2勝ｸﾗｽ" 10, "3勝ｸﾗｽ" 16, "オープン" condition 999
//   with a grade other than A, B, C and L, "Listed" grade L, "G３" C, "G２" B, "G１" A.
// An item outside the list matches nothing.
bool filterItemMatches(FilterListId list, int item, const RaceAttributes& race);

// The filter as the lists and the distance edits hold it.
struct RaceFilter {
    // One flag per item of each list, indexed by FilterListId; every item starts unselected.
    std::array<std::vector<bool>, kFilterListCount> selected;
    int kyoriFrom = kKyoriFromDefault;
    int kyoriTo = kKyoriToDefault;

    RaceFilter();
    std::vector<bool>& list(FilterListId id) { return selected[static_cast<std::size_t>(id)]; }
    const std::vector<bool>& list(FilterListId id) const { return selected[static_cast<std::size_t>(id)]; }
    friend bool operator==(const RaceFilter&, const RaceFilter&) = default;
};

// Whether the race passes every list and the distance range.
bool racePasses(const RaceFilter& filter, const RaceAttributes& race);

}  // namespace marovix
