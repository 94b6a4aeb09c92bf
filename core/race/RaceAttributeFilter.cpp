#include "core/race/RaceAttributeFilter.h"

#include <algorithm>

namespace marovix {

FilterListId filterListOf(AttributeList list) {
    switch (list) {
        case AttributeList::Basho: return FilterListId::BashoList0;
        case AttributeList::Track: return FilterListId::TrackList0;
        case AttributeList::Class: return FilterListId::ClassList0;
        case AttributeList::Age: return FilterListId::AgeList0;
        case AttributeList::Juryo: return FilterListId::JuryoList0;
        case AttributeList::Tosu: return FilterListId::TosuList0;
        case AttributeList::Count: break;
    }
    return FilterListId::Count;
}

std::span<const std::string_view> attributeItems(AttributeList list) {
    return list == AttributeList::Count ? std::span<const std::string_view>() : filterListItems(filterListOf(list));
}

std::string_view attributeListCaption(AttributeList list) {
    return list == AttributeList::Count ? std::string_view() : filterListCaption(filterListOf(list));
}

bool attributeItemMatches(AttributeList list, int item, const RaceAttributes& race) {
    return list != AttributeList::Count && filterItemMatches(filterListOf(list), item, race);
}

RaceAttributeFilter::RaceAttributeFilter() = default;

bool RaceAttributeFilter::selected(AttributeList list, int item) const {
    const auto& chosen = items(list);
    return item >= 0 && item < static_cast<int>(chosen.size()) && chosen[static_cast<std::size_t>(item)];
}

void RaceAttributeFilter::select(AttributeList list, int item, bool on) {
    auto& chosen = items(list);
    if (item >= 0 && item < static_cast<int>(chosen.size())) chosen[static_cast<std::size_t>(item)] = on;
}

void RaceAttributeFilter::selectAll(AttributeList list, bool on) {
    auto& chosen = items(list);
    std::fill(chosen.begin(), chosen.end(), on);
}

bool RaceAttributeFilter::anySelected(AttributeList list) const {
    const auto& chosen = items(list);
    return std::find(chosen.begin(), chosen.end(), true) != chosen.end();
}

void RaceAttributeFilter::toggleAll(AttributeList list) { selectAll(list, !anySelected(list)); }

bool RaceAttributeFilter::passes(const RaceAttributes& race) const { return racePasses(m_filter, race); }

}  // namespace marovix
