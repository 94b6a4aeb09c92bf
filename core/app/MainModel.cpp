#include "core/app/MainModel.h"

#include <algorithm>
#include <utility>

#include "core/app/MainStrategyHost.h"

#include "core/common/ProgramInfo.h"
#include "core/common/TextFile.h"
#include "core/common/Trim.h"
#include "core/jv/JvMessage.h"
#include "core/jv/StoredDataDownload.h"
#include "core/kaime/BetPages.h"
#include "core/kaime/SelectionControls.h"
#include "core/ports/Clock.h"
#include "core/ports/Dialogs.h"
#include "core/ports/DocumentOpener.h"
#include "core/ports/JvLink.h"
#include "core/ports/Random.h"
#include "core/ports/Registry.h"
#include "core/race/MeetingDays.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "core/vote/VoteQueue.h"

namespace marovix {

MainModel::MainModel(std::string appFolder, std::string windowsFolder, MainPorts ports)
    : m_folders(std::move(appFolder)),
      m_windowsFolder(std::move(windowsFolder)),
      m_modalDialogs(ports.dialogs, [this] { sendNotices(); }),
      m_ports{ports.jvLink, m_modalDialogs, ports.clock,  ports.registry,
              ports.sound,  ports.opener,   ports.random, ports.launcher},
      m_settings(std::make_unique<Settings>(m_folders.appFolder(), m_windowsFolder, ports.clock)),
      m_errorLog(m_folders.errorLogPath()) {
    makeVoteQueue();
    makeKaimeSetting();
}

// The vote queue goes before its host; the plug-in runs it started go on.
MainModel::~MainModel() = default;

MainModel::Subscription MainModel::subscribe(std::function<void(StatePart)> listener) {
    return m_notices.subscribe(std::move(listener));
}

void MainModel::notify(StatePart part) {
    if (m_handlerDepth == 0) return m_notices.notify(part);
    if (std::find(m_changedParts.begin(), m_changedParts.end(), part) == m_changedParts.end())
        m_changedParts.push_back(part);
}

void MainModel::sendNotices() {
    // A subscriber may run a handler of its own meanwhile: it sends its parts itself.
    for (StatePart part : std::exchange(m_changedParts, {})) m_notices.notify(part);
}

std::string MainModel::softwareId() { return std::string(kSoftwareIdPrefix) + kVersionText; }

void MainModel::lookUpCompanionFolders() {
    // Each folder is looked up only while its key is empty or blank; a key that does not exist
    // yields nothing and nothing is stored then.
    auto lookUp = [this](const SettingKey& key, std::initializer_list<const char*> programs, std::string_view tail) {
        for (const char* program : programs) {
            if (!trimmed(m_settings->readStoredText(key), Blanks::SpaceTabLineEnd).empty()) return;
            const std::string value = m_ports.registry.localMachineString(
                std::string("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\") + program,
                "Inno Setup: App Path");
            const std::string found(trimmed(value, Blanks::SpaceTabLineEnd));
            if (!found.empty()) reportWrite(m_settings->writeText(key, tail.empty() ? found : joinPath(found, tail)));
        }
    };
    lookUp(settings::DirVQMTohyo2, {"VQM投票プラグイン２_is1"}, "");
    lookUp(settings::DirLumidex, {"Lumidex_is1", "LumidexQuick_is1"}, "");
    // The found folder and its "Data": "C:\Kalvora\Data" on Windows, one separator even when the
    // installer's path ends in one.
    lookUp(settings::DirJikeiretu, {"Kalvora_is1"}, "Data");
}

void MainModel::loadSettings(const SettingsSnapshot& settings) {
    m_state.placement =
        WindowPlacement{settings.readInt(settings::LocateTop), settings.readInt(settings::LocateLeft),
                        settings.readInt(settings::LocateWidth), settings.readInt(settings::LocateHeight)};
    m_state.ozSpan = readOzSpan(settings);
    m_state.options = readMainOptions(settings);
    // The multi boxes show by the buying methods.
    RefSpanBtnClick();
    m_state.labels[LabelId::SimModeLabel].color = indicatorColor(m_state.options.on(MainOption::SimMode));
    m_state.labels[LabelId::AutoNaviLabel] = Label{"●", indicatorColor(m_autoRunMode), std::nullopt};
    m_state.labels[LabelId::operateLabel] = Label{"●", kIndicatorOff, std::nullopt};
    m_state.labels[LabelId::BakenLabel].text = std::string(betPageCaption(m_state.options.value(MainOption::TabIndex)));
}

bool MainModel::create() {
    const HandlerScope scope(*this);
    // The random numbers start from the clock: a run replayed at the same moment draws the same numbers.
    m_ports.random.seed(static_cast<std::uint64_t>(m_ports.clock.now().serial()));
    // A settings file that cannot be read leaves every setting at its default: the user must know.
    if (std::string problem = m_settings->fileProblem(); !problem.empty()) m_ports.dialogs.error(problem);
    lookUpCompanionFolders();
    if (Status status = m_folders.createFolders(); !status) {
        m_ports.dialogs.beep();
        m_ports.dialogs.information(status.error());
        return false;
    }
    // The window's controls and the marks' strategy, from one reading of the settings.
    const SettingsSnapshot settings = m_settings->snapshot();
    loadSettings(settings);
    loadMarkStrategy(settings);
    notify(StatePart::Options);
    notify(StatePart::Labels);

    const DateTime now = m_ports.clock.now();
    if (Status status = m_errorLog.start(now, appFolder()); !status) reportWrite(status);
    MakeDataListBtnClick();
    m_dayLog = std::make_unique<DayLog>(m_folders.dayLogPath(now.dateKey()));
    if (Status status = m_dayLog->start(now); !status) reportWrite(status);
    // The day log as it stands (an earlier run's lines of the day too) is shown from the start.
    showAutoNaviList();
    m_created = true;
    return true;
}

void MainModel::firstShow() {
    const HandlerScope scope(*this);
    int result = m_ports.jvLink.JVInit(softwareId());
    if (result != 0) {
        m_ports.dialogs.information("JVInitエラー：" + JVMessage("JVInit", result));
        return;
    }
    if (m_dayLog && !m_dayLog->lines().empty()) showAutoNaviList();
}

void MainModel::closeRequest(const WindowPlacement& current) {
    const HandlerScope scope(*this);
    const std::pair<const SettingKey*, int> placement[] = {{&settings::LocateTop, current.top},
                                                           {&settings::LocateLeft, current.left},
                                                           {&settings::LocateWidth, current.width},
                                                           {&settings::LocateHeight, current.height}};
    for (const auto& [key, value] : placement) {
        Status status = m_settings->writeInt(*key, value);
        if (!status) {
            reportWrite(status);
            break;
        }
    }
    m_state.placement = current;
    // Votes still waiting are given up, each with its line, before the log closes.
    if (m_voteQueue->waitingCount() > 0) {
        m_voteQueue->withdrawAll();
        showVoteStatus();
    }
    if (m_dayLog) {
        if (Status status = m_dayLog->close(m_ports.clock.now()); !status) reportWrite(status);
        showAutoNaviList();
    }
}

void MainModel::openManual() {
    std::string manual = m_folders.manualPath();
    if (!fileExists(manual)) {
        m_ports.dialogs.beep();
        m_ports.dialogs.information("使用解説書[Marovix.pdf]が見つかりません。");
        return;
    }
    m_ports.opener.open(manual);
}

void MainModel::setOption(MainOption option, int value) {
    const HandlerScope scope(*this);
    m_state.options.set(option, value);
    if (option == MainOption::SimMode) m_state.labels[LabelId::SimModeLabel].color = indicatorColor(value != 0);
    const MainOptionKey& row = mainOptionKey(option);
    if (row.writtenOnChange) {
        reportWrite(row.key.type == SettingType::Bool ? m_settings->writeBool(row.key, value != 0)
                                                      : m_settings->writeInt(row.key, value));
    }
    notify(StatePart::Options);
    if (option == MainOption::SimMode) notify(StatePart::Labels);
    selectionOptionClicked(option);
}

void MainModel::setOzSpanEdit(int index, std::string text) {
    const HandlerScope scope(*this);
    if (index < 0 || index >= static_cast<int>(m_state.ozSpan.size())) return;
    m_state.ozSpan[static_cast<std::size_t>(index)] = text;
    reportWrite(m_settings->writeText(ozSpanKey(index), text));
    notify(StatePart::Options);
    KaimeMakeBtnClick();
}

void MainModel::appendErrorLog(const std::string& text) { reportWrite(m_errorLog.append(text, m_ports.clock.now())); }

void MainModel::appendDayLog(const std::vector<std::string>& lines, bool save) {
    const HandlerScope scope(*this);
    if (!m_dayLog) return;
    reportWrite(m_dayLog->append(lines, save));
    showAutoNaviList();
}

void MainModel::showAutoNaviList() {
    m_state.autoNaviList = m_dayLog ? m_dayLog->lines() : std::vector<std::string>{};
    m_state.autoNaviSelected = static_cast<int>(m_state.autoNaviList.size()) - 1;
    notify(StatePart::LogLines);
}

void MainModel::MakeDataListBtnClick() {
    const HandlerScope scope(*this);
    m_state.dateCombo = listMeetingDays(m_folders.dataFolder());
    m_state.shownDay.reset();
    notify(StatePart::DayList);
    notify(StatePart::ShownDay);
}

std::unique_ptr<StoredDataDownload> MainModel::JVBtnClick() {
    return std::make_unique<StoredDataDownload>(DownloadPorts{
        m_ports.jvLink, m_ports.dialogs, m_ports.clock, *m_settings, m_folders.dataFolder(), m_readCancelled,
        [this] { downloadWindowClosed(); }, [this](const std::string& text) { appendErrorLog(text); }});
}

void MainModel::downloadWindowClosed() {
    const HandlerScope scope(*this);
    m_state.datList.clear();
    m_state.datListSlots.clear();
    m_state.currentRace = -1;
    notify(StatePart::RaceList);
    m_state.racePagesVisible = false;
    MakeDataListBtnClick();
}

void MainModel::reportWrite(const Status& status) {
    if (!status) m_ports.dialogs.error(status.error());
}

}  // namespace marovix
