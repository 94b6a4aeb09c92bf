// marovix_fuzz_seeds OUT: writes the seed corpus of every fuzz target into OUT/<target>/, made from one
// meeting day of the demo-data generator and from the program's own writers (settings, vote file,
// balance file, stand-in settings), each in its target's input form (fuzz/support/FuzzParts.h).
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "core/common/Cp932.h"
#include "core/common/TextFile.h"
#include "core/race/JvRecord.h"
#include "core/race/KeibaFunc.h"
#include "core/race/RecordFields.h"
#include "core/results/PayoutSummary.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "core/vote/VoteLine.h"
#include "core/vote/VotePluginFiles.h"
#include "fuzz/seeds/DemoRecords.h"
#include "fuzz/support/FuzzFolder.h"
#include "fuzz/support/FuzzParts.h"
#include "standins/jvlink/FeedSettings.h"
#include "standins/records/RecordBuilder.h"
#include "standins/voteplugin/PaperAccount.h"
#include "standins/voteplugin/VotePluginRun.h"
#include "tests/support/FakeClock.h"
#include "tests/support/TempFolder.h"

namespace marovix::fuzz {
namespace {

const FakeClock kClock{DateTime{2024, 1, 6, 9, 0, 0}};

class SeedMaker {
public:
    SeedMaker(std::string out, const DemoRecords& demo, std::string work)
        : m_out(std::move(out)), m_demo(demo), m_work(std::move(work)) {
        m_races = m_demo.dayFile(".jvRA");
        m_course = m_races.empty() ? std::string() : CourseName(fieldText(m_races.front(), RaField::courseCode));
    }

    void make() {
        recordCutting();
        dayFileStore();
        raceDay();
        oddsReading();
        payoutReading();
        settingsIni();
        indexFiles();
        timeSeries();
        voteFile();
        balanceFile();
        feedLayout();
    }

private:
    void seed(const std::string& target, const std::string& name, const std::string& bytes) {
        writeFile(m_out + "/" + target + "/" + name, bytes);
    }
    void seed(const std::string& target, const std::string& name, const std::vector<std::string>& parts) {
        seed(target, name, joinParts(parts));
    }
    // The lines of a day file that belong to the first `count` races of the race file (by race key).
    std::vector<std::string> ofFirstRaces(const std::vector<std::string>& lines, std::size_t count) const {
        std::vector<std::string> kept;
        for (const std::string& line : lines)
            for (std::size_t i = 0; i < count && i < m_races.size(); ++i)
                if (fieldText(line, IdField::raceKey16) == fieldText(m_races[i], IdField::raceKey16))
                    kept.push_back(line);
        return kept;
    }
    std::string odds(int kind, std::size_t races) const {
        return joinLines(ofFirstRaces(m_demo.dayFile(".jvO" + std::to_string(kind)), races));
    }
    std::string races(std::size_t count) const { return joinLines(firstLines(m_races, count)); }

    void recordCutting() {
        for (const char* type : {"RA", "SE", "HR", "O1", "O2", "O3", "O4", "O5", "O6", "DM", "TM", "WE", "AV", "TC"})
            if (!m_demo.records(type).empty()) seed("record_cutting", type, m_demo.records(type).front());
        if (!m_races.empty()) seed("record_cutting", "RA-line", m_races.front());
        // A post-time change, which the generated day may lack.
        RecordBuilder tc("TC");
        tc.field(TcField::dayKey8, "20240106")
            .field(TcField::courseCode, "06")
            .field(TcField::meetingNumber, "01")
            .field(TcField::dayNumber, "01")
            .number(TcField::raceNumber, 11)
            .field(TcField::announced, "01061402")
            .number(TcField::newPostTime, 1550)
            .number(TcField::previousPostTime, 1540);
        seed("record_cutting", "TC-built", tc.record());
    }

    void dayFileStore() {
        auto record = [&](char flags, const char* type, std::size_t index) {
            const auto& all = m_demo.records(type);
            return std::string(1, flags) + (index < all.size() ? all[index] : std::string());
        };
        seed("day_file_store", "sorted",
             {races(3), "", record(0, "RA", 0), record('\x80', "RA", 1), record(1, "O1", 0), record(0, "HR", 0),
              record(3, "DM", 0), record(4, "TM", 0)});
        seed("day_file_store", "runners",
             {"", joinLines(firstLines(m_demo.dayFile(m_course + ".jvSEr"), 20)), record(0, "SE", 0),
              record('\x80', "SE", 1), record(2, "SE", 2)});
    }

