#pragma once
// The settings an operation uses, read once when it starts: typed reads through the rows of
// SettingsTable.h answered from the file as it stood at that moment. Every setting is still written to
// the file the moment its control changes, so an operation started after a change sees it.
#include <cstdint>
#include <string>
#include <vector>

#include "core/settings/SettingsTable.h"
#include "core/settings/TIniGT.h"

namespace marovix {

class Settings;

class SettingsSnapshot {
public:
    // REQUIRES: the row's type is Bool, Integer, Text respectively. A missing or unparsable value yields
    // the row's default, as Settings' reads do.
    bool readBool(const SettingKey& row) const;
    std::int32_t readInt(const SettingKey& row) const;
    std::string readText(const SettingKey& row) const;
    // The text as stored, empty when the key was never written.
    std::string readStoredText(const SettingKey& row) const;
    // The items of a race-filter list in order; a missing item takes the value read for the item before
    // it, the first one `firstDefault`.
    std::vector<std::int32_t> readList(const SettingList& list, std::int32_t firstDefault) const;

private:
    friend class Settings;
    // REQUIRES: `settings` (which makes the run defaults) outlives the snapshot.
    SettingsSnapshot(const Settings& settings, IniValues values) : m_settings(&settings), m_values(std::move(values)) {}

    const Settings* m_settings;
    IniValues m_values;
};

}  // namespace marovix
