// The main window's side of the window "買い目設定": the day it reads and the pre-marked table it edits,
// the target races it sets, and the marks shown again when the strategy changes.
#include "core/app/MainStrategyHost.h"

#include "core/app/MainModel.h"
#include "core/kaime/Marks.h"
#include "core/settings/Settings.h"

namespace marovix {

MainStrategyHost::MainStrategyHost(MainModel& model) : m_model(model) {}

RaceDay& MainStrategyHost::umaSetDay() { return m_model.m_session.day(); }

CardOdds MainStrategyHost::cardOdds(RaceSlot slot) const { return marovix::cardOdds(m_model.m_session, slot); }

IndexRanks MainStrategyHost::indexRanks(RaceSlot slot) const {
    if (slot < 0 || slot >= kRaceSlotCount) return {};
    const DaySession& session = m_model.m_session;
    return marovix::indexRanks(session.day().work[static_cast<std::size_t>(slot)].indexes, session.odds().table(slot));
}

void MainStrategyHost::setNaviTargets(const std::array<bool, kRaceSlotCount>& targets) {
    const MainModel::HandlerScope scope(m_model);
    for (RaceSlot slot = 0; slot < kRaceSlotCount; ++slot)
        m_model.m_session.slot(slot).NaviTarget = targets[static_cast<std::size_t>(slot)];
    // Step 10 of ShowRace for the race shown; the race list paints the targets light blue.
    m_model.m_state.labels[LabelId::TaishoRLabel].background =
        m_model.naviTarget(m_model.m_state.currentRace) ? 0x00FF00 : 0x808080;
    m_model.notify(StatePart::RaceList);
    m_model.notify(StatePart::Labels);
}

void MainStrategyHost::umaSetChanged() {
    const MainModel::HandlerScope scope(m_model);
    m_model.markShownRaceAgain();
}

void MainStrategyHost::strategyChanged(const MarkStrategy& strategy) {
    const MainModel::HandlerScope scope(m_model);
    m_model.m_markStrategy = strategy;
    m_model.markShownRaceAgain();
}

bool MainModel::naviTarget(RaceSlot slot) const { return m_session.naviTarget(slot); }

void MainModel::markShownRaceAgain() {
    if (m_state.currentRace < 0) return;
    SetSihyoBtnClick();
    KaimeMakeBtnClick();
}

void MainModel::makeKaimeSetting() {
    m_strategyHost = std::make_unique<MainStrategyHost>(*this);
    m_kaimeSetting = std::make_unique<KaimeSettingModel>(
        KaimeSettingPorts{*m_settings, m_ports.dialogs, m_folders.appFolder(), m_strategyHost.get()});
}

}  // namespace marovix
