// marovix-cli settings [--app-folder DIR] [--section S --key K [--value V]]: lists every setting with its
// value, shows one, or writes one (keys as in Marovix.ini, matched without regard to case).
#include <strings.h>
#include <cstdio>

#include <cerrno>
#include <cstdio>
#include <limits>

#include "cli/CliApp.h"
#include "core/common/Cp932.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"

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

struct SettingsArgs {
    std::string appFolder, section, key;
    std::optional<std::string> value;
    const SettingKey* row = nullptr;
    std::int32_t number = 0;
};

CliRunner defineSettings(CLI::App& sub) {
    auto args = std::make_shared<SettingsArgs>();
    addAppFolderOption(sub, args->appFolder);
    auto* section = sub.add_option("--section", args->section, "section of the setting");
    auto* key = sub.add_option("--key", args->key, "key of the setting");
    auto* value = sub.add_option("--value", args->value, "new value to write");
    section->needs(key);
    key->needs(section);
    value->needs(key);
    // Every check before the settings file is touched.
    sub.callback([args] {
        SettingsArgs& a = *args;
        if (a.section.empty() && a.key.empty()) return;
        for (const SettingKey* row : settings::allKeys())
            if (sameName(row->section, a.section) && sameName(row->key, a.key)) a.row = row;
        if (!a.row) throw CLI::ValidationError("--key", "no setting [" + a.section + "] " + a.key);
        if (!a.value) return;
        if (a.row->type == SettingType::Text) {
            if (cp932ToUtf8(utf8ToCp932(*a.value)) != *a.value)
                throw CLI::ValidationError("--value", "the settings file cannot hold this text in CP932");
            return;
        }
        errno = 0;
        char* end = nullptr;
        const long long number = std::strtoll(a.value->c_str(), &end, 10);
        if (a.value->empty() || *end != '\0')
            throw CLI::ValidationError("--value", "[" + a.section + "] " + a.key + " takes a whole number");
        if (errno == ERANGE || number < std::numeric_limits<std::int32_t>::min() ||
            number > std::numeric_limits<std::int32_t>::max())
            throw CLI::ValidationError("--value", "a whole number from -2147483648 to 2147483647, got " + *a.value);
        a.number = static_cast<std::int32_t>(number);
    });
    return [args](CliContext& context) {
        const SettingsArgs& a = *args;
        Settings store(appFolderOf(a.appFolder, context), context.sharedDataFolder(), context.clock());
        if (std::string problem = store.fileProblem(); !problem.empty()) std::fprintf(stderr, "%s\n", problem.c_str());
        if (!a.row) {
            for (const SettingKey* row : settings::allKeys())
                std::printf("[%.*s] %.*s=%s\n", static_cast<int>(row->section.size()), row->section.data(),
                            static_cast<int>(row->key.size()), row->key.data(), valueOf(store, *row).c_str());
            return 0;
        }
        if (a.value) {
            Status written = a.row->type == SettingType::Text   ? store.writeText(*a.row, *a.value)
                             : a.row->type == SettingType::Bool ? store.writeBool(*a.row, a.number != 0)
                                                                : store.writeInt(*a.row, a.number);
            if (!written) {
                std::fprintf(stderr, "marovix-cli settings: %s\n", written.error().c_str());
                return 1;
            }
        }
        std::printf("%s\n", valueOf(store, *a.row).c_str());
        return 0;
    };
}

const bool settingsCommandRegistered =
    registerCliCommand({"settings", "list, show or write settings of Marovix.ini", defineSettings});

}  // namespace
}  // namespace marovix
