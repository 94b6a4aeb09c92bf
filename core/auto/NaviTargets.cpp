#include "core/auto/NaviTargets.h"

#include "core/settings/SettingsSnapshot.h"
#include "core/settings/SettingsTable.h"

namespace marovix {
namespace {

// The filter's list of each settings list, in the settings' reading order.
constexpr FilterListId kListOfSettings[settings::RaceFilterListCount] = {
    FilterListId::BashoList0, FilterListId::TrackList0, FilterListId::ClassList0,
    FilterListId::AgeList0,   FilterListId::JuryoList0, FilterListId::TosuList0,
};

}  // namespace

NaviTargetChoice naviTargetChoice(const SettingsSnapshot& settings) {
    NaviTargetChoice choice;
    choice.pickWay = settings.readInt(settings::TaishoRPickWay);
    const auto lists = settings.readRaceFilterLists();
    for (std::size_t i = 0; i < lists.size(); ++i) {
        std::vector<bool>& items = choice.filter.list(kListOfSettings[i]);
        for (std::size_t item = 0; item < items.size() && item < lists[i].size(); ++item)
            items[item] = lists[i][item] == 1;
    }
    choice.filter.kyoriFrom = settings.readInt(settings::RaceFilterKyori1);
    choice.filter.kyoriTo = settings.readInt(settings::RaceFilterKyori2);
    return choice;
}

NaviTargetFlags naviTargets(const RaceRecords& races, const std::vector<RaceSlot>& listed,
                            const NaviTargetChoice& choice) {
    NaviTargetFlags targets{};
    for (std::size_t entry = 0; entry < listed.size(); ++entry) {
        const RaceSlot slot = listed[entry];
        if (slot < 0 || slot >= kRaceSlotCount) continue;
        const bool target = choice.pickWay == 1
                                ? entry >= choice.raceList0.size() || choice.raceList0[entry]
                                : racePasses(choice.filter, raceAttributes(races[static_cast<std::size_t>(slot)]));
        targets[static_cast<std::size_t>(slot)] = target;
    }
    return targets;
}

}  // namespace marovix
