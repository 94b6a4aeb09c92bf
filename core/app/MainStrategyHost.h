#pragma once
// The main window as the window "買い目設定" reaches it (KaimeSettingHost over MainModel): the day it
// reads and the pre-marked table it edits, the target races it sets, the marks shown again when the
// strategy changes.
#include "core/strategy/KaimeSettingModel.h"

namespace marovix {

class MainModel;

class MainStrategyHost : public KaimeSettingHost {
public:
    explicit MainStrategyHost(MainModel& model);

    RaceDay& umaSetDay() override;
    CardOdds cardOdds(RaceSlot slot) const override;
    IndexRanks indexRanks(RaceSlot slot) const override;
    void setNaviTargets(const std::array<bool, kRaceSlotCount>& targets) override;
    void umaSetChanged() override;
    void strategyChanged(const MarkStrategy& strategy) override;

private:
    MainModel& m_model;
};

}  // namespace marovix
