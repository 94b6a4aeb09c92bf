// marovix-cli settings --app-folder DIR [--section S --key K [--value V]]: lists every setting with its
// value, shows one, or writes one (keys as in Marovix.ini, matched without regard to case).
#include <strings.h>
#include <cstdio>

#include "cli/CliApp.h"
#include "core/app/Settings.h"
#include "core/app/SettingsTable.h"
#include "platform/SystemClock.h"

namespace marovix {
namespace {

bool sameName(std::string_view a, const std::string& b) {
    return a.size() == b.size() && ::strncasecmp(a.data(), b.data(), a.size()) == 0;
}

std::string valueOf(const Settings& store, const SettingKey& row) {
    switch (row.type) {
        case SettingType::Bool: return store.readBool(row) ? "1" : "0";
        case SettingType::Integer: return std::to_string(store.readInt(row));
        case SettingType::Text: break;
    }
    return store.readText(row);
}

int runSettings(const CliArgs& args) {
    if (auto unknown = args.unknown({"--app-folder", "--section", "--key", "--value"}, {}); !unknown.empty()) {
        std::fprintf(stderr, "marovix-cli settings: unknown argument '%s'\n", unknown.front().c_str());
        return 2;
    }
    SystemClock clock;
    const std::string appFolder = args.appFolder();
    Settings store(appFolder, args.sharedDataFolder(), clock);
    if (std::string problem = store.fileProblem(); !problem.empty()) std::fprintf(stderr, "%s\n", problem.c_str());
    const auto section = args.option("--section");
    const auto key = args.option("--key");
    if (!section && !key) {
        for (const SettingKey* row : settings::allKeys())
            std::printf("[%.*s] %.*s=%s\n", static_cast<int>(row->section.size()), row->section.data(),
                        static_cast<int>(row->key.size()), row->key.data(), valueOf(store, *row).c_str());
        return 0;
    }
    if (!section || !key) {
        std::fprintf(stderr, "marovix-cli settings: --section and --key go together\n");
        return 2;
    }
    const SettingKey* found = nullptr;
    for (const SettingKey* row : settings::allKeys())
        if (sameName(row->section, *section) && sameName(row->key, *key)) found = row;
    if (!found) {
        std::fprintf(stderr, "marovix-cli settings: no setting [%s] %s\n", section->c_str(), key->c_str());
        return 2;
    }
    if (auto value = args.option("--value")) {
        Status written;
        if (found->type == SettingType::Text) {
            written = store.writeText(*found, *value);
        } else {
            char* end = nullptr;
            long number = std::strtol(value->c_str(), &end, 10);
            if (value->empty() || *end != '\0') {
                std::fprintf(stderr, "marovix-cli settings: [%s] %s takes a whole number\n", section->c_str(),
                             key->c_str());
                return 2;
            }
            written = found->type == SettingType::Bool ? store.writeBool(*found, number != 0)
                                                       : store.writeInt(*found, static_cast<std::int32_t>(number));
        }
        if (!written) {
            std::fprintf(stderr, "marovix-cli settings: %s\n", written.error().c_str());
            return 1;
        }
    }
    std::printf("%s\n", valueOf(store, *found).c_str());
    return 0;
}

const bool registered = registerCliCommand(
    {"settings", "settings --app-folder DIR [--section S --key K [--value V]]   list, show or write settings",
     runSettings});

}  // namespace
}  // namespace marovix
