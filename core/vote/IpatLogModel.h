#pragma once
// The log window "自動運転稼働状況ログ" (TIpatLogForm) as a model: the day's run log in AutoNaviList, the
// vote plug-in's own log of the selected race day in IPATLogListBox, and the window's placement. The
// window shows this state and forwards its clicks; the command line (marovix-cli ipat-log) drives the same
// handlers.
#include <string>
#include <vector>

#include "core/common/ListBox.h"
#include "core/common/Result.h"
#include "core/common/WindowNotices.h"
#include "core/common/WindowPlacement.h"

namespace marovix {

class Dialogs;
class Settings;

// The ids of the log window.
struct IpatLogIds {
    enum class Part {
        AutoNaviList,    // tab "自動運転ログ"
        IPATLogListBox,  // tab "IPATログ"
        Count
    };
};

struct IpatLogState {
    ListBox autoNaviList;
    ListBox ipatLogListBox;
    // The race day whose plug-in log LogUpdateBtn loads, yyyymmdd; empty while none is selected.
    std::string raceDay;
    WindowPlacement placement;
};

// The log window's placement in the settings (section IpatLoglocate), and its writing, which stops at the
// first write that fails and returns that failure.
WindowPlacement readIpatLogPlacement(const Settings& settings);
Status writeIpatLogPlacement(Settings& settings, const WindowPlacement& placement);

// What the model reaches.
struct IpatLogPorts {
    Settings& settings;  // the plug-in folder (Dir VQMTohyo2) and the section IpatLoglocate
    Dialogs& dialogs;
};

class IpatLogModel : public IpatLogIds, public WindowModel<IpatLogIds::Part> {
public:
    static constexpr const char* kCaption = "自動運転稼働状況ログ";

    // The placement read from the settings.
    explicit IpatLogModel(IpatLogPorts ports);

    const IpatLogState& state() const { return m_state; }

    // An append that shows the day log: the list's items replaced by the log's lines, the last selected.
    void showDayLog(const std::vector<std::string>& lines);
    // The race day selected in the main window, yyyymmdd of its first race; empty when none is.
    void setRaceDay(const std::string& raceDay);
    // "更新": nothing without a selected race day; else the plug-in's log of that day (its folder's
    // logs/yyyymmdd.log) fills the list when the file exists. A log that exists but cannot be read is told
    // through the dialogs and leaves the list as it was.
    void LogUpdateBtnClick();

    // The window activated: the placement to apply is state().placement, read again from the settings.
    void FormActivate();
    // The window lost activation at `placement`: stored.
    void FormDeactivate(const WindowPlacement& placement);

private:
    void readPlacement();

    IpatLogPorts m_ports;
    IpatLogState m_state;
};

}  // namespace marovix
