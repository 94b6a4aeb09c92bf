#include "standins/jvlink/FeedSettings.h"

#include <strings.h>
#include <cstdlib>
#include <filesystem>

#include "core/common/TextFile.h"

namespace marovix {
namespace {

constexpr const char* kFileName = "jvlink-standin.ini";
constexpr const char* kSection = "[Feed]";
constexpr const char* kFeedFolderKey = "FeedFolder";

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string trimmed(std::string_view text) {
    const char* blanks = " \t\r";
    auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    auto last = text.find_last_not_of(blanks);
    return std::string(text.substr(first, last - first + 1));
}

}  // namespace

std::string FeedSettings::defaultFolder() {
    if (auto own = environment("MAROVIX_JVLINK_CONFIG"); !own.empty()) return own;
    if (auto xdg = environment("XDG_CONFIG_HOME"); !xdg.empty()) return joinPath(xdg, "marovix-jvlink");
    if (auto home = environment("HOME"); !home.empty()) return joinPath(home, ".config/marovix-jvlink");
    return {};
}

std::string FeedSettings::filePath(const std::string& settingsFolder) { return joinPath(settingsFolder, kFileName); }

FeedSettings FeedSettings::load(const std::string& settingsFolder) {
    FeedSettings settings;
    if (settingsFolder.empty()) return settings;
    auto lines = readRawLines(filePath(settingsFolder));
    if (!lines) return settings;
    // Ini-like: "key=value" lines, keys in any case; sections and ";" or "#" comments are skipped.
    for (const auto& line : *lines) {
        auto text = trimmed(line);
        if (text.empty() || text[0] == ';' || text[0] == '#' || text[0] == '[') continue;
        auto equals = text.find('=');
        if (equals == std::string::npos) continue;
        if (strcasecmp(trimmed(text.substr(0, equals)).c_str(), kFeedFolderKey) == 0)
            settings.feedFolder = trimmed(text.substr(equals + 1));
    }
    return settings;
}

Status FeedSettings::save(const std::string& settingsFolder) const {
    if (settingsFolder.empty()) return Error{"no settings folder: neither MAROVIX_JVLINK_CONFIG nor HOME is set"};
    std::error_code ec;
    std::filesystem::create_directories(settingsFolder, ec);
    if (ec) return Error{settingsFolder + ": " + ec.message()};
    // File paths on Linux are UTF-8; CP932 could not hold every path, so this file stays UTF-8.
    return writeRawLines(filePath(settingsFolder), {kSection, std::string(kFeedFolderKey) + "=" + feedFolder});
}

}  // namespace marovix
