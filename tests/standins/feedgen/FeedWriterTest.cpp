#include "standins/feedgen/FeedWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <regex>
#include <set>

#include "core/race/RecordLayout.h"
#include "standins/feedgen/Calendar.h"
#include "standins/feedgen/CombinationTable.h"
#include "standins/feedgen/CompanionWriter.h"
#include "standins/feedgen/NameMaker.h"
#include "standins/feedgen/RaceModel.h"
#include "tests/standins/feedgen/FeedReading.h"
#include "tests/support/TempFolder.h"

namespace marovix::feedgen::feed_writer_test {
namespace {

using feedtest::cut;
using feedtest::number;
using feedtest::readRecords;
using feedtest::text;

constexpr std::uint64_t kSeed = 7;

std::string oddsType(int kind) { return std::string{'O', static_cast<char>('0' + kind)}; }

// One weekend of demo data, written once for all tests of this file.
class WeekendFeed : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_folder = std::make_unique<TempFolder>();
        FeedOptions options;
        options.from = {2024, 1, 6};
        options.to = {2024, 1, 7};
        options.seed = kSeed;
        options.folder = s_folder->path();
        auto stats = FeedWriter(options).write();
        ASSERT_TRUE(stats.ok()) << stats.error();
        s_stats = *stats;
        for (const auto& day : Calendar(kSeed).meetingDays(options.from, options.to))
            s_plans.push_back(RaceModel(kSeed).planDay(day));
    }
    static void TearDownTestSuite() {
        s_plans.clear();
        s_folder.reset();
    }

    static std::string path(const std::string& tail) { return s_folder->file(tail); }
    static std::string dayKey(const DayPlan& plan) { return plan.day.date.dateKey(); }
    static std::string raceKey(const Race& race) {
        char key[20];
        std::snprintf(key, sizeof key, "%s%02d%02d%02d%02d", race.date.dateKey().c_str(), race.course, race.meeting,
                      race.day, race.number);
        return key;
    }
    // The records of a stored file of the day, by its time stamp and type.
    static std::vector<std::string> stored(const DayPlan& plan, bool results, const std::string& type) {
        const DateTime stamp =
            results ? plan.day.date.addSeconds(18 * 3600) : plan.day.date.addDays(-1).addSeconds(17 * 3600);
        return readRecords(path("stored/" + stamp.compactText() + "_" + type + dayKey(plan).substr(4) + ".jvf"));
    }
    // Final records of each race, by RaceKey16.
    static std::map<std::string, std::string> byRace(const std::vector<std::string>& records) {
        std::map<std::string, std::string> out;
        for (const auto& r : records) out[feedtest::raceKey(r)] = r;
        return out;
    }

    static std::unique_ptr<TempFolder> s_folder;
    static FeedStats s_stats;
    static std::vector<DayPlan> s_plans;
};

std::unique_ptr<TempFolder> WeekendFeed::s_folder;
FeedStats WeekendFeed::s_stats;
std::vector<DayPlan> WeekendFeed::s_plans;

TEST_F(WeekendFeed, CountsWhatItWrote) {
    ASSERT_EQ(s_plans.size(), 2u);
    EXPECT_EQ(s_stats.days, 2);
    std::size_t races = 0;
    for (const auto& plan : s_plans) races += plan.races.size();
    EXPECT_EQ(s_stats.races, static_cast<int>(races));
    for (const auto& plan : s_plans) {
        EXPECT_TRUE(plan.races.size() == 24 || plan.races.size() == 36) << plan.races.size();
        EXPECT_GE(plan.day.courses.size(), 2u);
    }
    EXPECT_EQ(static_cast<std::size_t>(s_stats.files), feedtest::filesBelow(s_folder->path()).size());
}

TEST_F(WeekendFeed, EveryRecordHasTheLengthOfItsTypeAndEndsInCrLf) {
    long long records = 0;
    for (const std::string area : {"stored", "realtime", "companions/Kalvora"}) {
        const auto files = feedtest::filesBelow(path(area));
        ASSERT_FALSE(files.empty()) << area;
        for (const auto& file : files) {
            auto bytes = readFileBytes(path(area + "/" + file));
            ASSERT_TRUE(bytes.ok());
            std::string problem;
            const auto split = feedtest::splitRecords(*bytes, problem);
            EXPECT_EQ(problem, "") << file;
            EXPECT_FALSE(split.empty()) << file;
            for (const auto& r : split) EXPECT_EQ(static_cast<int>(r.size()), *recordLength(r.substr(0, 2)));
            records += static_cast<long long>(split.size());
        }
    }
    EXPECT_EQ(records, s_stats.records());
}

