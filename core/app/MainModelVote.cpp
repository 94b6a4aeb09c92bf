// The vote handlers of the main window: the vote command (manual and automatic) and the plug-in's menus.
#include "core/app/MainModel.h"
#include "core/common/TextFile.h"
#include "core/ports/Clock.h"
#include "core/ports/Dialogs.h"
#include "core/ports/DocumentOpener.h"
#include "core/ports/Sound.h"
#include "core/race/JvRecord.h"
#include "core/race/RecordFields.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "core/vote/VoteCommand.h"
#include "core/vote/VoteFile.h"
#include "core/vote/VotePluginStart.h"

namespace marovix {
namespace {

// The IPAT service's page.
constexpr const char* kIpatPage = "https://www.ipat.jra.go.jp/";
constexpr const char* kBuildMethods[] = {"順位指標指定", "事前馬番指定", "手動"};

}  // namespace

bool MainModel::tohyoDone(RaceSlot slot) const {
    return slot >= 0 && slot < kRaceSlotCount && m_tohyoDone[static_cast<std::size_t>(slot)];
}

void MainModel::TohyouBtnClick() { vote(false); }

void MainModel::AutoTohyoBtnClick() { vote(true); }

void MainModel::vote(bool automatic) {
    const int page = std::clamp(m_state.options.value(MainOption::TabIndex), 0, 8);
    const KaimeGrid& grid = page == 0 ? m_state.allKaimeGrid : m_state.kaimeGrid(static_cast<BetType>(page - 1));
    const RaceSlot slot = m_state.currentRace;
    VoteInputs inputs;
    inputs.automatic = automatic;
    inputs.dateText = m_state.shownDay.value_or("");
    const int entry = m_state.entryOfSlot(slot);
    inputs.raceSelected = entry >= 0;
    if (inputs.raceSelected) {
        inputs.raceEntry = m_state.datList[static_cast<std::size_t>(entry)];
        inputs.raceKey16 = std::string(fieldText(m_day.race(slot), RaField::raceKey16));
        inputs.postTime = std::string(fieldText(m_day.race(slot), RaField::postTime));
    }
    inputs.now = m_ports.clock.now();
    inputs.page = page;
    inputs.stakeTotal = page == 0 ? m_state.labels[LabelId::SoTohyoGakuLabel].text
                                  : m_state.labels[{static_cast<BetType>(page - 1), BetLabel::Toshi}].text;
    const int method = std::clamp(m_state.options.value(MainOption::ShihyoSet), 0, 2);
    inputs.buildMethod = kBuildMethods[method];
    inputs.pluginFolder = m_settings->readStoredText(settings::DirVQMTohyo2);
    inputs.simulation = m_state.options.on(MainOption::SimMode);

    // 2. The checks, in order.
    if (auto refused = checkVote(inputs, grid)) {
        m_ports.dialogs.beep();
        if (refused->logLine)
            appendDayLog({*refused->logLine});
        else
            m_ports.dialogs.information(refused->message);
        return;
    }
    // 3. The vote lines of the complete rows that are not struck out.
    auto lines = VoteLines(inputs.raceKey16, votedRows(grid));
    if (!lines) {
        m_ports.dialogs.beep();
        m_ports.dialogs.error(lines.error());
        return;
    }
    // 4.-5. The sound file; a manual vote asks first.
    const std::string sound = m_settings->readText(settings::InfoSettingsTohyoAlarm);
    if (!automatic && !m_ports.dialogs.confirm(voteQuestion(inputs.raceEntry))) return;
    // 6. The vote file.
    auto written = WriteVoteFile(inputs.pluginFolder, inputs.raceKey16, *lines);
    if (!written) {
        m_ports.dialogs.error(written.error());
        return;
    }
    // 7. The hand-over: an automatic vote in simulation mode stays here.
    if (!(automatic && inputs.simulation)) {
        if (Status started = StartVotePlugin(m_ports.launcher, inputs.pluginFolder, *written); !started) {
            m_ports.dialogs.beep();
            if (m_autoRunMode)
                appendDayLog({kVotePluginStartError});
            else
                m_ports.dialogs.information(kVotePluginStartError);
            return;
        }
    }
    // 8. The day log. 9. The sound of an automatic vote. 10. The race is voted.
    appendDayLog(voteLogBlock(inputs, *lines));
    if (automatic && m_state.options.on(MainOption::SoundTohyo)) m_ports.sound.play(sound);
    m_tohyoDone[static_cast<std::size_t>(slot)] = true;
}

void MainModel::VQM1Click() {
    const std::string current = m_settings->readText(settings::DirVQMTohyo2);
    if (auto folder = m_ports.dialogs.chooseFolder("VQM投票プラグイン２フォルダの指定", current))
        reportWrite(m_settings->writeText(settings::DirVQMTohyo2, *folder));
}

void MainModel::IPAT2Click() { m_ports.opener.open(kIpatPage); }

}  // namespace marovix
