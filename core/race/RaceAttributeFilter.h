#pragma once
// The race-attribute lists that choose races by course, track, age group, class, weight rule and number of
// runners, with a distance range: the targets of automatic operation and the verification of a simulation
// filter races with the same lists, items and rules.
#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/race/RaceFilter.h"

namespace marovix {

// The six lists, in the order their settings are read.
enum class AttributeList { Basho, Track, Class, Age, Juryo, Tosu, Count };
constexpr std::size_t kAttributeListCount = static_cast<std::size_t>(AttributeList::Count);

// The items of a list as the window shows them ("札幌" ... "小倉"; "芝" "ダート" "障害"; ...; " 5頭" ... "18頭").
std::span<const std::string_view> attributeItems(AttributeList list);
// The list's caption ("競馬場", "トラック", "クラス", "種別", "重量", "頭数").
std::string_view attributeListCaption(AttributeList list);

// Whether item `item` (0-based) of `list` matches the race: "芝" track codes 10-22, "ダート" 23-29, "障害"
// 51-59; course k + 1; "２歳" race type 11, "３歳" 12, "３歳上" 13 or 18, "４歳上" 14 or 19; "G１" grade A,
// "G２" B, "G３" C, "Listed" L, "新馬" condition 701, "未勝利" 703, "1勝ｸﾗｽ" 5, "2勝ｸﾗｽ" 10, "3勝ｸﾗｽ" 16,
// "オープン" condition 999 with a grade other than A, B, C and L; weight rule k + 1; runners k + 5.
bool attributeItemMatches(AttributeList list, int item, const RaceAttributes& race);

// The selected items of the six lists and the distance range.
class RaceAttributeFilter {
public:
    static constexpr int kDefaultDistanceFrom = 1000;
    static constexpr int kDefaultDistanceTo = 5000;

    // No item selected, the distance range 1000 to 5000.
    RaceAttributeFilter();

    bool selected(AttributeList list, int item) const;
    // An item outside the list is ignored.
    void select(AttributeList list, int item, bool on);
    void selectAll(AttributeList list, bool on);
    bool anySelected(AttributeList list) const;
    // The right-button click on a list: clears it when an item is selected, selects every item otherwise.
    void toggleAll(AttributeList list);

    int distanceFrom() const { return m_distanceFrom; }
    int distanceTo() const { return m_distanceTo; }
    void setDistanceRange(int from, int to) {
        m_distanceFrom = from;
        m_distanceTo = to;
    }

    // A list with no selected item does not restrict; one with selected items needs one that matches; the
    // distance must lie in the range, both ends included.
    bool passes(const RaceAttributes& race) const;

private:
    std::array<std::vector<bool>, kAttributeListCount> m_selected;
    int m_distanceFrom = kDefaultDistanceFrom;
    int m_distanceTo = kDefaultDistanceTo;
};

}  // namespace marovix
