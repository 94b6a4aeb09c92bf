#include "core/race/RecordPlacement.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/race/JvRecord.h"
#include "standins/records/RecordBuilder.h"

namespace marovix::record_placement_test {
namespace {

// An RA line of 2024-01-06 at `course`, race `race` with `runners` registered runners.
std::string raceLine(const std::string& course, int race, int runners) {
    RecordBuilder ra("RA");
    ra.text(12, "20240106").text(20, course).text(22, "0102").number(26, 2, race).number(882, 2, runners);
    return ra.line();
}

// An SE line for horse `horse` of race `race`; the horse name marks where the line came from.
std::string runnerLine(int race, int horse) {
    RecordBuilder se("SE");
    se.text(12, "20240106060102").number(26, 2, race).number(29, 2, horse);
    se.field(41, 36, "馬" + std::to_string(race) + "-" + std::to_string(horse));
    return se.line();
}

// A runner file of one course: 12 races x 18 horses, every line holding its race and horse.
std::vector<std::string> fullRunnerFile() {
    std::vector<std::string> lines;
    for (int race = 1; race <= 12; ++race)
        for (int horse = 1; horse <= 18; ++horse) lines.push_back(runnerLine(race, horse));
    return lines;
}

// A DM line for `course` race `race`; `time` marks the record in the first entry's predicted time.
std::string miningLine(const std::string& course, int race, int time, const std::string& meetingDay = "0102") {
    RecordBuilder dm("DM");
    dm.text(12, "20240106").text(20, course).text(22, meetingDay).number(26, 2, race).number(34, 5, time);
    return dm.line();
}

TEST(PlaceRaceRecords, FillsSlotsInFileOrderAndLeavesTheRestBlank) {
    std::vector<std::string> lines = {raceLine("06", 1, 16), raceLine("06", 2, 14), raceLine("09", 1, 10)};
    auto placed = placeRaceRecords(lines);
    EXPECT_TRUE(placed.rejected.empty());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(placed.slots[i], lines[i] + "\r\n");
        EXPECT_TRUE(isUsedSlot(placed.slots[i]));
    }
    for (std::size_t i = lines.size(); i < placed.slots.size(); ++i) {
        EXPECT_EQ(placed.slots[i], blankRecord("RA"));
        EXPECT_FALSE(isUsedSlot(placed.slots[i]));
    }
}

TEST(PlaceRaceRecords, TakesAtMost36Records) {
    std::vector<std::string> lines;
    for (int i = 0; i < 40; ++i) lines.push_back(raceLine(i < 36 ? "05" : "99", i % 12 + 1, 12));
    auto placed = placeRaceRecords(lines);
    for (const auto& slot : placed.slots) EXPECT_EQ(fieldText(slot, 20, 2), "05");
}

TEST(PlaceRaceRecords, AFaultyLineLeavesItsSlotBlankAndIsReported) {
    // Line i stays slot i, so the races after a faulty line keep their slots (the file's lines are
    // addressed by slot when post times are patched).
    std::string good1 = raceLine("06", 1, 16);
    std::string good2 = raceLine("06", 2, 16);
    std::string noYear = RecordBuilder("RA").text(12, "0000").line();
    std::vector<std::string> lines = {"",     good1, good1.substr(0, 1000), RecordBuilder("SE").line(), "    ",
                                      noYear, good2};
    auto placed = placeRaceRecords(lines);
    EXPECT_FALSE(isUsedSlot(placed.slots[0]));
    EXPECT_EQ(placed.slots[1], good1 + "\r\n");
    for (int slot : {2, 3, 4, 5, 7}) EXPECT_FALSE(isUsedSlot(placed.slots[static_cast<std::size_t>(slot)])) << slot;
    EXPECT_EQ(placed.slots[6], good2 + "\r\n");
    ASSERT_EQ(placed.rejected.size(), 2u);
    EXPECT_EQ(placed.rejected[0].line, 2);
    EXPECT_EQ(placed.rejected[0].reason, "RAレコードのレコード長が不正です(改行を除き1000バイト、正しくは1270バイト)");
    EXPECT_EQ(placed.rejected[1].line, 3);
    EXPECT_EQ(placed.rejected[1].reason, "レコード種別が不正です(SE、正しくはRA)");
}

TEST(IsUsedSlot, NeedsAYearThatIsNeitherBlankNorZero) {
    EXPECT_TRUE(isUsedSlot(raceLine("05", 1, 1)));
    EXPECT_FALSE(isUsedSlot(blankRecord("RA")));
    EXPECT_FALSE(isUsedSlot(RecordBuilder("RA").text(12, "0000").record()));
    EXPECT_FALSE(isUsedSlot(""));
}

TEST(ReadRunnerSlots, SixteenRunnersFillSlotsOneToSixteenAndLeaveTheRestBlank) {
    auto file = fullRunnerFile();
    auto placed = readRunnerSlots(raceLine("06", 3, 16) + "\r\n", file);
    EXPECT_TRUE(placed.rejected.empty());
    for (int k = 0; k < 16; ++k) {
        EXPECT_EQ(placed.slots[static_cast<std::size_t>(k)], file[static_cast<std::size_t>(2 * 18 + k)] + "\r\n");
        EXPECT_EQ(fieldNumber(placed.slots[static_cast<std::size_t>(k)], 29, 2), k + 1);
    }
    EXPECT_EQ(placed.slots[16], blankRecord("SE"));
    EXPECT_EQ(placed.slots[17], blankRecord("SE"));
}

TEST(ReadRunnerSlots, PlacesByLineNotByTheHorseNumberInTheRecord) {
    auto file = fullRunnerFile();
    file[4 * 18 + 0] = runnerLine(5, 9);  // a stray record in horse 1's line of race 5
    auto placed = readRunnerSlots(raceLine("06", 5, 2), file);
    EXPECT_EQ(fieldNumber(placed.slots[0], 29, 2), 9);
    EXPECT_EQ(fieldNumber(placed.slots[1], 29, 2), 2);
}

TEST(ReadRunnerSlots, BlankAndMissingLinesGiveBlankSlots) {
    std::vector<std::string> file(216, std::string(553, ' '));  // a new runner file: no data yet
    file[11 * 18 + 17] = runnerLine(12, 18);
    file[11 * 18 + 3] = runnerLine(12, 4).substr(0, 500);
    auto placed = readRunnerSlots(raceLine("06", 12, 18), file);
    EXPECT_EQ(placed.slots[0], blankRecord("SE"));
    EXPECT_EQ(placed.slots[17], file[215] + "\r\n");
    ASSERT_EQ(placed.rejected.size(), 1u);
    EXPECT_EQ(placed.rejected[0].line, 11 * 18 + 3);

    std::vector<std::string> shortFile = fullRunnerFile();
    shortFile.resize(20);
    auto cut = readRunnerSlots(raceLine("06", 2, 4), shortFile);  // race 2 starts at line 18
    EXPECT_EQ(fieldNumber(cut.slots[1], 29, 2), 2);
    EXPECT_EQ(cut.slots[2], blankRecord("SE"));
}

TEST(ReadRunnerSlots, ImpossibleRaceNumbersAndRunnerCountsReadNothingOutsideTheRace) {
    auto file = fullRunnerFile();
    for (int race : {0, 13, 99}) {
        auto placed = readRunnerSlots(raceLine("06", race, 10), file);
        for (const auto& slot : placed.slots) EXPECT_EQ(slot, blankRecord("SE")) << race;
    }
    auto tooMany = readRunnerSlots(raceLine("06", 12, 99), file);  // at most 18 runners
    EXPECT_EQ(fieldNumber(tooMany.slots[17], 26, 2), 12);
    EXPECT_EQ(fieldNumber(tooMany.slots[17], 29, 2), 18);
    auto unused = readRunnerSlots(blankRecord("RA"), file);
    for (const auto& slot : unused.slots) EXPECT_EQ(slot, blankRecord("SE"));
}

TEST(PlaceMiningRecords, PutsEachRecordAtTheRaceWithTheSameDayMatchingKey) {
    auto races =
        placeRaceRecords(std::vector<std::string>{raceLine("06", 1, 16), raceLine("06", 2, 16), raceLine("09", 1, 16)})
            .slots;
    // Meeting and day numbers are not part of the key: a DM record with other ones still matches.
    std::vector<std::string> dm = {miningLine("09", 1, 11234), miningLine("06", 2, 21234, "9999")};
    auto placed = placeMiningRecords("DM", dm, races);
    EXPECT_TRUE(placed.rejected.empty());
    EXPECT_EQ(placed.slots[0], blankRecord("DM"));
    EXPECT_EQ(placed.slots[1], dm[1] + "\r\n");
    EXPECT_EQ(placed.slots[2], dm[0] + "\r\n");
    for (std::size_t i = 3; i < placed.slots.size(); ++i) EXPECT_EQ(placed.slots[i], blankRecord("DM"));
}

TEST(PlaceMiningRecords, ALaterRecordForTheSameRaceReplacesTheEarlier) {
    auto races = placeRaceRecords(std::vector<std::string>{raceLine("06", 1, 16)}).slots;
    auto placed = placeMiningRecords(
        "DM", std::vector<std::string>{miningLine("06", 1, 11111), miningLine("06", 1, 12222)}, races);
    EXPECT_EQ(fieldNumber(placed.slots[0], 34, 5), 12222);
}

TEST(PlaceMiningRecords, ARecordForARaceNotInTheDayIsDropped) {
    auto races = placeRaceRecords(std::vector<std::string>{raceLine("06", 1, 16)}).slots;
    auto placed =
        placeMiningRecords("DM", std::vector<std::string>{miningLine("05", 1, 11111), miningLine("06", 7, 1)}, races);
    EXPECT_TRUE(placed.rejected.empty());
    for (const auto& slot : placed.slots) EXPECT_EQ(slot, blankRecord("DM"));
}

TEST(PlaceMiningRecords, ReadsTmRecordsAndRejectsMalformedOnes) {
    auto races = placeRaceRecords(std::vector<std::string>{raceLine("06", 1, 16)}).slots;
    std::string tm = RecordBuilder("TM").text(12, "2024010606010201").number(34, 4, 870).line();
    auto placed = placeMiningRecords("TM", std::vector<std::string>{miningLine("06", 1, 1), tm + " ", tm}, races);
    EXPECT_EQ(placed.slots[0], tm + "\r\n");
    ASSERT_EQ(placed.rejected.size(), 2u);
    EXPECT_EQ(placed.rejected[0].reason, "レコード種別が不正です(DM、正しくはTM)");
    EXPECT_EQ(placed.rejected[1].reason, "TMレコードのレコード長が不正です(改行を除き140バイト、正しくは139バイト)");
}

TEST(PlaceMiningRecords, ReadsOnlyTheFirst36Lines) {
    auto races = placeRaceRecords(std::vector<std::string>{raceLine("06", 1, 16)}).slots;
    std::vector<std::string> dm(36, miningLine("05", 1, 1));
    dm.push_back(miningLine("06", 1, 5));
    auto placed = placeMiningRecords("DM", dm, races);
    EXPECT_EQ(placed.slots[0], blankRecord("DM"));
}

}  // namespace
}  // namespace marovix::record_placement_test
