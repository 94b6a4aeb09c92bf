#pragma once
// The race-attribute lists as the verification of a simulation orders them (its settings are read in this
// order), over the one filter that the targets of automatic operation use too (RaceFilter.h): the same
// items, captions and rules.
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

// The list of RaceFilter.h that `list` is.
FilterListId filterListOf(AttributeList list);
// Whether item `item` (0-based) of `list` matches the race (filterItemMatches).
bool attributeItemMatches(AttributeList list, int item, const RaceAttributes& race);

// The selected items of the six lists and the distance range.
class RaceAttributeFilter {
public:
    static constexpr int kDefaultDistanceFrom = kKyoriFromDefault;
    static constexpr int kDefaultDistanceTo = kKyoriToDefault;

    // No item selected, the distance range 1000 to 5000.
    RaceAttributeFilter();

    bool selected(AttributeList list, int item) const;
    // An item outside the list is ignored.
    void select(AttributeList list, int item, bool on);
    void selectAll(AttributeList list, bool on);
    bool anySelected(AttributeList list) const;
    // The right-button click on a list: clears it when an item is selected, selects every item otherwise.
    void toggleAll(AttributeList list);

    int distanceFrom() const { return m_filter.kyoriFrom; }
    int distanceTo() const { return m_filter.kyoriTo; }
    void setDistanceRange(int from, int to) {
        m_filter.kyoriFrom = from;
        m_filter.kyoriTo = to;
    }

    // The lists' selections and the distance range as one filter.
    const RaceFilter& raceFilter() const { return m_filter; }

    // A list with no selected item does not restrict; one with selected items needs one that matches; the
    // distance must lie in the range, both ends included.
    bool passes(const RaceAttributes& race) const;

private:
    std::vector<bool>& items(AttributeList list) { return m_filter.list(filterListOf(list)); }
    const std::vector<bool>& items(AttributeList list) const { return m_filter.list(filterListOf(list)); }

    RaceFilter m_filter;
};

}  // namespace marovix
