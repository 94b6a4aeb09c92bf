#pragma once
// Typed access to the settings file through the rows of SettingsTable.h. Reads never fail and
// give the row's default; writes go to the file at once and report a file that cannot be written.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/Result.h"
#include "core/ports/Clock.h"
#include "core/settings/SettingsSnapshot.h"
#include "core/settings/SettingsTable.h"
#include "core/settings/TIniGT.h"

namespace marovix {

class Settings {
public:
    // Binds to SettingsFileName in `appFolder`. The Windows folder and the clock make the
    // defaults that depend on the run. `clock` must outlive the object.
    Settings(std::string appFolder, std::string windowsFolder, const Clock& clock);

    // Path of the settings file.
    const std::string& filePath() const { return m_ini.fileName(); }
    // Why the settings file cannot be read (TIniGT::readProblem); empty when it can, or is missing.
    std::string fileProblem() const { return m_ini.readProblem(); }

    // The settings file read once, for an operation that reads several settings.
    // REQUIRES: this object outlives the snapshot.
    SettingsSnapshot snapshot() const { return SettingsSnapshot(*this, m_ini.snapshot()); }
    // How many times the file has been read for reads of settings (see TIniGT::fileReads).
    std::uint64_t fileReads() const { return m_ini.fileReads(); }

    // Each read below reads the file once. REQUIRES: the row's type is Bool, Integer, Text respectively
    // (writes alike).
    bool readBool(const SettingKey& row) const;
    std::int32_t readInt(const SettingKey& row) const;
    std::string readText(const SettingKey& row) const;
    // The text as stored, empty when the key was never written: for the places that tell a
    // setting never made from one made (companion folders at start-up, the first download).
    std::string readStoredText(const SettingKey& row) const;
    // The default of a Text row, run defaults worked out now.
    std::string defaultText(const SettingKey& row) const;

    Status writeBool(const SettingKey& row, bool value);
    Status writeInt(const SettingKey& row, std::int32_t value);
    Status writeText(const SettingKey& row, std::string_view value);

    // The items of a race-filter list in order (one read of the file); a missing item takes the value read
    // for the item before it, the first one `firstDefault`.
    std::vector<std::int32_t> readList(const SettingList& list, std::int32_t firstDefault) const;
    // All race-filter lists in their reading order (settings::RaceFilterLists), chained: each
    // list's first default is the last value of the list before, the very first NaviQuitSel's. One read
    // of the file.
    std::array<std::vector<std::int32_t>, settings::RaceFilterListCount> readRaceFilterLists() const;
    // Writes every item of the list. REQUIRES: values.size() == list.itemCount.
    Status writeList(const SettingList& list, std::span<const std::int32_t> values);

private:
    std::string m_appFolder;
    std::string m_windowsFolder;
    const Clock& m_clock;
    TIniGT m_ini;
};

}  // namespace marovix