TEST_F(WeekendFeed, StoredFilesAreStampedBeforeAndAfterTheirDay) {
    const std::regex name(R"(\d{14}_(RA|SE|DM|TM|HR|O[1-6])\d{4}\.jvf)");
    for (const auto& file : feedtest::filesBelow(path("stored"))) EXPECT_TRUE(std::regex_match(file, name)) << file;
    for (const auto& plan : s_plans) {
        for (const char* type : {"RA", "SE", "DM", "TM"}) EXPECT_FALSE(stored(plan, false, type).empty()) << type;
        for (const char* type : {"RA", "SE", "HR", "O1", "O2", "O3", "O4", "O5", "O6"})
            EXPECT_EQ(byRace(stored(plan, true, type)).size(), plan.races.size()) << type;
        // A race card is data kind 2, results 7: never a local or overseas race.
        for (const auto& r : stored(plan, false, "RA")) EXPECT_EQ(cut(r, 3, 1), "2");
        for (const auto& r : stored(plan, true, "RA")) EXPECT_EQ(cut(r, 3, 1), "7");
    }
}

TEST_F(WeekendFeed, RaceCardsReadBackAsPlanned) {
    for (const auto& plan : s_plans) {
        const auto races = stored(plan, false, "RA");
        const auto runners = stored(plan, false, "SE");
        ASSERT_EQ(races.size(), plan.races.size());
        std::size_t next = 0;
        for (std::size_t i = 0; i < races.size(); ++i) {
            const Race& race = plan.races[i];
            const std::string& ra = races[i];
            SCOPED_TRACE(raceKey(race));
            EXPECT_EQ(feedtest::raceKey(ra), raceKey(race));
            EXPECT_EQ(number(ra, 28, 1), plan.day.weekdayCode);
            EXPECT_EQ(text(ra, 33, 60), race.name);
            EXPECT_EQ(cut(ra, 615, 1), std::string(1, race.grade));
            EXPECT_EQ(number(ra, 617, 2), race.raceType);
            EXPECT_EQ(number(ra, 622, 1), race.weightRule);
            EXPECT_EQ(number(ra, 635, 3), race.condition);
            EXPECT_EQ(number(ra, 698, 4), race.distance);
            EXPECT_EQ(number(ra, 706, 2), race.trackCode);
            EXPECT_EQ(number(ra, 874, 4), race.originalPostMinute / 60 * 100 + race.originalPostMinute % 60);
            EXPECT_EQ(number(ra, 882, 2), race.registered());
            EXPECT_EQ(number(ra, 888, 1), race.cardWeather);
            EXPECT_GE(race.registered(), 5);
            EXPECT_LE(race.registered(), 18);
            for (const Runner& runner : race.runners) {
                ASSERT_LT(next, runners.size());
                const std::string& se = runners[next++];
                EXPECT_EQ(feedtest::raceKey(se), raceKey(race));
                EXPECT_EQ(number(se, 28, 1), CombinationTable::bracketOf(race.registered(), runner.number));
                EXPECT_EQ(number(se, 29, 2), runner.number);
                EXPECT_EQ(text(se, 41, 36), runner.name);
                EXPECT_LE(NameMaker::characters(runner.name), 9);
                EXPECT_EQ(number(se, 79, 1), runner.sex);
                EXPECT_EQ(number(se, 83, 2), runner.age);
                EXPECT_EQ(text(se, 91, 8), NameMaker::trainerName(runner.trainer));
                EXPECT_EQ(number(se, 289, 3), runner.carriedWeight);
                EXPECT_EQ(text(se, 307, 8), NameMaker::jockeyName(runner.jockey));
                EXPECT_EQ(number(se, 538, 5), runner.miningTime);
            }
        }
        EXPECT_EQ(next, runners.size());
    }
}

