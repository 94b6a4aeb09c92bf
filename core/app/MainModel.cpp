#include "core/app/MainModel.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>

#include "core/app/Clock.h"
#include "core/app/Dialogs.h"
#include "core/app/DocumentOpener.h"
#include "core/app/MainGridLayout.h"
#include "core/app/Registry.h"
#include "core/app/Settings.h"
#include "core/app/SettingsTable.h"
#include "core/common/TextFile.h"
#include "core/jv/JvLink.h"
#include "core/jv/JvMessage.h"

namespace marovix {
namespace {

// The fixed identifier registered for the program, followed at once by the version text.
constexpr const char* kSoftwareIdPrefix = "UNKNOWN/MRVX/Marovix/";

// Which setting keeps which option, in the order the create step loads them.
struct OptionKey {
    MainOption option;
    const SettingKey& key;
};

const std::vector<OptionKey>& optionKeys() {
    static const std::vector<OptionKey> table = {
        {MainOption::SimMode, settings::TohyoSimMode},
        {MainOption::NotGetMining, settings::NotGetDataMining},
        {MainOption::NotGetKekka, settings::NotGetDataKekka},
        {MainOption::KaikataWR, settings::KaikataWR},
        {MainOption::KaikataUR, settings::KaikataUR},
        {MainOption::KaikataWD, settings::KaikataWD},
        {MainOption::KaikataUT, settings::KaikataUT},
        {MainOption::KaikataSRF, settings::KaikataSRF},
        {MainOption::KaikataSRT, settings::KaikataSRT},
        {MainOption::MultiUmatan, settings::MultiSetUmatan},
        {MainOption::MultiSRT, settings::MultiSetSRTmulti},
        {MainOption::MultiSRT12, settings::MultiSetSRTmulti12},
        {MainOption::MultiSRT23, settings::MultiSetSRTmulti23},
        {MainOption::MultiSRT13, settings::MultiSetSRTmulti13},
        {MainOption::Sound1, settings::PlaySound1},
        {MainOption::SoundTohyo, settings::PlaySoundTohyo},
        {MainOption::DupOK, settings::TohyoDupOK},
        {MainOption::OverWriteOK, settings::OzGetOverWriteOK},
        {MainOption::BuyTan, settings::BuyBaken[0]},
        {MainOption::BuyFuk, settings::BuyBaken[1]},
        {MainOption::BuyWR, settings::BuyBaken[2]},
        {MainOption::BuyUR, settings::BuyBaken[3]},
        {MainOption::BuyWD, settings::BuyBaken[4]},
        {MainOption::BuyUT, settings::BuyBaken[5]},
        {MainOption::BuySRF, settings::BuyBaken[6]},
        {MainOption::BuySRT, settings::BuyBaken[7]},
        {MainOption::ShihyoSet, settings::KaimeSetShihyoSet},
        {MainOption::TabIndex, settings::KaimeSetTabIndex},
        {MainOption::HaibunSet, settings::KaimeSetHaibunSet},
        {MainOption::KaimemakeKakesiki, settings::KaimemakeKakesiki},
        {MainOption::NotRefresh, settings::DispNotRefresh},
        {MainOption::OzViewKakesiki, settings::OzViewKakesiki},
    };
    return table;
}

const SettingKey* keyOf(MainOption option) {
    for (const auto& row : optionKeys())
        if (row.option == option) return &row.key;
    return nullptr;
}

std::string trimmed(std::string text) {
    const char* blanks = " \t\r\n";
    auto first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

}  // namespace

MainModel::MainModel(std::string appFolder, std::string windowsFolder, MainPorts ports)
    : m_folders(std::move(appFolder)),
      m_windowsFolder(std::move(windowsFolder)),
      m_ports(ports),
      m_settings(std::make_unique<Settings>(m_folders.appFolder(), m_windowsFolder, ports.clock)),
      m_errorLog(m_folders.errorLogPath()) {
    layoutStringGrid26(stringGrid26);
    for (TextGrid& grid : kaimeGrids) layoutKaimeGrid(grid);
    layoutAllKaimeGrid(allKaimeGrid);
    layoutStringGrid1(stringGrid1);
    layoutHyosuGrid(hyosuGrid);
    layoutOddsGrid(oddsGrid);
}

MainModel::~MainModel() = default;

const SettingKey& MainModel::ozSpanKey(int index) {
    const auto bet = static_cast<std::size_t>(index / 2);
    return index % 2 == 0 ? settings::OzSpanA[bet] : settings::OzSpanB[bet];
}

std::string MainModel::softwareId() { return std::string(kSoftwareIdPrefix) + kVersionText; }

void MainModel::lookUpCompanionFolders() {
    // Each folder is looked up only while its key is empty or blank; a key that does not exist
    // yields nothing and nothing is stored then.
    auto lookUp = [this](const SettingKey& key, std::initializer_list<const char*> programs, const char* tail) {
        for (const char* program : programs) {
            if (!trimmed(m_settings->readStoredText(key)).empty()) return;
            std::string found = trimmed(m_ports.registry.localMachineString(
                std::string("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\") + program,
                "Inno Setup: App Path"));
            if (!found.empty()) reportWrite(m_settings->writeText(key, found + tail));
        }
    };
    lookUp(settings::DirVQMTohyo2, {"VQM投票プラグイン２_is1"}, "");
    lookUp(settings::DirLumidex, {"Lumidex_is1", "LumidexQuick_is1"}, "");
    lookUp(settings::DirJikeiretu, {"Kalvora_is1"}, "/Data");
}

void MainModel::loadSettings() {
    m_placement =
        WindowPlacement{m_settings->readInt(settings::LocateTop), m_settings->readInt(settings::LocateLeft),
                        m_settings->readInt(settings::LocateWidth), m_settings->readInt(settings::LocateHeight)};
    for (std::size_t i = 0; i < m_ozSpan.size(); ++i)
        m_ozSpan[i] = m_settings->readText(ozSpanKey(static_cast<int>(i)));
    for (const auto& row : optionKeys()) {
        int value =
            row.key.type == SettingType::Bool ? (m_settings->readBool(row.key) ? 1 : 0) : m_settings->readInt(row.key);
        m_options.set(row.option, value);
    }
}

bool MainModel::create() {
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    // A settings file that cannot be read leaves every setting at its default: the user must know.
    if (std::string problem = m_settings->fileProblem(); !problem.empty()) m_ports.dialogs.error(problem);
    lookUpCompanionFolders();
    if (Status status = m_folders.createFolders(); !status) {
        m_ports.dialogs.beep();
        m_ports.dialogs.information(status.error());
        notify();
        return false;
    }
    loadSettings();

    const DateTime now = m_ports.clock.now();
    if (Status status = m_errorLog.start(now, appFolder()); !status) reportWrite(status);
    if (makeDataList) makeDataList();
    m_dayLog = std::make_unique<DayLog>(m_folders.dayLogPath(now.dateKey()));
    if (Status status = m_dayLog->start(now); !status) reportWrite(status);
    m_created = true;
    notify();
    return true;
}

void MainModel::firstShow() {
    int result = m_ports.jvLink.JVInit(softwareId());
    if (result != 0) {
        m_ports.dialogs.information("JVInitエラー：" + JVMessage("JVInit", result));
        return;
    }
    if (m_dayLog && !m_dayLog->lines().empty()) showAutoNaviList();
}

void MainModel::closeRequest(const WindowPlacement& current) {
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
    m_placement = current;
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
    m_options.set(option, value);
    if (const SettingKey* key = keyOf(option)) {
        reportWrite(key->type == SettingType::Bool ? m_settings->writeBool(*key, value != 0)
                                                   : m_settings->writeInt(*key, value));
    }
    notify();
}

void MainModel::setOzSpanEdit(int index, std::string text) {
    if (index < 0 || index >= static_cast<int>(m_ozSpan.size())) return;
    m_ozSpan[static_cast<std::size_t>(index)] = text;
    reportWrite(m_settings->writeText(ozSpanKey(index), text));
}

void MainModel::appendErrorLog(const std::string& text) { reportWrite(m_errorLog.append(text, m_ports.clock.now())); }

void MainModel::appendDayLog(const std::vector<std::string>& lines, bool save) {
    if (!m_dayLog) return;
    reportWrite(m_dayLog->append(lines, save));
    showAutoNaviList();
}

void MainModel::showAutoNaviList() {
    m_autoNaviList = m_dayLog ? m_dayLog->lines() : std::vector<std::string>{};
    m_autoNaviSelected = static_cast<int>(m_autoNaviList.size()) - 1;
    notify();
}

void MainModel::reportWrite(const Status& status) {
    if (!status) m_ports.dialogs.error(status.error());
}

void MainModel::notify() {
    if (changed) changed();
}

}  // namespace marovix
