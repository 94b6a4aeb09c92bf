#include "tests/support/VoteDay.h"

#include "core/common/TextFile.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "standins/records/RecordBuilder.h"
#include "tests/support/TestDayFiles.h"

namespace marovix {
namespace {

std::string raceLine(int race) {
    return RecordBuilder("RA")
        .text(12, "20240526")
        .text(20, "05")
        .text(22, "02")
        .text(24, "08")
        .number(26, 2, race)
        .number(874, 4, 1540)
        .number(882, 2, 8)
        .line();
}

std::string runnerLine(int race, int horse) {
    return RecordBuilder("SE").text(12, "20240526").text(20, "05").number(26, 2, race).number(29, 2, horse).line();
}

}  // namespace

bool writeVoteDay(const std::string& appFolder, const std::string& pluginFolder) {
    std::vector<std::string> ra = {raceLine(10), raceLine(11)}, se(216, std::string(553, ' '));
    for (int r : {10, 11})
        for (int h = 1; h <= 8; ++h) se[static_cast<std::size_t>((r - 1) * 18 + h - 1)] = runnerLine(r, h);
    const std::string data = joinPath(appFolder, "Data");
    return makeDirectory(data).ok() && writeAlertSounds(joinPath(appFolder, "share")).ok() &&
           makeDirectory(pluginFolder).ok() && makeDirectory(pluginFolder + "/kaime").ok() &&
           writeRawLines(data + "/" + kVoteDay + ".jvRA", ra).ok() &&
           writeRawLines(data + "/" + kVoteDay + "東京.jvSEr", se).ok();
}

void putQuinellaRows(MainModel& model, const std::vector<std::array<const char*, 4>>& rows) {
    auto& grid = const_cast<KaimeGrid&>(model.state().kaimeGrid(BetType::UR));
    grid.setRowCount(static_cast<int>(rows.size()) + 1);
    int r = 1;
    for (const auto& [kesu, kaime, odds, stake] : rows) {
        grid.setCell(KaimeCol::Kesu, r, kesu);
        grid.setCell(KaimeCol::No, r, std::to_string(r));
        grid.setCell(KaimeCol::Baken, r, "馬連");
        grid.setCell(KaimeCol::Kaime, r, kaime);
        grid.setCell(KaimeCol::Odds, r, odds);
        grid.setCell(KaimeCol::Stake, r, stake);
        ++r;
    }
    const_cast<MainLabels&>(model.state().labels)[{BetType::UR, BetLabel::Toshi}].text = "   800";
    model.setOption(MainOption::TabIndex, 4);
}

void VoteDayTest::SetUp() {
    plugin = folder.file("VQM plug in");
    ASSERT_TRUE(writeVoteDay(folder.path(), plugin));
    setting(settings::DirVQMTohyo2, plugin);
    fakes.clock.set(DateTime{2024, 5, 26, 15, 30, 0});
    restart();
}

void VoteDayTest::restart(int race) {
    model.reset();
    MainPorts ports{fakes.jvLink, fakes.dialogs, fakes.clock,  fakes.registry,
                    fakes.sound,  fakes.opener,  fakes.random, launcher ? *launcher : fakes.launcher};
    model = std::make_unique<MainModel>(folder.path(), folder.path() + "/share", ports);
    ASSERT_TRUE(model->create());
    model->DateComboChange(kDay);
    model->DatListClick(race);  // race 11, post 15:40
}

void VoteDayTest::setting(const SettingKey& key, const std::string& value) {
    ASSERT_TRUE(Settings(folder.path(), folder.path() + "/share", fakes.clock).writeText(key, value).ok());
}

void VoteDayTest::quinellaRows(std::vector<std::array<const char*, 4>> rows) { putQuinellaRows(*model, rows); }

void VoteDayTest::raceWithRow(int index, const char* combination) {
    model->DatListClick(index);
    quinellaRows({{"", combination, "   12.5", "   500"}});
}

std::string VoteDayTest::voteFile() {
    auto bytes = readFileBytes(plugin + "/kaime/240526.csv");
    return bytes ? *bytes : std::string("(none)");
}

std::vector<std::string> VoteDayTest::logTail(std::size_t n) {
    const auto& log = model->state().autoNaviList;
    return std::vector<std::string>(log.end() - static_cast<std::ptrdiff_t>(std::min(n, log.size())), log.end());
}

std::vector<std::string> VoteDayTest::logFile() {
    auto lines = readTextLines(folder.file("log/20240526.log"));
    return lines ? *lines : std::vector<std::string>{};
}

}  // namespace marovix
