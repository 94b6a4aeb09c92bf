// The IPAT balance watch and the log window of the main window: the balance query by button and before
// each target race, its follow-up with the day-log line and the stop rule, and the plug-in's IPAT log.
#include "core/app/MainModel.h"
#include "core/ports/Clock.h"
#include "core/ports/VotePluginLauncher.h"
#include "core/race/JvRecord.h"
#include "core/race/RecordFields.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "core/vote/IpatLogModel.h"
#include "core/vote/VotePluginFiles.h"
#include "core/vote/VotePluginStart.h"

namespace marovix {
void MainModel::IPTZanDakaBtnClick() {
    const HandlerScope scope(*this);
    const std::string pluginFolder = m_settings->readStoredText(settings::DirVQMTohyo2);
    // 1. The label light grey, the busy cursor on the label and the button.
    Label& label = m_state.labels[LabelId::IPATBalanceLabel];
    label.background = kBalanceQueryingColor;
    m_state.balanceBusy = true;
    notify(StatePart::Balance);
    // 2. The INET-ID, for the log lines. 3. The plug-in, hidden, with " money".
    m_balanceInetId = ReadPluginInetId(pluginFolder);
    m_balanceFileRead = false;
    auto run = StartBalanceQuery(m_ports.launcher, pluginFolder);
    if (run)
        m_balanceRun = std::move(*run);
    else
        appendErrorLog(run.error());  // the follow-up still ends the query; the balance stays as it was
    // 4. The follow-up.
    m_balanceQuery.start();
    m_state.timers.ZanDakaTimer = true;
    notify(StatePart::Timers);
}

void MainModel::ZanDakaTimerTimer() {
    const HandlerScope scope(*this);
    if (!m_balanceQuery.running()) return;
    const BalanceQuery::Tick tick = m_balanceQuery.tick();
    letEventsRun();
    if (m_balanceRun) m_balanceRun->poll();  // reaps the plug-in once it has ended
    Label& label = m_state.labels[LabelId::IPATBalanceLabel];
    if (tick == BalanceQuery::Tick::ReadBalance) {
        const std::string pluginFolder = m_settings->readStoredText(settings::DirVQMTohyo2);
        if (std::optional<std::string> balance = ReadBalanceFile(pluginFolder)) {
            label.text = *balance;
            m_balanceFileRead = true;
            notify(StatePart::Balance);
        }
        return;
    }
    if (tick != BalanceQuery::Tick::Finish) return;
    label.background = kBalanceShownColor;
    m_state.balanceBusy = false;
    m_state.timers.ZanDakaTimer = false;
    notify(StatePart::Balance);
    notify(StatePart::Timers);
    const DateTime now = m_ports.clock.now();
    appendDayLog(balanceLogLines(m_balanceInetId, label.text, now), false);
    if (m_state.options.on(MainOption::SimMode) || !m_autoRunMode) return;
    // The tab "自動運転終了指定" as it stands now: a change made during automatic operation applies at once.
    const NaviQuitRule& rule = m_kaimeSetting->state().naviQuit;
    if (auto lines = stopRuleLines(rule, m_balanceInetId, label.text, now)) {
        appendDayLog(*lines);
        endAutoRunQuietly();
    }
}

bool MainModel::balanceRunEnded() {
    return !m_balanceRun || m_balanceRun->poll().kind != PluginRunState::Kind::Running;
}

void MainModel::endAutoRunQuietly() {
    if (!m_autoRunMode) return;
    // The switch itself (its labels, timers and day-log lines); QuietFlag keeps its message away.
    m_quietFlag = true;
    DispRaceAfterOZgetClick();
    m_quietFlag = false;
}

void MainModel::N35Click() {
    const HandlerScope scope(*this);
    LogUpdateBtnClick();
}

void MainModel::LogUpdateBtnClick() {
    const HandlerScope scope(*this);
    if (!m_state.shownDay || m_state.datList.empty()) return;
    const std::string dateKey(fieldText(m_session.race(0), RaField::dayKey8));
    const std::string pluginFolder = m_settings->readStoredText(settings::DirVQMTohyo2);
    auto lines = readIpatLog(pluginFolder, dateKey);
    if (!lines) {
        m_ports.dialogs.error(lines.error());
    } else if (*lines) {
        m_state.ipatLogList = std::move(**lines);
        notify(StatePart::IpatLog);
    }
}

WindowPlacement MainModel::ipatLogPlacement() const { return readIpatLogPlacement(*m_settings); }

void MainModel::storeIpatLogPlacement(const WindowPlacement& placement) {
    const HandlerScope scope(*this);
    if (Status status = writeIpatLogPlacement(*m_settings, placement); !status) reportWrite(status);
}

}  // namespace marovix
