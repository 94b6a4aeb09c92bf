#include "core/race/RaceAttributeFilter.h"

#include <algorithm>

#include "core/race/JvRecord.h"
#include "core/race/RecordFields.h"

namespace marovix {
namespace {

constexpr std::string_view kBasho[] = {"札幌", "函館", "福島", "新潟", "東京", "中山", "中京", "京都", "阪神", "小倉"};
constexpr std::string_view kTrack[] = {"芝", "ダート", "障害"};
constexpr std::string_view kClass[] = {"新馬",     "未勝利", "1勝ｸﾗｽ", "2勝ｸﾗｽ", "3勝ｸﾗｽ",
                                       "オープン", "Listed", "G３",    "G２",    "G１"};
constexpr std::string_view kAge[] = {"２歳", "３歳", "３歳上", "４歳上"};
constexpr std::string_view kJuryo[] = {"ハンデ", "別定", "馬齢", "定量"};
constexpr std::string_view kTosu[] = {" 5頭", " 6頭", " 7頭", " 8頭", " 9頭", "10頭", "11頭",
                                      "12頭", "13頭", "14頭", "15頭", "16頭", "17頭", "18頭"};
constexpr std::string_view kCaptions[] = {"競馬場", "トラック", "クラス", "種別", "重量", "頭数"};

bool between(int value, int from, int to) { return value >= from && value <= to; }

bool classMatches(int item, const RaceAttributes& race) {
    const std::string& grade = race.gradeCode;
    switch (item) {
        case 0: return race.conditionCode == 701;
        case 1: return race.conditionCode == 703;
        case 2: return race.conditionCode == 5;
        case 3: return race.conditionCode == 10;
        case 4: return race.conditionCode == 16;
        case 5: return race.conditionCode == 999 && grade != "A" && grade != "B" && grade != "C" && grade != "L";
        case 6: return grade == "L";
        case 7: return grade == "C";
        case 8: return grade == "B";
        case 9: return grade == "A";
        default: return false;
    }
}

}  // namespace

std::span<const std::string_view> attributeItems(AttributeList list) {
    switch (list) {
        case AttributeList::Basho: return kBasho;
        case AttributeList::Track: return kTrack;
        case AttributeList::Class: return kClass;
        case AttributeList::Age: return kAge;
        case AttributeList::Juryo: return kJuryo;
        case AttributeList::Tosu: return kTosu;
        case AttributeList::Count: break;
    }
    return {};
}

std::string_view attributeListCaption(AttributeList list) {
    const auto index = static_cast<std::size_t>(list);
    return index < kAttributeListCount ? kCaptions[index] : std::string_view();
}

bool attributeItemMatches(AttributeList list, int item, const RaceAttributes& race) {
    switch (list) {
        case AttributeList::Basho: return race.courseCode == item + 1;
        case AttributeList::Track:
            return item == 0   ? between(race.trackCode, 10, 22)
                   : item == 1 ? between(race.trackCode, 23, 29)
                               : item == 2 && between(race.trackCode, 51, 59);
        case AttributeList::Class: return classMatches(item, race);
        case AttributeList::Age: {
            constexpr int kFirst[] = {11, 12, 13, 14};
            constexpr int kSecond[] = {11, 12, 18, 19};
            if (item < 0 || item > 3) return false;
            return race.raceTypeCode == kFirst[item] || race.raceTypeCode == kSecond[item];
        }
        case AttributeList::Juryo: return race.weightRuleCode == item + 1;
        case AttributeList::Tosu: return race.registeredRunners == item + 5;
        case AttributeList::Count: break;
    }
    return false;
}

RaceAttributeFilter::RaceAttributeFilter() {
    for (std::size_t list = 0; list < kAttributeListCount; ++list)
        m_selected[list].assign(attributeItems(static_cast<AttributeList>(list)).size(), false);
}

bool RaceAttributeFilter::selected(AttributeList list, int item) const {
    const auto& items = m_selected[static_cast<std::size_t>(list)];
    return item >= 0 && item < static_cast<int>(items.size()) && items[static_cast<std::size_t>(item)];
}

void RaceAttributeFilter::select(AttributeList list, int item, bool on) {
    auto& items = m_selected[static_cast<std::size_t>(list)];
    if (item >= 0 && item < static_cast<int>(items.size())) items[static_cast<std::size_t>(item)] = on;
}

void RaceAttributeFilter::selectAll(AttributeList list, bool on) {
    auto& items = m_selected[static_cast<std::size_t>(list)];
    std::fill(items.begin(), items.end(), on);
}

bool RaceAttributeFilter::anySelected(AttributeList list) const {
    const auto& items = m_selected[static_cast<std::size_t>(list)];
    return std::find(items.begin(), items.end(), true) != items.end();
}

void RaceAttributeFilter::toggleAll(AttributeList list) { selectAll(list, !anySelected(list)); }

bool RaceAttributeFilter::passes(const RaceAttributes& race) const {
    for (std::size_t index = 0; index < kAttributeListCount; ++index) {
        const auto list = static_cast<AttributeList>(index);
        if (!anySelected(list)) continue;
        bool matched = false;
        for (int item = 0; item < static_cast<int>(m_selected[index].size()) && !matched; ++item)
            matched = m_selected[index][static_cast<std::size_t>(item)] && attributeItemMatches(list, item, race);
        if (!matched) return false;
    }
    return between(race.distance, m_distanceFrom, m_distanceTo);
}

}  // namespace marovix
