#pragma once
// The target races of automatic operation (NaviTarget) as the tab "対象レース指定" chooses them, either by
// race attributes (the six lists and the distance range of RaceFilter) or one by one (RaceList0), and the
// lines of NavRListBox that name them.
#include <array>
#include <span>
#include <string>
#include <vector>

#include "core/race/RaceFilter.h"
#include "core/race/RaceSlot.h"

namespace marovix {

// PickMethodGroup: "レース属性指定" (0) or "個別レース指定" (1).
enum class PickMethod { ByAttributes = 0, OneByOne = 1 };

// What the tab holds when NaviSetBtn is clicked.
struct TargetChoice {
    PickMethod pickWay = PickMethod::ByAttributes;
    RaceFilter filter;
    // Per entry of the race list: selected in RaceList0.
    std::vector<bool> raceList0;
    friend bool operator==(const TargetChoice&, const TargetChoice&) = default;
};

struct NaviTargets {
    // Per race slot: a target of automatic operation.
    std::array<bool, kRaceSlotCount> naviTarget{};
    // NavRListBox: one line per target, sorted as text (so in post-time order).
    std::vector<std::string> navRListBox;
    friend bool operator==(const NaviTargets&, const NaviTargets&) = default;
};

// The targets among the races of the race list (`raceList`: entry i shows race slot raceList[i]). By
// attributes a race is a target when it passes the filter; one by one when its entry is selected in
// RaceList0 (an entry beyond RaceList0's items is not selected). Slots outside 0..35 are skipped.
NaviTargets computeNaviTargets(const RaceRecords& races, std::span<const RaceSlot> raceList,
                               const TargetChoice& choice);

// A line of NavRListBox: "hh:mm", a blank, course name, race number ("%2d") and "R ", registered runners
// ("%2d") and "頭 ", track name, distance and "m ", race-type name, a blank, weight-rule name, a blank,
// class name.
std::string navRListLine(const RaceRecord& race);

}  // namespace marovix
