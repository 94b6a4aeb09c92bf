#include "core/strategy/NaviTargets.h"

#include <algorithm>
#include <cstdio>

#include "core/race/JvRecord.h"
#include "core/race/KeibaFunc.h"
#include "core/race/RecordFields.h"

namespace marovix {
namespace {

std::string twoDigits(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%2d", value);
    return text;
}

bool isTarget(const RaceRecord& race, std::size_t entry, const TargetChoice& choice) {
    if (choice.pickWay == PickMethod::OneByOne) return entry < choice.raceList0.size() && choice.raceList0[entry];
    return racePasses(choice.filter, raceAttributes(race));
}

}  // namespace

std::string navRListLine(const RaceRecord& race) {
    const std::string postTime(fieldText(race, RaField::postTime));
    const std::string hhmm = postTime.size() == 4 ? postTime.substr(0, 2) + ":" + postTime.substr(2, 2) : "  :  ";
    return hhmm + " " + CourseName(fieldUtf8(race, RaField::courseCode)) +
           twoDigits(fieldNumber(race, RaField::raceNumber)) + "R " +
           twoDigits(fieldNumber(race, RaField::registeredRunners)) + "頭 " +
           TrackShortText(fieldUtf8(race, RaField::trackCode)) + std::to_string(fieldNumber(race, RaField::distance)) +
           "m " + RaceTypeText(fieldUtf8(race, RaField::raceTypeCode), 4) + " " +
           WeightRuleText(fieldUtf8(race, RaField::weightRuleCode)) + " " +
           ClassText(fieldUtf8(race, RaField::youngestConditionCode));
}

NaviTargets computeNaviTargets(const RaceRecords& races, std::span<const RaceSlot> raceList,
                               const TargetChoice& choice) {
    NaviTargets targets;
    for (std::size_t entry = 0; entry < raceList.size(); ++entry) {
        const RaceSlot slot = raceList[entry];
        if (slot < 0 || slot >= kRaceSlotCount) continue;
        const RaceRecord& race = races[static_cast<std::size_t>(slot)];
        if (!isTarget(race, entry, choice)) continue;
        targets.naviTarget[static_cast<std::size_t>(slot)] = true;
        targets.navRListBox.push_back(navRListLine(race));
    }
    std::sort(targets.navRListBox.begin(), targets.navRListBox.end());
    return targets;
}

}  // namespace marovix