    std::string settingsFile() const {
        const TempFolder app(m_work);
        Settings program(app.path(), app.path(), kClock);
        for (const SettingKey& row : settings::BuyBaken) (void)program.writeBool(row, true);
        (void)program.writeText(settings::DirLumidex, app.path() + "/Lumidex");
        auto bytes = readFileBytes(program.filePath());
        return bytes ? *bytes : std::string();
    }

    void raceDay() {
        const auto& compi = m_demo.companion("Lumidex/Data/" + std::string(DemoRecords::kDayText) + m_course + ".comp");
        const auto date = std::string(m_races.empty() ? "" : fieldText(m_races.front(), RaField::dayKey8));
        std::vector<std::string> parts = {races(2),
                                          joinLines(firstLines(m_demo.dayFile(m_course + ".jvSEr"), 36)),
                                          joinLines(ofFirstRaces(m_demo.dayFile(".jvDM"), 2)),
                                          joinLines(ofFirstRaces(m_demo.dayFile(".jvTM"), 2)),
                                          joinLines(ofFirstRaces(m_demo.dayFile(".jvHR"), 2)),
                                          odds(1, 2),
                                          odds(2, 2),
                                          odds(3, 2),
                                          "",
                                          "",
                                          "",
                                          joinLines(firstLines(compi, 2)),
                                          joinLines(firstLines(m_demo.companion("TCSV/SisuA" + date + ".csv"), 36)),
                                          joinLines(firstLines(m_demo.companion("TCSV/SisuB" + date + ".csv"), 36)),
                                          "",
                                          settingsFile()};
        seed("race_day", "two-races", parts);
    }

    void oddsReading() {
        seed("odds_reading", "win-to-wide", {races(2), odds(1, 2), odds(2, 2), odds(3, 2)});
        seed("odds_reading", "exacta-trio", {races(1), "", "", "", odds(4, 1), odds(5, 1)});
        seed("odds_reading", "trifecta", {races(1), "", "", "", "", "", odds(6, 1)});
    }

    // Selection rows of the race's winning combinations, and one that does not win.
    static std::string winningRows(const std::string& hr) {
        const PayoutSummary summary = summarisePayout(hr);
        std::string rows;
        for (int bet = 0; bet < 8; ++bet) {
            const std::string name(betTypeInfo(static_cast<BetType>(bet)).name);
            for (const PayoutSummaryEntry& entry : summary.bets[static_cast<std::size_t>(bet)]) {
                std::string kaime = entry.combination;
                if (bet < 2 && entry.horse > 0) kaime = (entry.horse < 10 ? " " : "") + std::to_string(entry.horse);
                if (!kaime.empty()) rows += name + "\t" + kaime + "\t   100\n";
            }
        }
        return rows + "単勝\t18\t   300\n";
    }

    void payoutReading() {
        const auto hr = ofFirstRaces(m_demo.dayFile(".jvHR"), 3);
        seed("payout_reading", "three-races", {races(3), joinLines(hr), hr.empty() ? "" : winningRows(hr.front())});
    }

    void settingsIni() {
        seed("settings_ini", "program", {settingsFile(), "/home/user/Kalvora/Data", "\x05"});
        const std::string quoted = utf8ToCp932(
            "[Dir]\r\nlumidex=\"  /data/lumidex  \"\r\n[OzSpan]\r\nToz1A=｢1.5｣\r\nToz1B=\"\"\r\n[time]\r\n"
            "autoozget=0x1F\r\nAutoOzGetSec=12ab\r\n; comment\r\n[tohyo]\r\nDupOK=1\r\n");
        seed("settings_ini", "quoted", {quoted, utf8ToCp932("｢ 2.0 ｣"), "\x10"});
    }

