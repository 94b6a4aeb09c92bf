#pragma once
// The main window's state and its start-up, first-show and close operations. The window in ui/
// shows this state and forwards its events here; everything it does is testable without a window.
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/app/AppFolders.h"
#include "core/app/DayLog.h"
#include "core/app/ErrorLog.h"
#include "core/app/MainOptions.h"
#include "core/app/TextGrid.h"
#include "core/common/Result.h"

namespace marovix {

class Clock;
class Dialogs;
class DocumentOpener;
class JvLink;
class Registry;
class Settings;
struct SettingKey;
class Sound;

// The outside world as the main window reaches it.
struct MainPorts {
    JvLink& jvLink;
    Dialogs& dialogs;
    const Clock& clock;
    const Registry& registry;
    Sound& sound;
    DocumentOpener& opener;
};

struct WindowPlacement {
    int top = 10;
    int left = 10;
    int width = 1100;
    int height = 750;
};

class MainModel {
public:
    static constexpr const char* kVersionText = "Version.1.18";
    static constexpr const char* kTitle = "Marovix　中央競馬版";

    // `appFolder` is the executable's folder (or the --app-folder override); `windowsFolder` the
    // program's shared-data folder holding Media/.
    MainModel(std::string appFolder, std::string windowsFolder, MainPorts ports);
    ~MainModel();

    // The main window's create step. A settings file that cannot be read is reported first (the run goes
    // on with the defaults). A data folder that cannot be created is reported (system error text) and the
    // remaining steps are skipped; the result says whether every step ran.
    bool create();
    bool created() const { return m_created; }
    // First show: JVInit with the software identifier; a failure is shown and the program goes on.
    void firstShow();
    // Close request (always granted): saves the placement and closes the day's run log.
    void closeRequest(const WindowPlacement& current);
    // Opens Marovix.pdf of the application folder, or reports that it is missing.
    void openManual();

    const std::string& appFolder() const { return m_folders.appFolder(); }
    const AppFolders& folders() const { return m_folders; }
    const std::string& windowsFolder() const { return m_windowsFolder; }
    static std::string softwareId();
    Settings& settings() { return *m_settings; }
    MainPorts& ports() { return m_ports; }

    const WindowPlacement& placement() const { return m_placement; }
    const MainOptions& options() const { return m_options; }
    // "自動運転" (automatic operation): not kept in the settings, off at every start.
    bool autoRunMode() const { return m_autoRunMode; }
    // Sets an option's control state and writes its setting at once; a write failure is shown
    // and the control keeps its new state.
    void setOption(MainOption option, int value);
    // The odds-range edits, in the order Toz1A, Toz1B, Foz1A, Foz1B, ... SRToz1B; the key of each.
    static const SettingKey& ozSpanKey(int index);
    std::array<std::string, 16>& ozSpanEdits() { return m_ozSpan; }
    void setOzSpanEdit(int index, std::string text);

    // Colour of SimModeLabel: green when simulation mode is on, grey when off (0xRRGGBB).
    unsigned simModeColor() const { return m_options.on(MainOption::SimMode) ? 0x00FF00u : 0x808080u; }

    ErrorLog& errorLog() { return m_errorLog; }
    DayLog& dayLog() { return *m_dayLog; }
    // AppendErrorLog of a fetch error; a failure to save is shown.
    void appendErrorLog(const std::string& text);
    // AppendDayLog: adds lines to the run log (saved when `save`) and shows them in the log window.
    void appendDayLog(const std::vector<std::string>& lines, bool save = true);

    // The log window's list `AutoNaviList` and its selected line (-1 none).
    const std::vector<std::string>& autoNaviList() const { return m_autoNaviList; }
    int autoNaviSelected() const { return m_autoNaviSelected; }

    // Grids of the main window.
    TextGrid stringGrid26;
    TextGrid stringGrid1;
    std::array<TextGrid, 8> kaimeGrids;  // in bet-type order: Tan, Fuk, WR, UR, WD, UT, SRF, SRT
    TextGrid allKaimeGrid;
    TextGrid hyosuGrid;
    TextGrid oddsGrid;

    // ReadCancelled: raised by a cancelled download, lowered when the next one starts; every read loop
    // of JV-Link data stops while it is raised.
    bool ReadCancelled = false;
    // The action that builds the list of meeting days (MakeDataListBtn); empty until the race
    // calendar is built.
    std::function<void()> makeDataList;
    // Told when state shown by the window changed (options, logs, grids).
    std::function<void()> changed;

private:
    void lookUpCompanionFolders();
    void loadSettings();
    void showAutoNaviList();
    void reportWrite(const Status& status);
    void notify();

    AppFolders m_folders;
    std::string m_windowsFolder;
    MainPorts m_ports;
    std::unique_ptr<Settings> m_settings;
    bool m_created = false;
    WindowPlacement m_placement;
    MainOptions m_options;
    bool m_autoRunMode = false;
    std::array<std::string, 16> m_ozSpan;
    ErrorLog m_errorLog;
    std::unique_ptr<DayLog> m_dayLog;
    std::vector<std::string> m_autoNaviList;
    int m_autoNaviSelected = -1;
};

}  // namespace marovix