TEST_F(WeekendFeed, ResultsReadBackWithTheFinalOdds) {
    for (const auto& plan : s_plans) {
        const auto races = byRace(stored(plan, true, "RA"));
        const auto odds = byRace(stored(plan, true, "O1"));
        std::map<std::string, std::vector<std::string>> runners;
        for (const auto& se : stored(plan, true, "SE")) runners[feedtest::raceKey(se)].push_back(se);
        for (const Race& race : plan.races) {
            SCOPED_TRACE(raceKey(race));
            const std::string& ra = races.at(raceKey(race));
            const std::string& o1 = odds.at(raceKey(race));
            EXPECT_EQ(number(ra, 874, 4), race.postMinute / 60 * 100 + race.postMinute % 60);
            EXPECT_EQ(number(ra, 884, 2), race.starters());
            EXPECT_EQ(number(ra, 888, 1), race.weather);
            EXPECT_EQ(number(ra, 889, 1), race.turfGoing);
            EXPECT_EQ(number(ra, 890, 1), race.dirtGoing);
            const auto& ses = runners.at(raceKey(race));
            ASSERT_EQ(static_cast<int>(ses.size()), race.registered());
            int winners = 0;
            for (const auto& se : ses) {
                const Runner& runner = race.runners[static_cast<std::size_t>(number(se, 29, 2) - 1)];
                const int i = runner.number - 1;
                EXPECT_EQ(number(se, 335, 2), runner.position);
                if (runner.scratched) {
                    EXPECT_EQ(cut(se, 360, 4), "0000");
                    EXPECT_EQ(cut(o1, 46 + 8 * i, 4), "----");
                    continue;
                }
                winners += runner.position == 1;
                EXPECT_EQ(cut(se, 360, 4), cut(o1, 46 + 8 * i, 4));
                EXPECT_EQ(number(se, 364, 2), number(o1, 50 + 8 * i, 2));
            }
            EXPECT_GE(winners, 1);
        }
    }
}

// Entries of one list of an odds record: odds (0.1 units) and popularity by combination number - 1.
struct OddsList {
    std::vector<long long> odds, high, popularity;
    std::vector<std::string> raw;
};

OddsList readList(const std::string& record, int start, int stride, int oddsAt, int width, int highAt, int popAt,
                  int popWidth, int count) {
    OddsList list;
    for (int k = 0; k < count; ++k) {
        const int at = start + stride * k;
        list.raw.push_back(cut(record, at + oddsAt, width));
        list.odds.push_back(number(record, at + oddsAt, width));
        list.high.push_back(highAt > 0 ? number(record, at + highAt, width) : 0);
        list.popularity.push_back(number(record, at + popAt, popWidth));
    }
    return list;
}

// Popularity 1, 2, 3 ... goes with odds that never fall.
void expectPopularityFollowsOdds(const OddsList& list, const std::string& what) {
    std::vector<std::pair<long long, long long>> byPopularity;
    for (std::size_t k = 0; k < list.odds.size(); ++k)
        if (list.popularity[k] > 0) byPopularity.push_back({list.popularity[k], list.odds[k]});
    std::sort(byPopularity.begin(), byPopularity.end());
    ASSERT_FALSE(byPopularity.empty()) << what;
    for (std::size_t k = 0; k < byPopularity.size(); ++k) {
        EXPECT_EQ(byPopularity[k].first, static_cast<long long>(k) + 1) << what;
        if (k > 0) {
            EXPECT_LE(byPopularity[k - 1].second, byPopularity[k].second) << what;
        }
    }
}

