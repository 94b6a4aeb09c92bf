// marovix-cli replay of a generated race day from 09:00 to 17:00 as fast as the work allows, automatic
// operation on and every race a target: each race's odds fetched at both its seconds and the race voted
// once after them, through the real paper-trading plug-in, whose balance falls by exactly the stakes; and
// with targets chosen in the strategy window, only those races voted; and a balance floor ending
// automatic operation.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <nlohmann/json.hpp>

#include "core/common/TextFile.h"
#include "core/jv/RealTimeFetch.h"
#include "core/race/JvRecord.h"
#include "core/race/RaceSchedule.h"
#include "core/race/RecordFields.h"
#include "core/session/DayLoadSettings.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "tests/support/CliRun.h"
#include "tests/support/DemoDay.h"
#include "tests/support/FakeClock.h"
#include "tests/support/TempFolder.h"

namespace marovix::replay_command_test {
namespace {

// The day-log lines printed before the closing JSON, and the JSON.
std::pair<std::vector<std::string>, nlohmann::json> split(const std::string& out) {
    const std::size_t json = out.find("\n{");
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < json) {
        const std::size_t end = out.find('\n', at);
        lines.push_back(out.substr(at, end - at));
        at = end + 1;
    }
    return {lines, nlohmann::json::parse(out.substr(json + 1))};
}

// A generated day with the paper-trading plug-in, win bets on the two horses of the pre-marked table, and
// every race a target (the individual list starts all selected).
void prepareDay(const DemoDay& demo, const TempFolder& folder) {
    const std::string plugin = folder.file("plugin");
    ASSERT_EQ(runCli("plugin --install '" + plugin + "' --balance 1000000").exitCode, 0);
    FakeClock clock(DateTime{2025, 3, 1, 8, 0, 0});
    Settings settings(demo.appFolder(), demo.appFolder() + "/share", clock);
    ASSERT_TRUE(settings.writeText(settings::DirVQMTohyo2, plugin).ok());
    ASSERT_TRUE(settings.writeInt(settings::TaishoRPickWay, 1).ok());  // every race a target
    ASSERT_TRUE(settings.writeBool(settings::OzGetOverWriteOK, true).ok());
    ASSERT_TRUE(settings.writeBool(settings::BuyBaken[0], true).ok());
    ASSERT_TRUE(settings.writeInt(settings::KaimeSetDefaultAmount[0], 200).ok());
    ASSERT_TRUE(writeTextLines(demo.appFolder() + "/selecteduma.dat",
                               {"110000000000000000", "000000000000000000", "000000000000000000"})
                    .ok());
}

std::string replay(const DemoDay& demo, const std::string& to = "17:00:00") {
    return "replay --app-folder " + demo.appFolder() + " --feed " + demo.feedFolder() + " --day " + demo.days()[0] +
           " --from 09:00:00 --to " + to + " --speed 0 --auto";
}

// Each test replays its own generated day, prepared as above.
class ReplayCommand : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(demo.problems().empty()) << demo.problems().front();
        prepareDay(demo, folder);
    }

    DemoDay demo{DemoDayOptions{DateTime{2025, 3, 1}, DateTime{2025, 3, 1}, 17, false, false}};
    TempFolder folder;
};

TEST_F(ReplayCommand, AWholeDayIsFetchedAndVotedRaceByRaceAndThePlugInTakesExactlyTheStakes) {
    const CliSplitRun run = runCliSplit(replay(demo));
    ASSERT_EQ(run.exitCode, 0) << run.err << run.out;
    const auto [log, json] = split(run.out);
    const int races = json.at("races");
    ASSERT_GT(races, 0) << run.out;
    EXPECT_EQ(json.at("targets"), races);
    EXPECT_EQ(json.at("oddsFetches"), 2 * races) << run.out;
    EXPECT_EQ(json.at("racesFetched").size(), static_cast<std::size_t>(races));
    EXPECT_EQ(json.at("racesVoted").size(), static_cast<std::size_t>(races)) << run.out;
    EXPECT_EQ(json.at("votesRefused"), 0) << run.out;
    EXPECT_EQ(json.at("secondsHandled"), 8 * 3600 + 1);
    const long long stakes = json.at("stakes");
    EXPECT_GT(stakes, 0);
    EXPECT_EQ(json.at("balanceBefore").get<long long>() - json.at("balanceAfter").get<long long>(), stakes) << run.out;

    // In order: each race's two fetches come before its vote, and each race is voted once.
    const auto switchedOn = std::find(log.begin(), log.end(), "■自動運転開始 2025/03/01 09:00:00");
    const auto firstFetch = std::find_if(log.begin(), log.end(),
                                         [](const std::string& line) { return line.rfind("■オッズ取得 ", 0) == 0; });
    EXPECT_LT(switchedOn, firstFetch);
    for (const auto& race : json.at("racesFetched")) {
        const std::string name = race;
        std::vector<std::size_t> fetches, votes;
        for (std::size_t i = 0; i < log.size(); ++i) {
            if (log[i].rfind("■オッズ取得 " + name + " ", 0) == 0) fetches.push_back(i);
            if (log[i] == "[" + name + "]投票実行") votes.push_back(i);
        }
        ASSERT_EQ(fetches.size(), 2u) << name;
        ASSERT_EQ(votes.size(), 1u) << name;
        EXPECT_LT(fetches[1], votes[0]) << name;
    }
}

