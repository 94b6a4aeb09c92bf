#include "core/race/RunnerIndexReading.h"

#include <gtest/gtest.h>

#include "core/race/JvRecord.h"
#include "standins/records/RecordBuilder.h"

namespace marovix::runner_index_reading_test {
namespace {

std::string raceRecord(int race, int runners, const char* course = "05") {
    return RecordBuilder("RA")
        .text(12, "2024")
        .text(16, "0526")
        .text(20, course)
        .text(22, "01")
        .text(24, "07")
        .number(26, 2, race)
        .number(882, 2, runners)
        .record();
}

TEST(ComputerIndex, EntriesGiveValueAndRankInTheirOrder) {
    // Race 5: positions 15-18 "0872" (horse 8, value 72), 19-22 "0368" (horse 3, value 68).
    std::vector<std::string> lines(5, "");
    lines[4] =
        "20240526050512"
        "0872"
        "0368"
        "1900"
        "0450";
    RunnerIndexes indexes;
    readComputerIndex(lines, raceRecord(5, 4), indexes);
    EXPECT_EQ(indexes.CompiValue[8], 72);
    EXPECT_EQ(indexes.CompiRank[8], 1);
    EXPECT_EQ(indexes.CompiValue[3], 68);
    EXPECT_EQ(indexes.CompiRank[3], 2);
    EXPECT_EQ(indexes.CompiRank[19 - 1], 0);  // horse 19 is out of range: skipped
    EXPECT_EQ(indexes.CompiValue[4], 50);
    EXPECT_EQ(indexes.CompiRank[4], 4);
}

TEST(ComputerIndex, AShortLineOrMissingLineChangesNothingMore) {
    std::vector<std::string> lines = {
        "20240526050112"
        "0172"};
    RunnerIndexes indexes;
    readComputerIndex(lines, raceRecord(1, 3), indexes);
    EXPECT_EQ(indexes.CompiValue[1], 72);
    readComputerIndex(lines, raceRecord(2, 3), indexes);  // no line for race 2
    RunnerIndexes only;
    only.CompiValue[1] = 72;
    only.CompiRank[1] = 1;
    EXPECT_EQ(indexes, only);
}

TEST(OwnIndex, LinesAreSplitAsCommaTextWithQuotes) {
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"20240526051103,55", {"20240526051103", "55"}},
        {"  a b,c", {"a", "b", "c"}},
        {"\"a b\",\"c\"\"d\"", {"a b", "c\"d"}},
        {"a,,b", {"a", "", "b"}},
        {"a,", {"a", ""}},
        {"", {}},
    };
    for (const auto& [line, fields] : cases) EXPECT_EQ(splitIndexLine(line), fields) << line;
}

TEST(OwnIndex, AnEighteenCharacterKeyDropsMeetingAndDayNumbers) {
    EXPECT_EQ(shortHorseKey("202405260501071103"), "20240526051103");
    EXPECT_EQ(shortHorseKey("20240526051103"), "20240526051103");
    RaceRecords races;
    races.fill(blankRecord("RA"));
    races[0] = raceRecord(10, 16);
    races[1] = raceRecord(11, 16);
    std::array<RaceWork, kRaceSlotCount> work{};
    const int skipped = readOwnIndex(
        std::vector<std::string>{"202405260501071103,55", "20240526051104,7", "20240526061103,9", "20240526051119,4"},
        OwnIndex::First, races, work);
    EXPECT_EQ(skipped, 2);
    EXPECT_EQ(skippedLinesNote("SisuA20240526.csv", skipped),
              "[SisuA20240526.csv]の2行を読み飛ばしました。（開催日のレースにない馬か、馬番が1～18でない行です）");
    EXPECT_EQ(work[1].indexes.OwnIndex1[3], 55);
    EXPECT_EQ(work[1].indexes.OwnIndex1[4], 7);
    EXPECT_EQ(work[0].indexes.OwnIndex1, PerHorse{});  // course 06 matches no race; horse 19 is skipped
    EXPECT_EQ(work[1].indexes.OwnIndex2, PerHorse{});
}

struct MiningDay {
    std::array<std::string, kRaceSlotCount> dm, tm;
    std::array<RunnerRecords, kRaceSlotCount> runners;
    std::array<RaceWork, kRaceSlotCount> work{};
    MiningDay() {
        dm.fill(blankRecord("DM"));
        tm.fill(blankRecord("TM"));
        for (auto& slot : runners) slot.fill(blankRecord("SE"));
    }
};

TEST(Mining, EqualTimesRankTheLowerHorseFirstAndZeroHasNoRank) {
    MiningDay day;
    RecordBuilder dm("DM");
    dm.number(34 + 15 * 1, 5, 14512).number(34 + 15 * 4, 5, 14512).number(34 + 15 * 2, 5, 14498);
    day.dm[0] = dm.record();
    computeMining(day.dm, day.tm, day.runners, day.work);
    const RunnerIndexes& x = day.work[0].indexes;
    EXPECT_EQ(x.DMRank[3], 1);  // 1.44.98
    EXPECT_EQ(x.DMRank[2], 2);  // 1.45.12, lower horse number first
    EXPECT_EQ(x.DMRank[5], 3);
    EXPECT_EQ(x.DMTime[1], 0);
    EXPECT_EQ(x.DMRank[1], 0);
}

TEST(Mining, EqualScoresRankTheHigherHorseFirst) {
    MiningDay day;
    RecordBuilder tm("TM");
    tm.number(34 + 6 * 0, 4, 600).number(34 + 6 * 3, 4, 600).number(34 + 6 * 5, 4, 900).number(34 + 6 * 6, 4, 1500);
    day.tm[0] = tm.record();
    computeMining(day.dm, day.tm, day.runners, day.work);
    const RunnerIndexes& x = day.work[0].indexes;
    EXPECT_EQ(x.TMRank[6], 1);
    EXPECT_EQ(x.TMRank[4], 2);  // 600 like horse 1: the higher horse number first
    EXPECT_EQ(x.TMRank[1], 3);
    EXPECT_EQ(x.TMScore[7], 0);  // above 1000
    EXPECT_EQ(x.TMRank[7], 0);
}

TEST(Mining, TheRunnerRecordOverridesUnlessItsTimeIs99999) {
    MiningDay day;
    day.dm[0] = RecordBuilder("DM").number(34, 5, 13456).number(34 + 15, 5, 13500).record();
    day.runners[0][0] = RecordBuilder("SE").number(538, 5, 99999).record();
    day.runners[0][1] = RecordBuilder("SE").number(538, 5, 13400).record();
    computeMining(day.dm, day.tm, day.runners, day.work);
    EXPECT_EQ(day.work[0].indexes.DMTime[1], 13456);
    EXPECT_EQ(day.work[0].indexes.DMTime[2], 13400);
    EXPECT_EQ(day.work[0].indexes.DMRank[2], 1);
}

TEST(Mining, ASlotWithoutRecordsLosesTheRanksOfAnEarlierDay) {
    MiningDay day;
    day.work[3].indexes.DMTime[4] = 15000;
    day.work[3].indexes.DMRank[4] = 1;
    day.work[3].indexes.TMRank[4] = 2;
    computeMining(day.dm, day.tm, day.runners, day.work);
    EXPECT_EQ(day.work[3].indexes, RunnerIndexes{});
}

}  // namespace
}  // namespace marovix::runner_index_reading_test