TEST_F(WeekendFeed, OddsAgreeAcrossBetTypesAndWithThePayouts) {
    int checkedQuinellas = 0;
    for (const auto& plan : s_plans) {
        std::map<std::string, std::string> o[7];
        for (int kind = 1; kind <= 6; ++kind) o[kind] = byRace(stored(plan, true, oddsType(kind)));
        const auto payouts = byRace(stored(plan, true, "HR"));
        for (const Race& race : plan.races) {
            const std::string key = raceKey(race);
            SCOPED_TRACE(key);
            const std::string& o1 = o[1].at(key);
            const std::string& hr = payouts.at(key);
            const OddsList win = readList(o1, 44, 8, 2, 4, 0, 6, 2, race.registered());
            const OddsList place = readList(o1, 268, 12, 2, 4, 6, 10, 2, race.registered());
            const OddsList bracket = readList(o1, 604, 9, 2, 5, 0, 7, 2, 36);
            const OddsList quinella = readList(o[2].at(key), 41, 13, 4, 6, 0, 10, 3, 153);
            const OddsList wide = readList(o[3].at(key), 41, 17, 4, 5, 9, 14, 3, 153);
            const OddsList exacta = readList(o[4].at(key), 41, 13, 4, 6, 0, 10, 3, 306);
            const OddsList trio = readList(o[5].at(key), 41, 15, 6, 6, 0, 12, 3, 816);
            const OddsList trifecta = readList(o[6].at(key), 41, 17, 6, 7, 0, 13, 4, 4896);
            const std::pair<const OddsList*, const char*> lists[] = {
                {&win, "win"},       {&place, "place"}, {&quinella, "quinella"}, {&wide, "wide"},
                {&exacta, "exacta"}, {&trio, "trio"},   {&trifecta, "trifecta"}};
            for (const auto& [list, what] : lists) expectPopularityFollowsOdds(*list, what);
            if (race.registered() >= 9) expectPopularityFollowsOdds(bracket, "bracket");

            // The most popular horse has the lowest win odds, and the win odds give back 80% of the pool.
            const auto first = std::find(win.popularity.begin(), win.popularity.end(), 1);
            ASSERT_NE(first, win.popularity.end());
            long long lowest = 1 << 30;
            for (auto odds : win.odds)
                if (odds > 0) lowest = std::min(lowest, odds);
            EXPECT_EQ(win.odds[static_cast<std::size_t>(first - win.popularity.begin())], lowest);
            double inverse = 0;
            for (auto odds : win.odds)
                if (odds > 0) inverse += 10.0 / static_cast<double>(odds);
            EXPECT_GE(inverse, 1.0 / 0.8);
            EXPECT_LE(inverse, 1.0 / 0.8 + 0.08);
            // Place odds run from low to high; the low end is below the win odds.
            for (int i = 0; i < race.registered(); ++i)
                if (win.odds[static_cast<std::size_t>(i)] > 0) {
                    EXPECT_LE(place.odds[static_cast<std::size_t>(i)], place.high[static_cast<std::size_t>(i)]);
                    EXPECT_LE(place.odds[static_cast<std::size_t>(i)], win.odds[static_cast<std::size_t>(i)]);
                }

            // Payouts: one winning combination pays its final odds x 100; its popularity is the odds'.
            const bool deadHeat =
                std::any_of(race.runners.begin(), race.runners.end(), [](const Runner& r) { return r.deadHeat; });
            const long long winner = number(hr, 103, 2);
            ASSERT_GE(winner, 1);
            EXPECT_EQ(race.runners[static_cast<std::size_t>(winner - 1)].position, 1);
            if (deadHeat) continue;
            EXPECT_EQ(number(hr, 105, 9), win.odds[static_cast<std::size_t>(winner - 1)] * 10);
            EXPECT_EQ(number(hr, 114, 2), win.popularity[static_cast<std::size_t>(winner - 1)]);
            const int a = static_cast<int>(number(hr, 246, 2)), b = static_cast<int>(number(hr, 248, 2));
            const auto q = static_cast<std::size_t>(CombinationTable::pairIndex(a, b));
            EXPECT_NEAR(static_cast<double>(number(hr, 250, 9)), quinella.odds[q] * 10.0, 10.0);
            EXPECT_EQ(number(hr, 259, 3), quinella.popularity[q]);
            ++checkedQuinellas;
            const auto e = static_cast<std::size_t>(CombinationTable::orderedPairIndex(
                static_cast<int>(number(hr, 454, 2)), static_cast<int>(number(hr, 456, 2))));
            EXPECT_EQ(number(hr, 458, 9), exacta.odds[e] * 10);
            const auto t = static_cast<std::size_t>(CombinationTable::tripleIndex(
                static_cast<int>(number(hr, 550, 2)), static_cast<int>(number(hr, 552, 2)),
                static_cast<int>(number(hr, 554, 2))));
            EXPECT_EQ(number(hr, 556, 9), trio.odds[t] * 10);
            const auto f = static_cast<std::size_t>(CombinationTable::orderedTripleIndex(
                static_cast<int>(number(hr, 604, 2)), static_cast<int>(number(hr, 606, 2)),
                static_cast<int>(number(hr, 608, 2))));
            EXPECT_EQ(number(hr, 610, 9), trifecta.odds[f] * 10);
            EXPECT_EQ(number(hr, 619, 4), trifecta.popularity[f]);
            if (race.registered() >= 9) {
                const auto w = static_cast<std::size_t>(CombinationTable::bracketPairIndex(
                    static_cast<int>(number(hr, 207, 1)), static_cast<int>(number(hr, 208, 1))));
                EXPECT_EQ(number(hr, 209, 9), bracket.odds[w] * 10);
            } else {
                EXPECT_EQ(number(hr, 209, 9), 0);
            }
            // Place and quinella-place payouts fall inside their published ranges.
            const int places = race.starters() <= 7 ? 2 : 3;
            for (int k = 0; k < 5; ++k) {
                const long long horse = number(hr, 142 + 13 * k, 2);
                EXPECT_EQ(horse > 0, k < places);
                if (horse == 0) continue;
                const long long paid = number(hr, 144 + 13 * k, 9);
                EXPECT_GE(paid, place.odds[static_cast<std::size_t>(horse - 1)] * 10);
                EXPECT_LE(paid, place.high[static_cast<std::size_t>(horse - 1)] * 10);
            }
            for (int k = 0; k < 3; ++k) {
                const auto pair = static_cast<std::size_t>(CombinationTable::pairIndex(
                    static_cast<int>(number(hr, 294 + 16 * k, 2)), static_cast<int>(number(hr, 296 + 16 * k, 2))));
                const long long paid = number(hr, 298 + 16 * k, 9);
                EXPECT_GE(paid, wide.odds[pair] * 10);
                EXPECT_LE(paid, wide.high[pair] * 10);
            }
        }
    }
    EXPECT_GT(checkedQuinellas, 40);
}

