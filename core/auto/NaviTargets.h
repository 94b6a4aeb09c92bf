#pragma once
// The target races of automatic operation (NaviTarget): by race attributes through the race filter, or one
// by one from the individual race list, as the tab "対象レース指定" keeps them in the settings.
#include <array>
#include <vector>

#include "core/race/RaceFilter.h"
#include "core/race/RaceSlot.h"

namespace marovix {

class SettingsSnapshot;

struct NaviTargetChoice {
    int pickWay = 0;  // TaishoR/PickWay: 0 "レース属性指定", 1 "個別レース指定"
    RaceFilter filter;
    // RaceList0's selection by race-list entry; entries beyond it count as selected (the list is refilled
    // all selected at every selection of a race day).
    std::vector<bool> raceList0;
};

// The choice as the settings keep it: the lists read chained (a value of 1 selects an item, any other
// leaves it unselected) and the distance range of section RaceFilter.
NaviTargetChoice naviTargetChoice(const SettingsSnapshot& settings);

using NaviTargetFlags = std::array<bool, kRaceSlotCount>;

// The targets among the races of the race list (`listed`, race slots in list order): by attributes each
// race passing the filter, one by one each race whose RaceList0 entry is selected.
NaviTargetFlags naviTargets(const RaceRecords& races, const std::vector<RaceSlot>& listed,
                            const NaviTargetChoice& choice);

}  // namespace marovix
