#include "core/settings/Settings.h"

#include <cassert>

#include "core/common/TextFile.h"

namespace marovix {

Settings::Settings(std::string appFolder, std::string windowsFolder, const Clock& clock)
    : m_appFolder(std::move(appFolder)),
      m_windowsFolder(std::move(windowsFolder)),
      m_clock(clock),
      m_ini(m_appFolder, m_windowsFolder) {
    m_ini.setDefaultDir(DefaultDir::ddApplication);
    m_ini.setFileName(SettingsFileName);
}

bool Settings::readBool(const SettingKey& row) const { return snapshot().readBool(row); }

std::int32_t Settings::readInt(const SettingKey& row) const { return snapshot().readInt(row); }

std::string Settings::readText(const SettingKey& row) const { return snapshot().readText(row); }

std::string Settings::readStoredText(const SettingKey& row) const { return snapshot().readStoredText(row); }

std::string Settings::defaultText(const SettingKey& row) const {
    switch (row.run) {
        case RunDefault::None: return std::string(row.text);
        case RunDefault::AppFolder: return m_appFolder;
        case RunDefault::WindowsMedia: return joinPath(joinPath(m_windowsFolder, "Media"), row.text);
        case RunDefault::YearBeforeNow: return m_clock.now().addDays(-365).slashText();
    }
    return std::string(row.text);
}

Status Settings::writeBool(const SettingKey& row, bool value) {
    assert(row.type == SettingType::Bool);
    return m_ini.WriteBool(row.section, row.key, value);
}

Status Settings::writeInt(const SettingKey& row, std::int32_t value) {
    assert(row.type == SettingType::Integer);
    return m_ini.WriteInteger(row.section, row.key, value);
}

Status Settings::writeText(const SettingKey& row, std::string_view value) {
    assert(row.type == SettingType::Text);
    return m_ini.WriteString(row.section, row.key, value);
}

std::vector<std::int32_t> Settings::readList(const SettingList& list, std::int32_t firstDefault) const {
    return snapshot().readList(list, firstDefault);
}

std::array<std::vector<std::int32_t>, settings::RaceFilterListCount> Settings::readRaceFilterLists() const {
    const SettingsSnapshot values = snapshot();
    std::array<std::vector<std::int32_t>, settings::RaceFilterListCount> lists;
    std::int32_t previous = values.readInt(settings::NaviQuitSel);
    for (std::size_t i = 0; i < lists.size(); ++i) {
        lists[i] = values.readList(*settings::RaceFilterLists[i], previous);
        if (!lists[i].empty()) previous = lists[i].back();
    }
    return lists;
}

Status Settings::writeList(const SettingList& list, std::span<const std::int32_t> values) {
    assert(values.size() == static_cast<std::size_t>(list.itemCount));
    for (std::size_t i = 0; i < values.size(); ++i) {
        Status status = m_ini.WriteInteger(list.section, settings::listItemKey(static_cast<int>(i)), values[i]);
        if (!status) return status;
    }
    return Status::success();
}

}  // namespace marovix