TEST_F(WeekendFeed, ScratchedRunnersShowDashesAndAreRefunded) {
    int scratches = 0;
    for (const auto& plan : s_plans) {
        const auto o1 = byRace(stored(plan, true, "O1"));
        const auto o2 = byRace(stored(plan, true, "O2"));
        const auto payouts = byRace(stored(plan, true, "HR"));
        for (const Race& race : plan.races)
            for (const Runner& runner : race.runners) {
                if (!runner.scratched) continue;
                ++scratches;
                const std::string key = raceKey(race);
                const int h = runner.number;
                EXPECT_EQ(cut(o1.at(key), 46 + 8 * (h - 1), 4), "----");
                EXPECT_EQ(cut(o1.at(key), 270 + 12 * (h - 1), 8), "--------");
                const int other = h == 1 ? 2 : 1;
                const int pair = CombinationTable::pairIndex(std::min(h, other), std::max(h, other));
                EXPECT_EQ(cut(o2.at(key), 45 + 13 * pair, 6), "------");
                EXPECT_EQ(cut(payouts.at(key), 58 + h, 1), "1");
                EXPECT_EQ(number(payouts.at(key), 30, 2), race.registered() - 1);
            }
    }
    EXPECT_GE(scratches, 1) << "the weekend of seed 7 has scratches";
}

TEST_F(WeekendFeed, OddsSnapshotsRunUpToThePostAndEndInTheFinalOdds) {
    for (const auto& plan : s_plans) {
        const auto final6 = byRace(stored(plan, true, "O6"));
        for (const Race& race : plan.races) {
            const std::string key = raceKey(race);
            SCOPED_TRACE(key);
            const auto files = feedtest::filesBelow(path("realtime/0B30/" + key));
            std::vector<std::string> expected;
            if (race.previousDaySales)
                expected.push_back(race.date.addDays(-1).addSeconds(17 * 3600).compactText() + ".jvf");
            for (int before : {60, 30, 10, 0})
                expected.push_back(race.date.addSeconds((race.postMinute - before) * 60LL).compactText() + ".jvf");
            ASSERT_EQ(files, expected);
            for (const auto& file : files) {
                const auto records = readRecords(path("realtime/0B30/" + key + "/" + file));
                ASSERT_EQ(records.size(), 6u);
                for (int kind = 1; kind <= 6; ++kind) {
                    const auto& r = records[static_cast<std::size_t>(kind - 1)];
                    EXPECT_EQ(cut(r, 1, 2), oddsType(kind));
                    EXPECT_EQ(feedtest::raceKey(r), key);
                    EXPECT_EQ(cut(r, 28, 8), file.substr(4, 8)) << "announced at the snapshot's moment";
                }
            }
            const auto last = readRecords(path("realtime/0B30/" + key + "/" + files.back()));
            std::string stored = final6.at(key);
            EXPECT_EQ(cut(stored, 3, 1), "4");
            stored[2] = last[5][2];
            EXPECT_EQ(stored, last[5]);
        }
    }
}

