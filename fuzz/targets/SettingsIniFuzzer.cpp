// The settings store on a damaged settings file: the ini text is parsed and written back, every setting
// of the program's table is read through the settings component and the program's settings, and one
// setting is written. What a write leaves must read the same in the running program and after a
// restart, and no other setting may change.
//
// Input parts: the settings file, the value written (CP932, as a window hands it over after
// conversion), and the choice of the row written (its first byte).
#include <cstdint>
#include <string>
#include <vector>

#include "core/common/Cp932.h"
#include "core/settings/IniDocument.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "core/settings/TIniGT.h"
#include "fuzz/support/FuzzFolder.h"
#include "fuzz/support/FuzzParts.h"
#include "tests/support/FakeClock.h"

namespace marovix {
namespace {

using fuzz::check;

std::vector<std::string> readAll(const TIniGT& ini) {
    std::vector<std::string> values;
    for (const SettingKey* row : settings::allKeys()) {
        values.push_back(ini.ReadString(row->section, row->key, "\x01"));
        (void)ini.ReadInteger(row->section, row->key, row->number);
        (void)ini.ReadBool(row->section, row->key, row->number != 0);
    }
    return values;
}

void readThroughProgram(const std::string& appFolder) {
    const FakeClock clock{DateTime{2024, 1, 6, 9, 0, 0}};
    const Settings program(appFolder, appFolder, clock);
    (void)program.fileProblem();
    for (const SettingKey* row : settings::allKeys()) {
        switch (row->type) {
            case SettingType::Bool: (void)program.readBool(*row); break;
            case SettingType::Integer: (void)program.readInt(*row); break;
            case SettingType::Text: (void)program.readText(*row); break;
        }
    }
    (void)program.readRaceFilterLists();
}

TIniGT component(const std::string& folder) {
    TIniGT ini(folder, folder);
    ini.setFileName(SettingsFileName);
    return ini;
}

}  // namespace
}  // namespace marovix

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace marovix;
    const auto parts = fuzz::splitParts(fuzz::inputText(data, size), 3);
    const std::string_view file = fuzz::partAt(parts, 0);

    const std::string written = IniDocument(file).bytes();
    check(IniDocument(written).bytes() == written, "an ini text written back reads as another text");

    const fuzz::FuzzFolder& folder = fuzz::FuzzFolder::fresh();
    folder.write(SettingsFileName, file);
    TIniGT ini = component(folder.path());
    const std::vector<std::string> before = readAll(ini);
    readThroughProgram(folder.path());

    const auto rows = settings::allKeys();
    const std::string_view choice = fuzz::partAt(parts, 2);
    const std::size_t chosen = choice.empty() ? 0 : static_cast<unsigned char>(choice.front()) % rows.size();
    const SettingKey& row = *rows[chosen];
    const std::string value = cp932ToUtf8(fuzz::partAt(parts, 1));
    if (!ini.WriteString(row.section, row.key, value)) return 0;

    const std::vector<std::string> running = readAll(ini);
    const std::vector<std::string> restarted = readAll(component(folder.path()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string name = std::string(rows[i]->section) + "/" + std::string(rows[i]->key);
        check(running[i] == restarted[i], "a setting reads otherwise after a restart: " + name + " \"" + running[i] +
                                              "\" / \"" + restarted[i] + "\"");
        // Sections and keys match without regard to case: a row spelled like the one written is that row.
        const bool same = IniDocument("[" + std::string(rows[i]->section) + "]\r\n" + std::string(rows[i]->key) + "=")
                              .find(row.section, row.key) != nullptr;
        if (!same)
            check(before[i] == restarted[i],
                  "writing one setting changed another: " + name + " \"" + before[i] + "\" / \"" + restarted[i] + "\"");
    }
    return 0;
}