TEST_F(ReplayCommand, OnlyTheTargetsChosenInTheStrategyWindowAreVoted) {
    // By attributes, dirt races only, as a user clicks them on the tab "対象レース指定".
    const CliSplitRun chosen = runCliSplit("strategy --app-folder " + demo.appFolder() + " --day " + demo.days()[0] +
                                           " --targets pick=0 --targets TrackList0=1 --apply-targets");
    ASSERT_EQ(chosen.exitCode, 0) << chosen.err;
    std::vector<std::string> targets = nlohmann::json::parse(chosen.out).at("NaviTarget");

    const CliSplitRun run = runCliSplit(replay(demo));
    ASSERT_EQ(run.exitCode, 0) << run.err << run.out;
    const auto [log, json] = split(run.out);
    const int races = json.at("races");
    ASSERT_FALSE(targets.empty());
    ASSERT_LT(targets.size(), static_cast<std::size_t>(races)) << "the day needs turf races too";
    EXPECT_EQ(json.at("targets"), targets.size());
    std::vector<std::string> voted = json.at("racesVoted");
    std::sort(voted.begin(), voted.end());
    std::sort(targets.begin(), targets.end());
    EXPECT_EQ(voted, targets);
    EXPECT_EQ(json.at("balanceBefore").get<long long>() - json.at("balanceAfter").get<long long>(),
              json.at("stakes").get<long long>());
}

TEST_F(ReplayCommand, ABalanceFloorEndsAutomaticOperationAtTheQueryAfterTheFirstVote) {
    // Stop below 1,000,000 yen: the query before the first race reads exactly that, the next one less.
    ASSERT_EQ(runCli("strategy --app-folder " + demo.appFolder() + " --navi-quit 3:0:1000000").exitCode, 0);

    const CliSplitRun run = runCliSplit(replay(demo));
    ASSERT_EQ(run.exitCode, 0) << run.err << run.out;
    const auto [log, json] = split(run.out);
    ASSERT_EQ(json.at("racesVoted").size(), 1u) << run.out;
    ASSERT_GE(json.at("balances").size(), 2u);
    EXPECT_EQ(json.at("balances").at(0), "1000000");
    EXPECT_FALSE(json.at("autoRunEnded").is_null());
    const auto floor = std::find_if(log.begin(), log.end(), [](const std::string& line) {
        return line.rfind("◇IPAT残高が指定金額を下回りました[", 0) == 0;
    });
    ASSERT_NE(floor, log.end());
    // Nothing is voted after the rule fired.
    EXPECT_EQ(std::find_if(floor, log.end(), [](const std::string& line) { return line.rfind("■投票[", 0) == 0; }),
              log.end());
    EXPECT_EQ(json.at("balanceBefore").get<long long>() - json.at("balanceAfter").get<long long>(),
              json.at("stakes").get<long long>());
}

TEST_F(ReplayCommand, AVoteMadeBeforeTheReplayIsNeitherMadeAgainNorCountedAsItsOwn) {
    // Race 1 at Nakayama was voted by hand earlier in the morning: its block is in the day log.
    ASSERT_TRUE(makeDirectory(demo.appFolder() + "/log").ok());
    ASSERT_TRUE(writeTextLines(demo.appFolder() + "/log/20250301.log",
                               {"============================", "■利用開始 2025/03/01 08:30:00", "-----",
                                "■投票[手動][単勝]2025/03/01 08:40:00", "[中山 1R]投票実行", "■投票金額:    200", "***",
                                "20250301,06,01,TAN,NORMAL,200,01,", "***", "■利用終了 2025/03/01 08:40:00",
                                "============================"})
                    .ok());
    const CliSplitRun run = runCliSplit(replay(demo, "10:00:00"));
    ASSERT_EQ(run.exitCode, 0) << run.err << run.out;
    const auto [log, json] = split(run.out);
    EXPECT_EQ(json.at("racesVoted"), nlohmann::json({"阪神 1R"})) << run.out;
    EXPECT_EQ(json.at("stakes"), 200);
    EXPECT_EQ(json.at("balanceBefore").get<long long>() - json.at("balanceAfter").get<long long>(), 200) << run.out;
    EXPECT_EQ(std::find(log.begin(), log.end(), "[中山 1R]投票実行"), log.end());
}