TEST_F(WeekendFeed, RaceDayResultsGrowRoundByRound) {
    for (const auto& plan : s_plans) {
        const std::string folder = "realtime/0B12/" + dayKey(plan);
        const auto files = feedtest::filesBelow(path(folder));
        ASSERT_EQ(files.size(), 12u);
        std::size_t previous = 0;
        for (const auto& file : files) {
            std::size_t payouts = 0;
            for (const auto& r : readRecords(path(folder + "/" + file))) payouts += cut(r, 1, 2) == "HR";
            EXPECT_GT(payouts, previous);
            previous = payouts;
        }
        EXPECT_EQ(previous, plan.races.size());
        for (const Race& race : plan.races) {
            const auto files = feedtest::filesBelow(path("realtime/0B12/" + raceKey(race)));
            ASSERT_EQ(files.size(), 1u);
            EXPECT_EQ(files[0], race.date.addSeconds((race.postMinute + 15) * 60LL).compactText() + ".jvf");
            const auto records = readRecords(path("realtime/0B12/" + raceKey(race) + "/" + files[0]));
            ASSERT_EQ(static_cast<int>(records.size()), race.registered() + 2);
            EXPECT_EQ(cut(records.front(), 1, 2), "RA");
            EXPECT_EQ(cut(records.back(), 1, 2), "HR");
        }
        for (const char* dataspec : {"0B13", "0B17"}) {
            const auto mining = feedtest::filesBelow(path(std::string("realtime/") + dataspec + "/" + dayKey(plan)));
            ASSERT_EQ(mining.size(), 1u);
            EXPECT_EQ(
                readRecords(path(std::string("realtime/") + dataspec + "/" + dayKey(plan) + "/" + mining[0])).size(),
                plan.races.size());
        }
    }
}

TEST_F(WeekendFeed, AnnouncementsCarryWeatherScratchesAndPostTimeChanges) {
    for (const auto& plan : s_plans) {
        const std::string folder = "realtime/0B14/" + dayKey(plan);
        const auto files = feedtest::filesBelow(path(folder));
        ASSERT_FALSE(files.empty());
        EXPECT_EQ(files.front().substr(8, 6), "083000");
        const auto first = readRecords(path(folder + "/" + files.front()));
        std::set<long long> courses;
        for (const auto& r : first)
            if (cut(r, 1, 2) == "WE" && cut(r, 34, 1) == "1") courses.insert(number(r, 20, 2));
        EXPECT_EQ(courses.size(), plan.day.courses.size());
        std::map<std::string, int> counts;
        for (const auto& r : readRecords(path(folder + "/" + files.back()))) {
            ++counts[cut(r, 1, 2)];
            EXPECT_EQ(cut(r, 12, 8), dayKey(plan));
        }
        int scratched = 0, moved = 0;
        for (const Race& race : plan.races) {
            scratched += race.registered() - race.starters();
            moved += race.postChangeMinute > 0;
        }
        EXPECT_EQ(counts["AV"], scratched);
        EXPECT_EQ(counts["TC"], moved);
        EXPECT_EQ(counts["WE"], static_cast<int>(plan.weather.size()));
    }
}

