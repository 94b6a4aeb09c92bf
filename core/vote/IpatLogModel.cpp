#include "core/vote/IpatLogModel.h"

#include "core/ports/Dialogs.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "core/vote/BalanceWatch.h"

namespace marovix {

WindowPlacement readIpatLogPlacement(const Settings& settings) {
    return WindowPlacement{settings.readInt(settings::IpatLogLocateTop), settings.readInt(settings::IpatLogLocateLeft),
                           settings.readInt(settings::IpatLogLocateWidth),
                           settings.readInt(settings::IpatLogLocateHeight)};
}

Status writeIpatLogPlacement(Settings& settings, const WindowPlacement& placement) {
    for (const auto& [key, value] : {std::pair{&settings::IpatLogLocateTop, placement.top},
                                     std::pair{&settings::IpatLogLocateLeft, placement.left},
                                     std::pair{&settings::IpatLogLocateWidth, placement.width},
                                     std::pair{&settings::IpatLogLocateHeight, placement.height}}) {
        if (Status status = settings.writeInt(*key, value); !status) return status;
    }
    return {};
}

IpatLogModel::IpatLogModel(IpatLogPorts ports) : m_ports(ports) { readPlacement(); }

void IpatLogModel::showDayLog(const std::vector<std::string>& lines) {
    m_notices.join([&] {
        m_state.autoNaviList = ListBox{lines, static_cast<int>(lines.size()) - 1};
        m_notices.changed(Part::AutoNaviList);
    });
}

void IpatLogModel::setRaceDay(const std::string& raceDay) { m_state.raceDay = raceDay; }

void IpatLogModel::LogUpdateBtnClick() {
    m_notices.run([&] {
        if (m_state.raceDay.empty()) return;
        auto lines = readIpatLog(m_ports.settings.readStoredText(settings::DirVQMTohyo2), m_state.raceDay);
        if (!lines) {
            m_ports.dialogs.error(lines.error());
        } else if (*lines) {
            m_state.ipatLogListBox = ListBox{std::move(**lines), -1};
            m_notices.changed(Part::IPATLogListBox);
        }
    });
}

void IpatLogModel::FormActivate() { readPlacement(); }

void IpatLogModel::FormDeactivate(const WindowPlacement& placement) {
    m_state.placement = placement;
    if (Status status = writeIpatLogPlacement(m_ports.settings, placement); !status)
        m_ports.dialogs.error(status.error());
}

void IpatLogModel::readPlacement() { m_state.placement = readIpatLogPlacement(m_ports.settings); }

}  // namespace marovix
