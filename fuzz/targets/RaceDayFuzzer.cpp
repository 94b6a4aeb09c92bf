// A meeting day as the main window loads and shows it, from damaged files: the race file, the runner
// file of the first race's course, the mining, payout and odds files, the computer-index file, the two
// own-index files, the pre-marked horse table and the settings file. The day is chosen (LoadRaceDay) and
// its races shown (ShowRace: race card, marks, selections, stakes, the combined list, the hit judgement).
//
// Input parts, in order: .jvRA, .jvSEr, .jvDM, .jvTM, .jvHR, .jvO1 ... .jvO6, .comp, SisuA, SisuB, .Uset,
// Marovix.ini. An empty part leaves its file missing.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>

#include "core/app/MainModel.h"
#include "core/race/JvRecord.h"
#include "core/race/KeibaFunc.h"
#include "core/race/RecordFields.h"
#include "core/settings/SettingsTable.h"
#include "fuzz/support/FuzzFolder.h"
#include "fuzz/support/FuzzParts.h"
#include "tests/support/FakeMainPorts.h"

namespace marovix {
namespace {

const std::string kDay = "2024年01月06日";
// Showing every race of a full day costs much; the first races and the last one show what the others do.
constexpr int kRacesShown = 4;

enum Part { Ra, Se, Dm, Tm, Hr, O1, O6 = O1 + 5, Compi, SisuA, SisuB, Uset, Ini, PartCount };

std::string firstLine(std::string_view bytes) { return std::string(bytes.substr(0, bytes.find('\n'))); }

void layOut(const fuzz::FuzzFolder& folder, const std::vector<std::string_view>& parts) {
    auto put = [&](std::string_view tail, Part part) {
        const std::string_view bytes = fuzz::partAt(parts, part);
        if (!bytes.empty()) folder.write(tail, bytes);
    };
    static const char* const kExtensions[] = {".jvRA", nullptr, ".jvDM", ".jvTM", ".jvHR", ".jvO1",
                                              ".jvO2", ".jvO3", ".jvO4", ".jvO5", ".jvO6"};
    for (int part = Ra; part <= O6; ++part)
        if (kExtensions[part]) put("Data/" + kDay + kExtensions[part], static_cast<Part>(part));
    // The files named after the first race: its course and its date.
    const std::string race = firstLine(fuzz::partAt(parts, Ra));
    const std::string course = CourseName(fieldText(race, RaField::courseCode));
    if (!isAllBlanks(course)) {
        put("Data/" + kDay + course + ".jvSEr", Se);
        put("Data/" + kDay + course + ".comp", Compi);
    }
    const std::string date = std::string(fieldText(race, RaField::dayKey8));
    if (date.size() == 8 && std::all_of(date.begin(), date.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        put("TCSV/SisuA" + date + ".csv", SisuA);
        put("TCSV/SisuB" + date + ".csv", SisuB);
    }
    put("Data/" + kDay + ".Uset", Uset);
    put(SettingsFileName, Ini);
}

}  // namespace
}  // namespace marovix

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace marovix;
    const auto parts = fuzz::splitParts(fuzz::inputText(data, size), PartCount);
    const fuzz::FuzzFolder& folder = fuzz::FuzzFolder::fresh();
    layOut(folder, parts);
    FakeMainPorts fakes;
    fakes.clock.set(DateTime{2024, 1, 5, 9, 0, 0});
    MainModel model(folder.path(), folder.file("share"), fakes.ports());
    model.create();
    model.DateComboChange(kDay);
    const int races = static_cast<int>(model.state().datList.size());
    for (int index = 1; index < std::min(races, kRacesShown); ++index) model.DatListClick(index);
    if (races > kRacesShown) model.DatListClick(races - 1);
    model.HrReadBtnClick();
    return 0;
}
