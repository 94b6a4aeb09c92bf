#pragma once
// The JV-Link stand-in's own settings, kept apart from the program's settings file: the text file
// "jvlink-standin.ini" in the stand-in's settings folder.
#include <string>

#include "core/common/Result.h"

namespace marovix {

struct FeedSettings {
    // The feed folder the stand-in serves (empty: none chosen yet).
    std::string feedFolder;

    // The settings folder: $MAROVIX_JVLINK_CONFIG when set, else $XDG_CONFIG_HOME/marovix-jvlink, else
    // $HOME/.config/marovix-jvlink; empty when none of these variables is set.
    static std::string defaultFolder();
    // The settings file in `settingsFolder`.
    static std::string filePath(const std::string& settingsFolder);

    // Reads the settings of `settingsFolder`. A missing file or key leaves the value empty; never fails.
    static FeedSettings load(const std::string& settingsFolder);
    static FeedSettings load() { return load(defaultFolder()); }
    // Writes the settings (UTF-8, CR LF), creating the folder and its parents when missing.
    Status save(const std::string& settingsFolder) const;
    Status save() const { return save(defaultFolder()); }
};

}  // namespace marovix
