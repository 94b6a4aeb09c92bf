// Reading the day's payout file into the payout slots.
#include <gtest/gtest.h>

#include "core/common/TextFile.h"
#include "core/race/JvRecord.h"
#include "core/results/DayPayouts.h"
#include "core/results/PayoutRecord.h"
#include "tests/support/PayoutRecordBuilder.h"
#include "tests/support/TempFolder.h"

namespace marovix::day_payouts_test {
namespace {

std::string race(int number, std::string_view course = "05") {
    return RecordBuilder("RA").bytes(12, testRaceKey(number, course)).record();
}

// Slots 0..count-1 hold races 1..count at Tokyo ("05"), the rest are blank.
RaceRecords day(int count) {
    RaceRecords races;
    races.fill(blankRecord("RA"));
    for (int i = 0; i < count; ++i) races[static_cast<std::size_t>(i)] = race(i + 1);
    return races;
}

std::string payoutLine(int raceNumber, int winner, std::string_view course = "05") {
    return PayoutRecordBuilder(testRaceKey(raceNumber, course))
        .entry(BetType::Tan, 0, {winner}, 100 + winner, 1)
        .line();
}

int winnerOf(const DayPayouts& payouts, RaceSlot slot) {
    return payoutEntries(payouts.record(slot), BetType::Tan)[0].numbers[0];
}

TEST(DayPayoutsTest, EachRecordGoesToTheRaceWithItsKeyAndSetsItsFlag) {
    DayPayouts payouts;
    const RaceRecords races = day(12);
    const PayoutReading reading = payouts.readLines({payoutLine(3, 7), payoutLine(1, 5)}, races, -1);
    EXPECT_EQ(reading.read, 2);
    EXPECT_EQ(reading.placed, 2);
    EXPECT_EQ(winnerOf(payouts, 0), 5);
    EXPECT_EQ(winnerOf(payouts, 2), 7);
    EXPECT_EQ(payouts.record(2).size(), 719u);  // held whole with its CR LF
    EXPECT_TRUE(payouts.payoutRead(0));
    EXPECT_FALSE(payouts.payoutRead(1));
    EXPECT_TRUE(payouts.payoutRead(2));
    EXPECT_TRUE(isAllBlanks(payouts.record(1).substr(0, 717)));
}

TEST(DayPayoutsTest, ARecordOfNoRaceOfTheDayIsIgnored) {
    DayPayouts payouts;
    const PayoutReading reading =
        payouts.readLines({payoutLine(13, 4), payoutLine(2, 6, "09"), payoutLine(2, 8)}, day(12), -1);
    EXPECT_EQ(reading.read, 3);
    EXPECT_EQ(reading.placed, 1);
    EXPECT_EQ(winnerOf(payouts, 1), 8);
    for (RaceSlot slot = 0; slot < kRaceSlotCount; ++slot) {
        EXPECT_EQ(payouts.payoutRead(slot), slot == 1) << slot;
    }
}

TEST(DayPayoutsTest, AtMost36RecordsAreRead) {
    // 36 records of no race, then the record of race 1: it is never reached.
    std::vector<std::string> lines(36, payoutLine(20, 1));
    lines.push_back(payoutLine(1, 9));
    DayPayouts payouts;
    const PayoutReading reading = payouts.readLines(lines, day(12), -1);
    EXPECT_EQ(reading.read, 36);
    EXPECT_EQ(reading.placed, 0);
    EXPECT_FALSE(payouts.payoutRead(0));
}

TEST(DayPayoutsTest, EveryReadingStartsFromBlankSlotsButKeepsTheFlags) {
    DayPayouts payouts;
    const RaceRecords races = day(12);
    payouts.readLines({payoutLine(1, 5)}, races, -1);
    payouts.readLines({payoutLine(2, 6)}, races, -1);
    EXPECT_EQ(winnerOf(payouts, 0), 0);
    EXPECT_EQ(winnerOf(payouts, 1), 6);
    EXPECT_TRUE(payouts.payoutRead(0));
    payouts.clear();
    EXPECT_FALSE(payouts.payoutRead(1));
    EXPECT_EQ(winnerOf(payouts, 1), 0);
}

TEST(DayPayoutsTest, TheCurrentRacesPayoutArrivesOnlyOnce) {
    DayPayouts payouts;
    const RaceRecords races = day(12);
    EXPECT_FALSE(payouts.readLines({payoutLine(1, 5)}, races, 4).currentArrived);
    EXPECT_TRUE(payouts.readLines({payoutLine(1, 5), payoutLine(5, 3)}, races, 4).currentArrived);
    EXPECT_FALSE(payouts.readLines({payoutLine(1, 5), payoutLine(5, 3)}, races, 4).currentArrived);
    EXPECT_FALSE(DayPayouts().readLines({payoutLine(5, 3)}, races, -1).currentArrived);  // no race shown
}

TEST(DayPayoutsTest, AShortOrForeignLineIsRejectedAndNamed) {
    DayPayouts payouts;
    std::string shortLine = payoutLine(1, 5);
    shortLine.resize(600);
    const std::string se = RecordBuilder("SE").bytes(12, testRaceKey(2)).line();
    const PayoutReading reading = payouts.readLines({shortLine, "", se, payoutLine(3, 2)}, day(12), -1);
    ASSERT_EQ(reading.rejected.size(), 2u);
    EXPECT_EQ(reading.rejected[0].line, 0) << reading.rejected[0].reason;
    EXPECT_EQ(reading.rejected[1].line, 2) << reading.rejected[1].reason;
    EXPECT_NE(reading.rejected[0].reason.find("HRレコード"), std::string::npos) << reading.rejected[0].reason;
    EXPECT_FALSE(payouts.payoutRead(0));
    EXPECT_TRUE(payouts.payoutRead(2));
}

TEST(DayPayoutsTest, AMissingFileChangesNothing) {
    TempFolder folder;
    DayPayouts payouts;
    const RaceRecords races = day(12);
    payouts.readLines({payoutLine(1, 5)}, races, -1);
    auto reading = payouts.readFile(folder.file("none.jvHR"), races, -1);
    ASSERT_TRUE(reading.ok());
    EXPECT_EQ(reading->read, 0);
    EXPECT_EQ(winnerOf(payouts, 0), 5);

    ASSERT_TRUE(writeRawLines(folder.file("day.jvHR"), {payoutLine(2, 4)}).ok());
    reading = payouts.readFile(folder.file("day.jvHR"), races, -1);
    ASSERT_TRUE(reading.ok());
    EXPECT_EQ(winnerOf(payouts, 0), 0);
    EXPECT_EQ(winnerOf(payouts, 1), 4);
}

}  // namespace
}  // namespace marovix::day_payouts_test