// The post time "hhmm" of each race of a day's race file, by the race's label in the day log ("中山11R").
std::map<std::string, std::string> postTimes(const std::string& raceFile) {
    std::map<std::string, std::string> times;
    const auto lines = readRawLines(raceFile);
    EXPECT_TRUE(lines.ok()) << raceFile;
    if (!lines.ok()) return times;
    for (const std::string& line : *lines) {
        if (fieldText(line, RaField::recordType) != "RA") continue;
        const int race = std::stoi(std::string(fieldText(line, RaField::raceNumber)));
        times[fetchRaceLabel(fieldText(line, RaField::courseCode), race) + "R"] = fieldText(line, RaField::postTime);
    }
    return times;
}

// Puts the race file back as a morning's download leaves it: a race whose post time was changed later in
// the day gets its first post time again and no earlier one. Returns the races put back.
int restoreMorningPostTimes(const std::string& raceFile) {
    auto lines = readRawLines(raceFile);
    EXPECT_TRUE(lines.ok()) << raceFile;
    if (!lines.ok()) return 0;
    int restored = 0;
    for (std::string& line : *lines) {
        const std::string previous(fieldText(line, RaField::previousPostTime));
        if (fieldText(line, RaField::recordType) != "RA" || previous == "0000") continue;
        line.replace(RaField::postTime.position - 1, 4, previous);
        line.replace(RaField::previousPostTime.position - 1, 4, "0000");
        ++restored;
    }
    EXPECT_TRUE(writeRawLines(raceFile, *lines).ok());
    return restored;
}

// "2025/03/01 hh:nn:ss" of a schedule's "hhmmss".
std::string onTheDay(const std::string& hhmmss) {
    return "2025/03/01 " + hhmmss.substr(0, 2) + ":" + hhmmss.substr(2, 2) + ":" + hhmmss.substr(4, 2);
}

TEST_F(ReplayCommand, APostTimeChangeAnnouncedDuringTheDayMovesItsRacesFetchAndVoteSeconds) {
    // The day was downloaded after it was raced; the replay starts from the card of its morning.
    const std::string raceFile = demo.appFolder() + "/Data/" + demo.days()[0] + ".jvRA";
    ASSERT_GE(restoreMorningPostTimes(raceFile), 1);
    const auto announced = postTimes(raceFile);
    const CliSplitRun run = runCliSplit(replay(demo));
    ASSERT_EQ(run.exitCode, 0) << run.err << run.out;
    const auto [log, json] = split(run.out);
    const auto raced = postTimes(raceFile);
    ASSERT_EQ(raced.size(), announced.size());
    FakeClock clock(DateTime{2025, 3, 1, 8, 0, 0});
    const Settings settings(demo.appFolder(), demo.appFolder() + "/share", clock);
    const ScheduleTiming timing = DayLoadSettings::read(settings.snapshot()).timing;

    // Every race is fetched and voted at the seconds of its post time as the change information left it;
    // the change fetched during the day moved at least one of them.
    int moved = 0;
    for (const auto& [race, post] : raced) {
        const RaceSchedule schedule = RaceSchedule::of(post, timing);
        std::vector<std::string> fetches, votes;
        for (std::size_t i = 0; i < log.size(); ++i) {
            if (log[i].rfind("■オッズ取得 " + race + " ", 0) == 0) fetches.push_back(log[i].substr(log[i].size() - 19));
            if (log[i] == "[" + race + "]投票実行" && i > 0) votes.push_back(log[i - 1].substr(log[i - 1].size() - 19));
        }
        EXPECT_EQ(fetches, (std::vector<std::string>{onTheDay(schedule.OzGetTime1), onTheDay(schedule.OzGetTime2)}))
            << race << " " << post;
        EXPECT_EQ(votes, std::vector<std::string>{onTheDay(schedule.TohyoTime)}) << race << " " << post;
        if (post != announced.at(race)) {
            ++moved;
            EXPECT_NE(RaceSchedule::of(announced.at(race), timing).TohyoTime, schedule.TohyoTime) << race;
        }
    }
    EXPECT_GE(moved, 1) << "no post-time change was applied during the replay";
}

}  // namespace
}  // namespace marovix::replay_command_test