    void indexFiles() {
        const auto date = std::string(m_races.empty() ? "" : fieldText(m_races.front(), RaField::dayKey8));
        const auto& compi = m_demo.companion("Lumidex/Data/" + std::string(DemoRecords::kDayText) + m_course + ".comp");
        seed("index_files", "first-course",
             {races(12), joinLines(compi), joinLines(firstLines(m_demo.companion("TCSV/SisuA" + date + ".csv"), 60)),
              joinLines(firstLines(m_demo.companion("TCSV/SisuB" + date + ".csv"), 60))});
    }

    void timeSeries() {
        if (m_races.empty()) return;
        const std::string& race = m_races.front();
        const std::string folder = "Kalvora/Data/" + std::string(fieldText(race, RaField::dayKey8)) + "/" +
                                   std::string(fieldText(race, RecordField{20, 8}));
        auto viewer = [&](int kind, std::size_t lines) {
            return joinLines(firstLines(m_demo.companion(folder + ".jvO" + std::to_string(kind)), lines));
        };
        seed("time_series", "win-to-wide",
             {races(1), viewer(1, 4), viewer(2, 4), viewer(3, 4), "", "", "", odds(1, 2)});
        seed("time_series", "exacta-to-trifecta", {races(1), "", "", "", viewer(4, 2), viewer(5, 2), viewer(6, 1), ""});
    }

    void voteFile() {
        const auto hr = ofFirstRaces(m_demo.dayFile(".jvHR"), 1);
        if (hr.empty()) return;
        std::vector<VoteRow> rows;
        const std::vector<std::string> lines = splitLines(winningRows(hr.front()));
        for (const std::string& line : lines) {
            const std::size_t tab = line.find('\t'), second = line.find('\t', tab + 1);
            rows.push_back({line.substr(0, tab), line.substr(tab + 1, second - tab - 1), line.substr(second + 1)});
        }
        auto voteLines = VoteLines(fieldText(m_races.front(), IdField::raceKey16), rows);
        if (!voteLines) return;
        seed("vote_file", "winners", joinLines(*voteLines));
        seed("vote_file", "refused", joinLines(*voteLines) + "20240230,11,13,TAN,NORMAL,150,19,\r\nshort\n");
    }

    void balanceFile() {
        const TempFolder plugin(m_work);
        PaperAccount account(plugin.path());
        (void)account.setInetId("PAPER001");
        (void)account.setBalance(99900);
        (void)makeDirectory(plugin.path() + "/logs");
        (void)runBalanceQuery(plugin.path(), kClock);
        auto balance = readFileBytes(joinPath(plugin.path(), BalanceFileName));
        auto settings = readFileBytes(account.filePath());
        seed("balance_file", "queried", {balance ? *balance : "", settings ? *settings : ""});
    }

    void feedLayout() {
        const TempFolder settings(m_work);
        FeedSettings{"/home/me/jv-feed"}.save(settings.path());
        auto settingsBytes = readFileBytes(FeedSettings::filePath(settings.path()));
        const auto& we = m_demo.records("WE");
        const auto& tc = m_demo.records("TC");
        std::string stored;
        for (const auto* records : {&we, &tc})
            if (!records->empty()) stored += records->front();
        const std::string names = "20240105170000_RA0106.jvf\n20240106180000_HR0106.jvf\n2024010618_bad.jvf\n";
        const std::string faults = "JVRead -402 0B12 after 3\n# comment\nJVStatus -502 after 2\njvread -1\n";
        seed("feed_layout", "faults", {faults, stored, settingsBytes ? *settingsBytes : "", names});
        seed("feed_layout", "plain", {"", stored, "", "20240105170000_WE0106.jvf\n"});
    }

    std::string m_out;
    const DemoRecords& m_demo;
    std::string m_work;
    std::vector<std::string> m_races;
    std::string m_course;
};

}  // namespace
}  // namespace marovix::fuzz

int main(int argc, char** argv) {
    using namespace marovix;
    if (argc != 2) {
        std::fprintf(stderr, "usage: marovix_fuzz_seeds OUT\n");
        return 2;
    }
    const TempFolder work;
    const fuzz::DemoRecords demo(work.path());
    if (!demo.problem().empty()) {
        std::fprintf(stderr, "marovix_fuzz_seeds: %s\n", demo.problem().c_str());
        return 1;
    }
    std::error_code ec;
    std::filesystem::remove_all(argv[1], ec);
    fuzz::SeedMaker(argv[1], demo, work.path()).make();
    return 0;
}