TEST_F(WeekendFeed, CompanionFilesHoldTheIndexesOfEveryRunner) {
    for (const auto& plan : s_plans) {
        for (const auto& course : plan.day.courses) {
            auto lines = readRawLines(
                path("companions/Lumidex/Data/" + CompanionWriter::computerIndexName(plan.day, course.course)));
            ASSERT_TRUE(lines.ok());
            ASSERT_EQ(lines->size(), 12u);
            for (const Race& race : plan.races) {
                if (race.course != course.course) continue;
                const std::string& line = (*lines)[static_cast<std::size_t>(race.number - 1)];
                long long previous = 100;
                for (int c = 1; c <= race.registered(); ++c) {
                    const long long horse = number(line, 4 * c + 11, 2);
                    const long long value = number(line, 4 * c + 13, 2);
                    ASSERT_GE(horse, 1);
                    EXPECT_EQ(value, race.runners[static_cast<std::size_t>(horse - 1)].computerIndex);
                    EXPECT_LE(value, previous) << "entries in rank order";
                    previous = value;
                }
            }
        }
        for (bool longKeys : {false, true}) {
            auto lines = readRawLines(path("companions/TCSV/" + CompanionWriter::ownIndexName(plan.day, longKeys)));
            ASSERT_TRUE(lines.ok());
            std::size_t runners = 0;
            for (const Race& race : plan.races) runners += race.runners.size();
            ASSERT_EQ(lines->size(), runners);
            std::size_t at = 0;
            for (const Race& race : plan.races)
                for (const Runner& runner : race.runners) {
                    const std::string& line = (*lines)[at++];
                    const std::string key = line.substr(0, line.find(','));
                    ASSERT_EQ(key.size(), longKeys ? 18u : 14u);
                    const std::string shortKey = longKeys ? key.substr(0, 10) + key.substr(14) : key;
                    EXPECT_EQ(shortKey.substr(0, 12), raceKey(race).substr(0, 10) + raceKey(race).substr(14));
                    EXPECT_EQ(std::stoi(shortKey.substr(12)), runner.number);
                    EXPECT_EQ(std::stoi(line.substr(line.find(',') + 1)),
                              longKeys ? runner.ownIndexB : runner.ownIndexA);
                }
        }
        for (const Race& race : plan.races)
            for (int kind = 1; kind <= 6; ++kind) {
                const auto records = readRecords(path("companions/Kalvora/Data/" + dayKey(plan) + "/" +
                                                      CompanionWriter::timeSeriesName(race, kind)));
                ASSERT_EQ(records.size(), race.previousDaySales ? 3u : 2u);
                for (const auto& r : records) EXPECT_EQ(cut(r, 1, 2), oddsType(kind));
                const int post = race.postMinute / 60 * 100 + race.postMinute % 60;
                EXPECT_EQ(number(records.back(), 32, 4), post) << "the last line is announced at post time";
                EXPECT_EQ(cut(records.back(), 16, 4), cut(records.back(), 28, 4));
            }
    }
}

// Share of runner pairs of a race that two measures order alike, over all races.
template <class Measure>
double concordance(const std::vector<DayPlan>& plans, Measure measure) {
    long long agree = 0, pairs = 0;
    for (const auto& plan : plans)
        for (const Race& race : plan.races)
            for (const Runner& a : race.runners)
                for (const Runner& b : race.runners) {
                    if (a.number >= b.number || a.strength == b.strength) continue;
                    const double ma = measure(a), mb = measure(b);
                    if (ma == mb) continue;
                    ++pairs;
                    agree += (a.strength > b.strength) == (ma > mb);
                }
    return static_cast<double>(agree) / static_cast<double>(pairs);
}

TEST_F(WeekendFeed, PredictionsAndResultsFollowTheStrengths) {
    EXPECT_GT(concordance(s_plans, [](const Runner& r) { return -r.miningTime; }), 0.7);
    EXPECT_GT(concordance(s_plans, [](const Runner& r) { return r.matchScore; }), 0.7);
    EXPECT_GT(concordance(s_plans, [](const Runner& r) { return r.computerIndex; }), 0.7);
    EXPECT_GT(concordance(s_plans, [](const Runner& r) { return -r.ownIndexA; }), 0.6);
    EXPECT_GT(concordance(s_plans, [](const Runner& r) { return r.scratched ? 0 : -r.arrival; }), 0.6);
}

TEST(FeedWriterThreads, SeveralWritersNeverTripOverTheFoldersTheyShare) {
    // Every run starts its writers on days whose folders (stored, realtime/0B30 ...) are made at the same
    // moment; one run in three used to fail with "Not a directory".
    for (int run = 0; run < 12; ++run) {
        TempFolder folder;
        FeedOptions options;
        options.from = {2024, 1, 6};
        options.to = {2024, 1, 8};
        options.seed = kSeed + static_cast<std::uint64_t>(run);
        options.folder = folder.file("feed");
        options.threads = 4;
        auto stats = FeedWriter(options).write();
        ASSERT_TRUE(stats.ok()) << "run " << run << ": " << stats.error();
        EXPECT_GE(stats->days, 2);
    }
}

}  // namespace
}  // namespace marovix::feedgen::feed_writer_test
