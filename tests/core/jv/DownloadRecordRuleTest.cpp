#include "core/jv/DownloadRecordRule.h"

#include <gtest/gtest.h>

#include "core/jv/RealTimeRecordRule.h"
#include "core/race/JvRecord.h"
#include "core/race/RecordFields.h"
#include "standins/records/RecordBuilder.h"
#include "tests/support/DownloadRecords.h"

namespace marovix::download_record_rule_test {
namespace {

using Outcome = RecordDecision::Outcome;

constexpr int kFrom = 20240106;

struct Case {
    const char* name;
    std::string record;
    int from;
    bool finalOdds;
    Outcome outcome;
};

TEST(DecideRecord, TakeConditionsOfEveryType) {
    const RaceId day{"20240106", "06", 11};
    const RaceId raceZero{"20240106", "06", 0};
    const Case cases[] = {
        {"RA taken", raRecord(day), kFrom, true, Outcome::Store},
        {"RA local race", raRecord(day, 16, 'A'), kFrom, true, Outcome::NotTaken},
        {"RA overseas race", raRecord(day, 16, 'B'), kFrom, true, Outcome::NotTaken},
        {"RA no runners", raRecord(day, 0), kFrom, true, Outcome::NotTaken},
        {"RA 19 runners", raRecord(day, 19), kFrom, true, Outcome::NotTaken},
        {"RA 18 runners", raRecord(day, 18), kFrom, true, Outcome::Store},
        {"RA race 0", raRecord(raceZero), kFrom, true, Outcome::NotTaken},
        // From the 5th the limit is 20240095: the last day of the month before is below it.
        {"RA previous month", raRecord({"20231231", "06", 1}), 20240105, true, Outcome::NotTaken},
        {"RA ten days before the 20th", raRecord({"20240110", "06", 1}), 20240120, true, Outcome::Store},
        {"RA eleven days before the 20th", raRecord({"20240109", "06", 1}), 20240120, true, Outcome::NotTaken},
        {"SE taken", seRecord(day, 1), kFrom, true, Outcome::Store},
        {"SE horse 0", seRecord(day, 0), kFrom, true, Outcome::NotTaken},
        {"SE horse 19", seRecord(day, 19), kFrom, true, Outcome::NotTaken},
        {"SE local", seRecord(day, 1, "名", 'A'), kFrom, true, Outcome::NotTaken},
        {"SE too old", seRecord({"20231201", "06", 1}, 1), kFrom, true, Outcome::NotTaken},
        {"SE race 13 has no line", seRecord({"20240106", "06", 13}, 1), kFrom, true, Outcome::NotTaken},
        {"HR taken, any kind", hrRecord(day, 'A'), kFrom, true, Outcome::Store},
        {"HR too old", hrRecord({"20231201", "06", 1}), kFrom, true, Outcome::NotTaken},
        {"HR race 0", hrRecord(raceZero), kFrom, true, Outcome::NotTaken},
        {"TM of any date", tmRecord({"20200101", "06", 1}), kFrom, true, Outcome::Store},
        {"TM race 0", tmRecord(raceZero), kFrom, true, Outcome::NotTaken},
        {"O1 taken", oddsRecord("O1", day), kFrom, true, Outcome::Store},
        {"O6 of any date", oddsRecord("O6", {"20200101", "06", 1}), kFrom, true, Outcome::Store},
        {"O3 without final odds", oddsRecord("O3", day), kFrom, false, Outcome::NotTaken},
        {"O2 kind 0", oddsRecord("O2", day, '0'), kFrom, true, Outcome::NotTaken},
        {"O5 kind 9", oddsRecord("O5", day, '9'), kFrom, true, Outcome::NotTaken},
        {"O4 race 0", oddsRecord("O4", raceZero), kFrom, true, Outcome::NotTaken},
        {"DM is not downloaded", RecordBuilder("DM").text(12, "2024010606010211").record(), kFrom, true,
         Outcome::NotTaken},
        {"short YS, a type not stored", "YS2" + std::string(100, ' ') + "\r\n", kFrom, true, Outcome::NotTaken},
        {"unknown type", "ZZ2" + std::string(100, ' ') + "\r\n", kFrom, true, Outcome::NotTaken},
        {"short RA", raRecord(day).substr(0, 1000) + "\r\n", kFrom, true, Outcome::Corrupt},
        {"long SE", seRecord(day, 1).insert(100, "X"), kFrom, true, Outcome::Corrupt},
        {"short O6 even without final odds", oddsRecord("O6", day).substr(0, 5000), kFrom, false, Outcome::Corrupt},
        {"RA with a slash in its date",
         RecordBuilder("RA").text(12, "2024/106").number(26, 2, 1).number(882, 2, 8).record(), kFrom, true,
         Outcome::Corrupt},
        {"RA of 30 February", raRecord({"20240230", "06", 1}), kFrom, true, Outcome::Corrupt},
    };
    for (const auto& c : cases) EXPECT_EQ(decideRecord(c.record, c.from, c.finalOdds).outcome, c.outcome) << c.name;
}

// A record of `type` at its full length with a real race key, as a stream delivers it.
std::string keyedRecord(std::string_view type) {
    return RecordBuilder(type)
        .bytes(IdField::dataKind, "1")
        .field(IdField::dayKey8, "20240106")
        .field(IdField::courseCode, "06")
        .number(IdField::raceNumber, 11)
        .record();
}

TEST(DecideRecord, TypesTheProgramDoesNotStoreAreNotTakenWhateverTheirLength) {
    for (const char* type : {"H1", "H6", "WF", "JG", "WH", "JC", "CC", "TK", "UM", "YS"}) {
        const std::string whole = keyedRecord(type);
        for (const std::string& record : {whole, whole.substr(0, 40), whole.substr(0, 60) + "\r\n", whole + "XX"}) {
            const RecordDecision d = decideRecord(record, kFrom, true);
            EXPECT_EQ(d.outcome, Outcome::NotTaken) << type << ", " << record.size() << " bytes: " << d.problem;
        }
    }
    // A stored type the download does not take (mining comes in real time) is passed over the same way.
    EXPECT_EQ(decideRecord(keyedRecord("DM"), kFrom, true).outcome, Outcome::NotTaken);
    EXPECT_EQ(decideRecord(keyedRecord("WE").substr(0, 20), kFrom, true).outcome, Outcome::NotTaken);
    // One the download takes must still be whole.
    EXPECT_EQ(decideRecord(keyedRecord("HR").substr(0, 600) + "\r\n", kFrom, true).outcome, Outcome::Corrupt);
}

TEST(DecideRecord, FilesLinesAndLabels) {
    const RaceId day{"20240106", "06", 11};
    struct Expect {
        std::string record;
        const char* fileName;
        bool zeroed;
        bool runnerFile;
        bool drop;
        std::optional<std::string> label;
    };
    const Expect cases[] = {
        {raRecord(day), "2024年01月06日.jvRA", true, false, true, "開催:2024年01月06日中山11R"},
        {seRecord({"20240106", "08", 3}, 7, "ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄ"), "2024年01月06日京都.jvSEr", false, true, false,
         "馬毎:京都3R/⑦ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂ"},
        {hrRecord(day), "2024年01月06日.jvHR", true, false, false, "払戻:2024年01月06日中山11R"},
        {tmRecord(day), "2024年01月06日.jvTM", true, false, true, std::nullopt},
        {oddsRecord("O1", day), "2024年01月06日.jvO1", true, false, true, "単勝確定ｵｯｽﾞ:11R/2024年01月06日.jvO1"},
        {oddsRecord("O2", day), "2024年01月06日.jvO2", true, false, true, "馬連確定ｵｯｽﾞ:11R/2024年01月06日.jvO2"},
        {oddsRecord("O3", day), "2024年01月06日.jvO3", true, false, true, "ﾜｲﾄﾞ確定ｵｯｽﾞ:11R/2024年01月06日.jvO3"},
        {oddsRecord("O4", day), "2024年01月06日.jvO4", true, false, true, "馬単確定ｵｯｽﾞ:11R/2024年01月06日.jvO4"},
        {oddsRecord("O5", day), "2024年01月06日.jvO5", true, false, true, "3連複確定ｵｯｽﾞ:11R/2024年01月06日.jvO5"},
        {oddsRecord("O6", day), "2024年01月06日.jvO6", true, false, true, "3連単確定ｵｯｽﾞ:11R/2024年01月06日.jvO6"},
    };
    for (const auto& c : cases) {
        RecordDecision d = decideRecord(c.record, kFrom, true);
        ASSERT_EQ(d.outcome, Outcome::Store) << c.fileName;
        EXPECT_EQ(d.fileName, c.fileName);
        EXPECT_EQ(d.runnerFile, c.runnerFile) << c.fileName;
        EXPECT_EQ(d.dropEmptyFirstLine, c.drop) << c.fileName;
        EXPECT_EQ(d.label, c.label) << c.fileName;
        // The line is the record without CR LF; only positions 3-11 may differ.
        ASSERT_EQ(d.line.size() + 2, c.record.size());
        EXPECT_EQ(d.line.substr(0, 2), c.record.substr(0, 2));
        EXPECT_EQ(d.line.substr(11), c.record.substr(11, c.record.size() - 13));
        EXPECT_EQ(d.line.substr(2, 9) == "000000000", c.zeroed) << c.fileName;
    }
}

TEST(DecideRecord, ARecordWithALineBreakInsideIsCorruptForTheDownloadAndEveryStream) {
    // Stored, it would become two lines of its day file: in a runner file every later runner would move to
    // another race's line.
    const RaceId day{"20240106", "06", 11};
    std::string runner = seRecord(day, 1);
    runner[100] = '\n';
    std::string race = raRecord(day);
    race[500] = '\r';
    std::string odds = oddsRecord("O1", day);
    odds.replace(300, 2, "\r\n");
    for (const std::string& record : {runner, race, odds}) {
        const RecordDecision download = decideRecord(record, kFrom, true);
        EXPECT_EQ(download.outcome, Outcome::Corrupt) << record.substr(0, 2);
        EXPECT_NE(download.problem.find("レコードの中に改行があります"), std::string::npos) << download.problem;
    }
    EXPECT_EQ(decideRealTimeRecord(RealTimeStream::Results, runner).outcome, Outcome::Corrupt);
    EXPECT_EQ(decideRealTimeRecord(RealTimeStream::Results, race).outcome, Outcome::Corrupt);
    EXPECT_EQ(decideRealTimeRecord(RealTimeStream::Odds, odds).outcome, Outcome::Corrupt);
}

TEST(DecideRecord, CorruptRecordSaysWhy) {
    RecordDecision d = decideRecord(raRecord({}).substr(0, 800), kFrom, true);
    EXPECT_EQ(d.outcome, Outcome::Corrupt);
    EXPECT_NE(d.problem.find("RAレコードのレコード長が不正です"), std::string::npos) << d.problem;
    EXPECT_TRUE(d.fileName.empty());
}

}  // namespace
}  // namespace marovix::download_record_rule_test
