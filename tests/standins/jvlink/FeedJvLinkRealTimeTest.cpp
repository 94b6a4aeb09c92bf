// The stand-in serving a generated race day's real-time streams by the keys the fetches use (RaceKey16 of
// a race record, DayKey8 of the day's first race), each the latest snapshot not later than the clock.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/common/TextFile.h"
#include "core/race/JvRecord.h"
#include "core/race/RecordFields.h"
#include "core/race/RecordKeys.h"
#include "standins/feedgen/FeedWriter.h"
#include "standins/jvlink/FeedJvLink.h"
#include "tests/support/FakeClock.h"
#include "tests/support/TempFolder.h"

namespace marovix::feed_jv_link_real_time_test {
namespace {

class FeedJvLinkRealTimeTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        feed = new TempFolder;
        feedgen::FeedOptions options;
        options.from = options.to = {2025, 3, 1};
        options.seed = 11;
        options.folder = feed->path();
        ASSERT_TRUE(feedgen::FeedWriter(options).write().ok());
        auto lines = readRawLines(feed->file("stored/20250228170000_RA0301.jvf"));
        ASSERT_TRUE(lines.ok());
        races = new std::vector<std::string>(*lines);
    }
    static void TearDownTestSuite() {
        delete races;
        delete feed;
    }
    static TempFolder* feed;
    static std::vector<std::string>* races;

    FakeClock clock;
    std::unique_ptr<FeedJvLink> link;

    void SetUp() override {
        link = std::make_unique<FeedJvLink>(clock, feed->path());
        ASSERT_EQ(link->JVInit("UNKNOWN/MRVX/Marovix/Version.1.18"), 0);
    }
    // Opens the stream at `moment` and reads it to its end: its records (none when the open failed, whose
    // result goes to `openResult`).
    std::vector<std::string> stream(const DateTime& moment, const std::string& dataspec, const std::string& key,
                                    int* openResult = nullptr) {
        clock.set(moment);
        std::vector<std::string> records;
        const int opened = link->JVRTOpen(dataspec, key);
        if (openResult) *openResult = opened;
        if (opened == 0) {
            std::string record, file;
            for (int r; (r = link->JVRead(record, 100000, file)) != 0;) {
                EXPECT_GE(r, -1) << dataspec << " " << key;
                if (r < -1) break;
                if (r > 0) records.push_back(record);
            }
        }
        EXPECT_EQ(link->JVClose(), 0);
        return records;
    }
    static DateTime postTime(const std::string& race) {
        const int hhmm = fieldNumber(race, RaField::postTime);
        return DateTime{2025, 3, 1, hhmm / 100, hhmm % 100, 0};
    }
    static std::map<std::string, int> types(const std::vector<std::string>& records) {
        std::map<std::string, int> count;
        for (const std::string& r : records) ++count[r.substr(0, 2)];
        return count;
    }
};

TempFolder* FeedJvLinkRealTimeTest::feed = nullptr;
std::vector<std::string>* FeedJvLinkRealTimeTest::races = nullptr;

TEST_F(FeedJvLinkRealTimeTest, OddsOfARaceAreTheSnapshotOfTheClock) {
    ASSERT_GE(races->size(), 24u);
    for (const std::string& race : {races->front(), races->back()}) {
        const std::string key(RaceKey16(race));
        const DateTime post = postTime(race);
        int opened = 0;
        EXPECT_TRUE(stream(post.addSeconds(-61 * 60), "0B30", key, &opened).empty());
        EXPECT_EQ(opened, -1) << key;  // nothing an hour and a minute before post

        const auto early = stream(post.addSeconds(-45 * 60), "0B30", key);
        const auto atPost = stream(post, "0B30", key);
        EXPECT_EQ(types(early),
                  (std::map<std::string, int>{{"O1", 1}, {"O2", 1}, {"O3", 1}, {"O4", 1}, {"O5", 1}, {"O6", 1}}));
        ASSERT_EQ(atPost.size(), 6u);
        for (const std::string& record : early) EXPECT_EQ(RaceKey16(record), key);
        // The O1 of 60 minutes before post, then the one at post time (data kind 3), odds changed.
        char announced[16];
        const DateTime hourBefore = post.addSeconds(-3600);
        std::snprintf(announced, sizeof announced, "0301%02d%02d", hourBefore.hour, hourBefore.minute);
        EXPECT_EQ(fieldText(early[0], 28, 8), announced) << key;
        std::snprintf(announced, sizeof announced, "0301%02d%02d", post.hour, post.minute);
        EXPECT_EQ(fieldText(atPost[0], 28, 8), announced) << key;
        EXPECT_EQ(fieldText(atPost[0], IdField::dataKind), "3");
        EXPECT_NE(early[0].substr(45), atPost[0].substr(45)) << key;
    }
}

TEST_F(FeedJvLinkRealTimeTest, ResultsOfTheDayByItsDayKeyAndOfARaceByItsRaceKey) {
    const std::string dayKey(DayKey8(races->front()));
    const DateTime noon{2025, 3, 1, 12, 0, 0};
    const auto day = stream(noon, "0B12", dayKey);
    const auto count = types(day);
    EXPECT_GT(count.at("HR"), 0);
    EXPECT_LT(count.at("HR"), static_cast<int>(races->size()));  // the afternoon races are still to run
    EXPECT_GT(count.at("RA"), 0);
    EXPECT_GT(count.at("SE"), count.at("RA"));
    for (const std::string& record : day) EXPECT_EQ(DayKey8(record), dayKey);

    const std::string& last = races->back();
    const std::string raceKey(RaceKey16(last));
    int opened = 0;
    stream(postTime(last), "0B12", raceKey, &opened);
    EXPECT_EQ(opened, -1);  // not before the result is confirmed
    const auto race = stream(postTime(last).addSeconds(15 * 60), "0B12", raceKey);
    ASSERT_FALSE(race.empty());
    EXPECT_EQ(types(race).at("HR"), 1);
    for (const std::string& record : race) EXPECT_EQ(RaceKey16(record), raceKey);
}

TEST_F(FeedJvLinkRealTimeTest, MiningOfTheDayByItsDayKeyFromTheMorningOn) {
    const std::string dayKey(DayKey8(races->front()));
    int opened = 0;
    stream(DateTime{2025, 3, 1, 7, 59, 59}, "0B13", dayKey, &opened);
    EXPECT_EQ(opened, -1);
    const DateTime morning{2025, 3, 1, 8, 0, 0};
    EXPECT_EQ(types(stream(morning, "0B13", dayKey)),
              (std::map<std::string, int>{{"DM", static_cast<int>(races->size())}}));
    EXPECT_EQ(types(stream(morning, "0B17", dayKey)),
              (std::map<std::string, int>{{"TM", static_cast<int>(races->size())}}));
}

}  // namespace
}  // namespace marovix::feed_jv_link_real_time_test
