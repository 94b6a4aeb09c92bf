// Automatic operation on the main window: its switch, the target races, the indicators, the red
// "操作注意" period after a scheduled fetch, the clock and time-to-post labels, and the alert sounds.
#include "core/app/MainModel.h"
#include "core/auto/AlarmSound.h"
#include "core/auto/OzGetTimeModel.h"
#include "core/ports/Clock.h"
#include "core/ports/Dialogs.h"
#include "core/ports/Sound.h"
#include "core/race/JvRecord.h"
#include "core/race/RecordFields.h"
#include "core/race/RecordKeys.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"

namespace marovix {

void MainModel::DispRaceAfterOZgetClick() {
    const bool on = !m_autoRunMode;
    // 1. Every race of the list a target; switching on computes the targets proper below.
    for (RaceSlot slot : m_state.datListSlots)
        if (slot >= 0 && slot < kRaceSlotCount) m_session.slot(slot).NaviTarget = true;
    // 2. The mode and the vote timer follow the check mark.
    m_autoRunMode = on;
    m_state.timers.TimerNavi = on;
    notify(StatePart::Timers);
    notify(StatePart::Options);
    m_state.labels[LabelId::AutoNaviLabel].color = indicatorColor(on);
    notify(StatePart::Labels);
    const std::vector<std::string> lines = autoRunSwitchLines(on, m_ports.clock.now());
    if (on) {
        // 3. The message, the targets, the day log.
        m_ports.dialogs.information(std::string(kAutoRunOnMessage));
        computeTargets();
        appendDayLog(lines);
        return;
    }
    // 4. The day log; the message unless the balance watch switched it off.
    notify(StatePart::RaceList);
    appendDayLog(lines);
    if (!m_quietFlag) m_ports.dialogs.information(std::string(kAutoRunOffMessage));
}

AutoRunState MainModel::autoRunState() const {
    return marovix::autoRunState(m_state.shownDay.value_or(""), m_ports.clock.now(), m_autoRunMode);
}

void MainModel::computeTargets() { m_kaimeSetting->NaviSetBtnClick(); }

void MainModel::scheduledOddsFetchDone() {
    if (m_autoRunMode) {
        m_state.labels[LabelId::operateLabel].color = kOperateAlert;
        m_state.timers.FormDisableTimer = true;
        ++m_state.timers.formDisableStarts;
        m_state.timers.formDisableIntervalMs =
            formDisableIntervalMs(m_settings->readInt(settings::TimeAutoTohyoInterval));
        notify(StatePart::Labels);
        notify(StatePart::Timers);
    }
    if (m_state.options.on(MainOption::Sound1)) playAlarm(settings::InfoSettingsOzAlarm);
}

void MainModel::FormDisableTimerTimer() {
    m_state.labels[LabelId::operateLabel].color = kIndicatorOff;
    m_state.timers.FormDisableTimer = false;
    notify(StatePart::Labels);
    notify(StatePart::Timers);
}

void MainModel::Timer2Timer() {
    std::string text = m_ports.clock.now().timeText();
    if (m_state.labels[LabelId::NowTimLabel].text == text) return;
    m_state.labels[LabelId::NowTimLabel].text = std::move(text);
    notify(StatePart::Clock);
}

void MainModel::Timer3Timer() {
    std::string text;
    if (m_state.currentEntry() >= 0) {
        const RaceRecord& race = m_session.race(m_state.currentRace);
        text = restTimeText(postMoment(RaceKey16(race), fieldText(race, RaField::postTime)), m_ports.clock.now());
    }
    if (m_state.labels[LabelId::RestTimeLabel].text == text) return;
    m_state.labels[LabelId::RestTimeLabel].text = std::move(text);
    notify(StatePart::Clock);
}

void MainModel::playAlarm(const SettingKey& key) {
    // A sound that cannot be found must not stop a race day: the user learns of it from the error log.
    playSoundFile(m_ports.sound, m_settings->readText(key), [this](const std::string& text) { appendErrorLog(text); });
}

std::unique_ptr<OzGetTimeModel> MainModel::N8Click() {
    return std::make_unique<OzGetTimeModel>(*m_settings, m_windowsFolder, m_ports.sound, m_ports.dialogs,
                                            [this](const std::string& text) { appendErrorLog(text); });
}

}  // namespace marovix
