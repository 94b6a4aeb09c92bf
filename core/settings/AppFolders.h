#pragma once
// The folders and fixed files below AppFolder. Linux file systems distinguish case, so each folder
// has one name, used both when it is created and when it is addressed.
#include <array>
#include <string>
#include <string_view>

#include "core/common/Result.h"
#include "core/settings/SettingsTable.h"

namespace marovix {

class AppFolders {
public:
    static constexpr std::array<std::string_view, 7> kFolderNames = {"Data", "kaime", "TCSV", "log",
                                                                     "CHG",  "STAT",  "CSV"};

    explicit AppFolders(std::string appFolder) : m_appFolder(std::move(appFolder)) {}

    // The program's shared-data folder (Media/ with the alert sounds) of an executable's folder.
    static std::string sharedDataFolder(std::string_view executableFolder);

    const std::string& appFolder() const { return m_appFolder; }
    // AppFolder + "/" + tail.
    std::string path(std::string_view tail) const;
    std::string dataFolder() const { return path("Data"); }
    std::string logFolder() const { return path("log"); }
    std::string changeFolder() const { return path("CHG"); }
    std::string tcsvFolder() const { return path("TCSV"); }
    std::string csvFolder() const { return path("CSV"); }
    std::string errorLogPath() const { return path("ErrorLog.txt"); }
    std::string settingsPath() const { return path(SettingsFileName); }
    std::string manualPath() const { return path("Marovix.pdf"); }
    // The day's run log: log/yyyymmdd.log.
    std::string dayLogPath(std::string_view yyyymmdd) const;
    // A day data file: Data/<DayText><extension>, e.g. Data/2024年01月06日.jvRA.
    std::string dayDataPath(std::string_view dayText, std::string_view extension) const;

    // Creates every folder that does not exist yet, in order; stops at the first failure, whose
    // error carries the system's error text.
    Status createFolders() const;

private:
    std::string m_appFolder;
};

}  // namespace marovix
