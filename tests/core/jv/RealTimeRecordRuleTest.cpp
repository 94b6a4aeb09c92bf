// The record table of the real-time fetches: which records each stream takes, where they go and whether
// their data kind and creation date are kept.
#include "core/jv/RealTimeRecordRule.h"

#include <gtest/gtest.h>

#include "core/race/RecordFields.h"
#include "standins/records/RecordBuilder.h"
#include "tests/support/ChangeRecords.h"
#include "tests/support/DownloadRecords.h"

namespace marovix::real_time_record_rule_test {
namespace {

using Outcome = RecordDecision::Outcome;

const RaceId kRace{"20240526", "05", 5};

std::string dmRecord(const RaceId& id, char kind = '1') {
    return RecordBuilder("DM")
        .bytes(IdField::dataKind, std::string(1, kind))
        .field(IdField::creationDate, "20240526")
        .field(IdField::dayKey8, id.date)
        .field(IdField::courseCode, id.course)
        .field(IdField::meetingNumber, "02")
        .field(IdField::dayNumber, "08")
        .number(IdField::raceNumber, id.race)
        .record();
}

TEST(RealTimeRecordRule, EachStreamTakesItsOwnTypesOnTheirConditions) {
    struct Case {
        const char* name;
        RealTimeStream stream;
        std::string record;
        Outcome outcome;
    };
    const RaceId raceZero{"20240526", "05", 0};
    const Case cases[] = {
        {"O1 of a race", RealTimeStream::Odds, oddsRecord("O1", kRace, '1'), Outcome::Store},
        {"O6 at post time", RealTimeStream::Odds, oddsRecord("O6", kRace, '3'), Outcome::Store},
        {"O1 of a cancelled race (9)", RealTimeStream::Odds, oddsRecord("O1", kRace, '9'), Outcome::NotTaken},
        {"O2 deleted (0)", RealTimeStream::Odds, oddsRecord("O2", kRace, '0'), Outcome::NotTaken},
        {"O3 of race 0", RealTimeStream::Odds, oddsRecord("O3", raceZero, '1'), Outcome::NotTaken},
        {"RA in the odds stream", RealTimeStream::Odds, raRecord(kRace), Outcome::NotTaken},
        {"RA", RealTimeStream::Results, raRecord(kRace, 16, '5'), Outcome::Store},
        {"RA of race 0", RealTimeStream::Results, raRecord(raceZero), Outcome::NotTaken},
        {"SE", RealTimeStream::Results, seRecord(kRace, 3), Outcome::Store},
        {"SE horse 0", RealTimeStream::Results, seRecord(kRace, 0), Outcome::NotTaken},
        {"SE race 13, no line", RealTimeStream::Results, seRecord({"20240526", "05", 13}, 3), Outcome::NotTaken},
        {"HR", RealTimeStream::Results, hrRecord(kRace, '1'), Outcome::Store},
        {"HR of race 0", RealTimeStream::Results, hrRecord(raceZero), Outcome::NotTaken},
        {"O1 in the results stream", RealTimeStream::Results, oddsRecord("O1", kRace, '1'), Outcome::NotTaken},
        {"DM", RealTimeStream::TimeMining, dmRecord(kRace), Outcome::Store},
        {"TM in the time-type stream", RealTimeStream::TimeMining, tmRecord(kRace), Outcome::NotTaken},
        {"TM", RealTimeStream::MatchMining, tmRecord(kRace), Outcome::Store},
        {"TM of race 0", RealTimeStream::MatchMining, tmRecord(raceZero), Outcome::NotTaken},
        {"DM in the match-type stream", RealTimeStream::MatchMining, dmRecord(kRace), Outcome::NotTaken},
        {"WE, not fetched here", RealTimeStream::Results, RecordBuilder("WE").record(), Outcome::NotTaken},
        {"short O1", RealTimeStream::Odds, oddsRecord("O1", kRace, '1').substr(0, 500) + "\r\n", Outcome::Corrupt},
        {"HR of 30 February", RealTimeStream::Results, hrRecord({"20240230", "05", 1}), Outcome::Corrupt},
    };
    for (const auto& c : cases) EXPECT_EQ(decideRealTimeRecord(c.stream, c.record).outcome, c.outcome) << c.name;
}

TEST(RealTimeRecordRule, FilesAndWhatTheLinesKeep) {
    struct Expect {
        RealTimeStream stream;
        std::string record;
        const char* fileName;
        bool zeroed;
        bool runnerFile;
        bool drop;
        bool existingFileOnly;
    };
    const Expect cases[] = {
        {RealTimeStream::Odds, oddsRecord("O1", kRace, '1'), "2024年05月26日.jvO1", true, false, true, false},
        {RealTimeStream::Odds, oddsRecord("O4", kRace, '1'), "2024年05月26日.jvO4", true, false, true, false},
        {RealTimeStream::Results, raRecord(kRace, 16, '5'), "2024年05月26日.jvRA", true, false, true, true},
        {RealTimeStream::Results, seRecord(kRace, 3), "2024年05月26日東京.jvSEr", false, true, false, true},
        {RealTimeStream::Results, hrRecord(kRace, '1'), "2024年05月26日.jvHR", false, false, false, false},
        {RealTimeStream::TimeMining, dmRecord(kRace), "2024年05月26日.jvDM", false, false, true, false},
        {RealTimeStream::MatchMining, tmRecord(kRace), "2024年05月26日.jvTM", true, false, true, false},
    };
    for (const auto& c : cases) {
        const RecordDecision d = decideRealTimeRecord(c.stream, c.record);
        ASSERT_EQ(d.outcome, Outcome::Store) << c.fileName;
        EXPECT_EQ(d.fileName, c.fileName);
        EXPECT_EQ(d.runnerFile, c.runnerFile) << c.fileName;
        EXPECT_EQ(d.dropEmptyFirstLine, c.drop) << c.fileName;
        EXPECT_EQ(d.existingFileOnly, c.existingFileOnly) << c.fileName;
        EXPECT_FALSE(d.label) << c.fileName;
        ASSERT_EQ(d.line.size() + 2, c.record.size());
        EXPECT_EQ(d.line.substr(11), c.record.substr(11, c.record.size() - 13)) << c.fileName;
        EXPECT_EQ(d.line.substr(2, 9), c.zeroed ? "000000000" : c.record.substr(2, 9)) << c.fileName;
    }
}

TEST(RealTimeRecordRule, TheChangeStreamKeepsWeatherScratchesAndPostTimesInTheChangeFilesByTheirKeys) {
    const RaceId race{"20240526", "05", 3};
    struct Case {
        std::string record;
        const char* file;
        LineKey key;
        bool drop;
    };
    const Case cases[] = {
        {weRecord("20240526", "05", "05261005", 3, 1, 2, 2), "2024年05月26日.WE", weLineKey, false},
        {avRecord(race, 7, "05260930"), "2024年05月26日.AV", avLineKey, true},
        {tcRecord(race, 1550, "05261200"), "2024年05月26日.TC", tcLineKey, true},
    };
    for (const Case& c : cases) {
        const RecordDecision d = decideRealTimeRecord(RealTimeStream::Changes, c.record);
        ASSERT_EQ(d.outcome, Outcome::Store) << c.file;
        EXPECT_EQ(d.fileName, c.file);
        EXPECT_TRUE(d.changeFile) << c.file;
        EXPECT_EQ(d.key, c.key) << c.file;
        EXPECT_EQ(d.dropEmptyFirstLine, c.drop) << c.file;
        EXPECT_EQ(d.line, c.record.substr(0, c.record.size() - 2)) << c.file;  // data kind and date kept
        // Another stream passes them over, and the change stream passes over what other streams take.
        EXPECT_EQ(decideRealTimeRecord(RealTimeStream::Results, c.record).outcome, Outcome::NotTaken);
    }
    EXPECT_EQ(decideRealTimeRecord(RealTimeStream::Changes, raRecord(race)).outcome, Outcome::NotTaken);
    // Jockey and course changes come in the same stream and are not taken.
    EXPECT_EQ(decideRealTimeRecord(RealTimeStream::Changes, RecordBuilder("JC").record()).outcome, Outcome::NotTaken);
    EXPECT_EQ(decideRealTimeRecord(RealTimeStream::Changes, RecordBuilder("CC").record()).outcome, Outcome::NotTaken);
    // A cut scratch is damaged, never stored.
    EXPECT_EQ(decideRealTimeRecord(RealTimeStream::Changes, avRecord(race, 7, "05260930").substr(0, 50)).outcome,
              Outcome::Corrupt);
}

TEST(RealTimeRecordRule, StreamsAndReadSizes) {
    EXPECT_EQ(realTimeDataspec(RealTimeStream::Odds), "0B30");
    EXPECT_EQ(realTimeDataspec(RealTimeStream::Results), "0B12");
    EXPECT_EQ(realTimeDataspec(RealTimeStream::TimeMining), "0B13");
    EXPECT_EQ(realTimeDataspec(RealTimeStream::MatchMining), "0B17");
    EXPECT_EQ(realTimeDataspec(RealTimeStream::Changes), "0B14");
    EXPECT_EQ(realTimeReadSize(RealTimeStream::Odds), 100000);
    for (RealTimeStream s :
         {RealTimeStream::Results, RealTimeStream::TimeMining, RealTimeStream::MatchMining, RealTimeStream::Changes})
        EXPECT_EQ(realTimeReadSize(s), 60000);
}

}  // namespace
}  // namespace marovix::real_time_record_rule_test
