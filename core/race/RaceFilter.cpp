#include "core/race/RaceFilter.h"

#include <algorithm>

#include "core/race/JvRecord.h"
#include "core/race/RecordFields.h"

namespace marovix {
namespace {

constexpr std::string_view kBasho[] = {"札幌", "函館", "福島", "新潟", "東京", "中山", "中京", "京都", "阪神", "小倉"};
constexpr std::string_view kTrack[] = {"芝", "ダート", "障害"};
constexpr std::string_view kAge[] = {"２歳", "３歳", "３歳上", "４歳上"};
constexpr std::string_view kClass[] = {"新馬",     "未勝利", "1勝ｸﾗｽ", "2勝ｸﾗｽ", "3勝ｸﾗｽ",
                                       "オープン", "Listed", "G３",    "G２",    "G１"};
constexpr std::string_view kJuryo[] = {"ハンデ", "別定", "馬齢", "定量"};
constexpr std::string_view kTosu[] = {" 5頭", " 6頭", " 7頭", " 8頭", " 9頭", "10頭", "11頭",
                                      "12頭", "13頭", "14頭", "15頭", "16頭", "17頭", "18頭"};

struct ListInfo {
    std::string_view name;
    std::string_view caption;
    std::span<const std::string_view> items;
};

constexpr ListInfo kLists[kFilterListCount] = {
    {"BashoList0", "競馬場", kBasho}, {"TrackList0", "トラック", kTrack}, {"AgeList0", "種別", kAge},
    {"ClassList0", "クラス", kClass}, {"JuryoList0", "重量", kJuryo},     {"TosuList0", "頭数", kTosu},
};

const ListInfo& info(FilterListId list) { return kLists[static_cast<std::size_t>(list)]; }

bool between(int value, int low, int high) { return value >= low && value <= high; }

bool gradedOrListed(const std::string& grade) { return grade == "A" || grade == "B" || grade == "C" || grade == "L"; }

bool classMatches(int item, const RaceAttributes& race) {
    // In the order of the list's items.
    switch (item) {
        case 0: return race.conditionCode == 701;
        case 1: return race.conditionCode == 703;
        case 2: return race.conditionCode == 5;
        case 3: return race.conditionCode == 10;
        case 4: return race.conditionCode == 16;
        case 5: return race.conditionCode == 999 && !gradedOrListed(race.gradeCode);
        case 6: return race.gradeCode == "L";
        case 7: return race.gradeCode == "C";
        case 8: return race.gradeCode == "B";
        case 9: return race.gradeCode == "A";
        default: return false;
    }
}

}  // namespace

std::string_view filterListName(FilterListId list) { return info(list).name; }
std::string_view filterListCaption(FilterListId list) { return info(list).caption; }
std::span<const std::string_view> filterListItems(FilterListId list) { return info(list).items; }

RaceAttributes raceAttributes(std::string_view race) {
    return RaceAttributes{fieldNumber(race, RaField::trackCode),
                          fieldNumber(race, RaField::courseCode),
                          fieldNumber(race, RaField::raceTypeCode),
                          fieldNumber(race, RaField::youngestConditionCode),
                          std::string(fieldText(race, RaField::gradeCode)),
                          fieldNumber(race, RaField::weightRuleCode),
                          fieldNumber(race, RaField::registeredRunners),
                          fieldNumber(race, RaField::distance)};
}

bool filterItemMatches(FilterListId list, int item, const RaceAttributes& race) {
    if (item < 0 || item >= static_cast<int>(filterListItems(list).size())) return false;
    switch (list) {
        case FilterListId::TrackList0: {
            constexpr int kLow[] = {10, 23, 51};
            constexpr int kHigh[] = {22, 29, 59};
            return between(race.trackCode, kLow[item], kHigh[item]);
        }
        case FilterListId::BashoList0: return race.courseCode == item + 1;
        case FilterListId::AgeList0: {
            constexpr int kFirst[] = {11, 12, 13, 14};
            constexpr int kSecond[] = {11, 12, 18, 19};
            return race.raceTypeCode == kFirst[item] || race.raceTypeCode == kSecond[item];
        }
        case FilterListId::ClassList0: return classMatches(item, race);
        case FilterListId::JuryoList0: return race.weightRuleCode == item + 1;
        case FilterListId::TosuList0: return race.registeredRunners == item + 5;
        case FilterListId::Count: break;
    }
    return false;
}

RaceFilter::RaceFilter() {
    for (int list = 0; list < kFilterListCount; ++list)
        selected[static_cast<std::size_t>(list)].assign(filterListItems(static_cast<FilterListId>(list)).size(), false);
}

bool racePasses(const RaceFilter& filter, const RaceAttributes& race) {
    for (int list = 0; list < kFilterListCount; ++list) {
        const auto id = static_cast<FilterListId>(list);
        const std::vector<bool>& chosen = filter.list(id);
        if (std::find(chosen.begin(), chosen.end(), true) == chosen.end()) continue;
        bool matched = false;
        for (std::size_t item = 0; item < chosen.size() && !matched; ++item)
            matched = chosen[item] && filterItemMatches(id, static_cast<int>(item), race);
        if (!matched) return false;
    }
    return between(race.distance, filter.kyoriFrom, filter.kyoriTo);
}

}  // namespace marovix
