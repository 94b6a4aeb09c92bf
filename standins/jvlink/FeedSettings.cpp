#include "standins/jvlink/FeedSettings.h"

#include <strings.h>
#include <cstdlib>

#include "core/common/TextFile.h"
#include "core/common/Trim.h"

namespace marovix {
namespace {

constexpr const char* kFileName = "jvlink-standin.ini";
constexpr const char* kSection = "[Feed]";
constexpr const char* kFeedFolderKey = "FeedFolder";

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

}  // namespace

std::string FeedSettings::defaultFolder() {
    if (auto own = environment("MAROVIX_JVLINK_CONFIG"); !own.empty()) return own;
    if (auto xdg = environment("XDG_CONFIG_HOME"); !xdg.empty()) return joinPath(xdg, "marovix-jvlink");
    if (auto home = environment("HOME"); !home.empty()) return joinPath(joinPath(home, ".config"), "marovix-jvlink");
    // Windows keeps a user's settings under the roaming application-data folder.
    if (auto appData = environment("APPDATA"); !appData.empty()) return joinPath(appData, "marovix-jvlink");
    return {};
}

std::string FeedSettings::filePath(const std::string& settingsFolder) { return joinPath(settingsFolder, kFileName); }

FeedSettings FeedSettings::load(const std::string& settingsFolder) {
    FeedSettings settings;
    if (settingsFolder.empty()) return settings;
    auto lines = readRawLines(filePath(settingsFolder));
    if (!lines) return settings;
    // Ini-like: "key=value" lines, keys in any case; sections and ";" or "#" comments are skipped.
    // The lines hold no LF: their blanks are blanks, tabs and a CR left by an odd line end.
    for (const auto& line : *lines) {
        const std::string_view text = trimmed(line, Blanks::SpaceTabLineEnd);
        if (text.empty() || text[0] == ';' || text[0] == '#' || text[0] == '[') continue;
        const auto equals = text.find('=');
        if (equals == std::string_view::npos) continue;
        const std::string key(trimmed(text.substr(0, equals), Blanks::SpaceTabLineEnd));
        if (strcasecmp(key.c_str(), kFeedFolderKey) == 0)
            settings.feedFolder = trimmed(text.substr(equals + 1), Blanks::SpaceTabLineEnd);
    }
    return settings;
}

Status FeedSettings::save(const std::string& settingsFolder) const {
    if (settingsFolder.empty()) return Error{"no settings folder: neither MAROVIX_JVLINK_CONFIG nor HOME is set"};
    if (Status made = makeDirectories(settingsFolder); !made) return made;
    // File paths on Linux are UTF-8; CP932 could not hold every path, so this file stays UTF-8.
    return writeRawLines(filePath(settingsFolder), {kSection, std::string(kFeedFolderKey) + "=" + feedFolder});
}

}  // namespace marovix
