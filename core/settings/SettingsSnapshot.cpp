#include "core/settings/SettingsSnapshot.h"

#include <cassert>

#include "core/settings/Settings.h"

namespace marovix {

bool SettingsSnapshot::readBool(const SettingKey& row) const {
    assert(row.type == SettingType::Bool);
    return m_values.ReadBool(row.section, row.key, row.number != 0);
}

std::int32_t SettingsSnapshot::readInt(const SettingKey& row) const {
    assert(row.type == SettingType::Integer);
    return m_values.ReadInteger(row.section, row.key, row.number);
}

std::string SettingsSnapshot::readText(const SettingKey& row) const {
    assert(row.type == SettingType::Text);
    return m_values.ReadString(row.section, row.key, m_settings->defaultText(row));
}

std::string SettingsSnapshot::readStoredText(const SettingKey& row) const {
    assert(row.type == SettingType::Text);
    return m_values.ReadString(row.section, row.key, {});
}

std::vector<std::int32_t> SettingsSnapshot::readList(const SettingList& list, std::int32_t firstDefault) const {
    std::vector<std::int32_t> values;
    values.reserve(static_cast<std::size_t>(list.itemCount));
    std::int32_t previous = firstDefault;
    for (int i = 0; i < list.itemCount; ++i) {
        previous = m_values.ReadInteger(list.section, settings::listItemKey(i), previous);
        values.push_back(previous);
    }
    return values;
}

}  // namespace marovix
