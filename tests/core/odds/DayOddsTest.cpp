// The odds of a meeting day: reading one race slot from the day's odds files, and a whole day.
#include "core/odds/DayOdds.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "core/common/TextFile.h"
#include "core/race/JvRecord.h"
#include "core/race/RecordPlacement.h"
#include "standins/feedgen/Calendar.h"
#include "standins/feedgen/OddsModel.h"
#include "standins/feedgen/OddsRecordWriter.h"
#include "standins/feedgen/RaceModel.h"
#include "standins/feedgen/RaceRecordWriter.h"
#include "standins/records/RecordBuilder.h"
#include "tests/support/OddsRecords.h"
#include "tests/support/TempFolder.h"

namespace marovix::day_odds_test {
namespace {

using oddstest::oddsRecord;
using oddstest::setCombination;
using oddstest::setWin;

const std::string kDay = "2024年01月06日";

std::string blankLine(std::string_view type) {
    std::string record = blankRecord(type);
    return record.substr(0, record.size() - 2);
}

std::string raceRecord(const std::string& course, int race, int runners, const std::string& meetingDay = "0102") {
    RecordBuilder ra("RA");
    ra.bytes(12, "20240106").bytes(20, course).bytes(22, meetingDay).number(26, 2, race).number(882, 2, runners);
    ra.number(874, 4, 1000 + race * 30);
    return ra.record();
}

// An O1 line whose horse 1 has win odds `win` (0.1 units), and an O2 line whose quinella 1-2 has `odds`.
std::string winLine(const std::string& course, int race, int win, const std::string& meetingDay = "0102") {
    RecordBuilder o1 = oddsRecord(1, "20240106", course, race, meetingDay);
    setWin(o1, 1, oddstest::digits(win, 4));
    return o1.line();
}
std::string quinellaLine(const std::string& course, int race, int odds) {
    RecordBuilder o2 = oddsRecord(2, "20240106", course, race);
    setCombination(o2, 2, 1, odds, 1);
    return o2.line();
}

// An O6 line whose trifecta 1-2-3 has `odds`.
std::string sixthKindLine(const std::string& course, int race, int odds) {
    RecordBuilder o6 = oddsRecord(6, "20240106", course, race);
    setCombination(o6, 6, 1, odds, 1);
    return o6.line();
}

// Makes a file look as if it had been written a minute ago, old enough for its index to be trusted.
void ageFile(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::last_write_time(filesystemPath(path), fs::file_time_type::clock::now() - std::chrono::seconds(60), error);
    ASSERT_FALSE(error) << path << ": " << error.message();
}

class DayOddsTest : public ::testing::Test {
protected:
    std::string path(OddsKind kind) const { return files.paths()[kindIndex(kind)]; }
    void write(OddsKind kind, const std::vector<std::string>& lines) {
        ASSERT_TRUE(writeRawLines(path(kind), lines).ok());
    }

    TempFolder folder;
    OddsFileIndex files{oddsDayFilePaths(folder.path(), kDay)};
    DayOdds odds;
};

TEST_F(DayOddsTest, FilePathsAreTheDayTextWithTheKindsExtensions) {
    const OddsFilePaths paths = oddsDayFilePaths(nativePath("/app/Data"), kDay);
    EXPECT_EQ(paths[0], nativePath("/app/Data/2024年01月06日.jvO1"));
    EXPECT_EQ(paths[5], nativePath("/app/Data/2024年01月06日.jvO6"));
}

TEST_F(DayOddsTest, OpeningADayFillsEveryRawRecordWithBlanksAndClearsEveryTable) {
    write(OddsKind::O1, {winLine("06", 1, 55)});
    odds.readSlot(0, raceRecord("06", 1, 10), files);
    ASSERT_DOUBLE_EQ(odds.table(0).TanOdds[1], 5.5);
    odds.openDay();
    for (RaceSlot slot = 0; slot < kRaceSlotCount; ++slot) {
        for (const auto& layout : kOddsKindLayouts)
            ASSERT_EQ(odds.rawRecords(slot)[kindIndex(layout.kind)], blankLine(layout.type));
        ASSERT_EQ(odds.table(slot), OddsTable{});
    }
}

TEST_F(DayOddsTest, TheFirstLineWithTheRacesCourseAndRaceNumberIsTaken) {
    // Only course and race number count: a line of another meeting day number still matches.
    write(OddsKind::O1,
          {winLine("05", 11, 11), winLine("06", 10, 22), winLine("06", 11, 33, "0108"), winLine("06", 11, 44)});
    const auto problems = odds.readSlot(4, raceRecord("06", 11, 16), files);
    EXPECT_TRUE(problems.empty());
    EXPECT_DOUBLE_EQ(odds.table(4).TanOdds[1], 3.3);
    EXPECT_EQ(odds.rawRecords(4)[0], winLine("06", 11, 33, "0108"));
    EXPECT_EQ(odds.table(4).TanPop[1], 1);
    EXPECT_EQ(odds.table(4).TanOdds[2], kEmptyOdds);
    EXPECT_EQ(odds.table(4).TanOdds[17], 0.0);  // beyond the 16 registered runners
    // The other slots are untouched.
    EXPECT_EQ(odds.table(3), OddsTable{});
}

TEST_F(DayOddsTest, AFileWithoutTheRaceKeepsTheOddsOfAnEarlierReading) {
    const std::string race = raceRecord("06", 11, 12);
    write(OddsKind::O1, {winLine("06", 11, 40)});
    write(OddsKind::O2, {quinellaLine("06", 11, 123)});
    odds.readSlot(7, race, files);
    ASSERT_DOUBLE_EQ(odds.table(7).UROdds[1], 12.3);
    ASSERT_EQ(odds.table(7).URPop[1], 1);

    // A later fetch rewrote the win odds; the quinella file no longer holds the race.
    write(OddsKind::O1, {winLine("06", 11, 35)});
    write(OddsKind::O2, {quinellaLine("06", 12, 999)});
    odds.readSlot(7, race, files);
    EXPECT_DOUBLE_EQ(odds.table(7).TanOdds[1], 3.5);
    EXPECT_DOUBLE_EQ(odds.table(7).UROdds[1], 12.3);
    EXPECT_EQ(odds.table(7).URPop[1], 1);

    // A missing file keeps it as well.
    std::filesystem::remove(path(OddsKind::O2));
    odds.readSlot(7, race, files);
    EXPECT_DOUBLE_EQ(odds.table(7).UROdds[1], 12.3);
}

TEST_F(DayOddsTest, ARaceWithoutRaceNumberReadsNoFileButIsDerivedAgain) {
    write(OddsKind::O1, {winLine("06", 0, 40), winLine("  ", 1, 50)});
    RecordBuilder noNumber("RA");
    noNumber.bytes(12, "20240106").bytes(20, "06").number(882, 2, 8);  // race number blank
    odds.readSlot(0, noNumber.record(), files);
    EXPECT_EQ(odds.rawRecords(0)[0], blankLine("O1"));
    EXPECT_EQ(odds.table(0).TanOdds[1], kEmptyOdds);
}

TEST_F(DayOddsTest, ADayWithOddsForSomeRacesOnlyGivesTheOthersEmptyEntriesAndNoRanks) {
    RaceRecords races;
    for (RaceSlot slot = 0; slot < kRaceSlotCount; ++slot)
        races[static_cast<std::size_t>(slot)] =
            slot < 24 ? raceRecord(slot < 12 ? "06" : "09", slot % 12 + 1, 14) : blankRecord("RA");
    write(OddsKind::O1, {winLine("06", 2, 30), winLine("09", 5, 45)});
    write(OddsKind::O6, {sixthKindLine("06", 2, 1234)});
    const auto problems = odds.readDay(races, files);
    EXPECT_TRUE(problems.empty());
    EXPECT_DOUBLE_EQ(odds.table(1).TanOdds[1], 3.0);
    EXPECT_DOUBLE_EQ(odds.table(1).SRTOdds[1], 123.4);
    EXPECT_DOUBLE_EQ(odds.table(16).TanOdds[1], 4.5);
    EXPECT_EQ(odds.table(16).SRTOdds[1], kEmptyOdds);
    for (RaceSlot slot = 0; slot < kRaceSlotCount; ++slot) {
        if (slot == 1 || slot == 16) continue;
        const OddsTable& table = odds.table(slot);
        const int runners = slot < 24 ? 14 : 0;
        for (int horse = 1; horse <= 18; ++horse) {
            ASSERT_EQ(table.TanOdds[horse], horse <= runners ? kEmptyOdds : 0.0) << slot << " " << horse;
            ASSERT_EQ(table.TanPop[horse], 0);
            ASSERT_EQ(table.FukLowPop[horse], 0);
        }
        for (OddsKind kind : kAllOddsKinds)
            for (std::size_t k = 1; k < table.combinationOdds(kind).size(); ++k) {
                ASSERT_EQ(table.combinationOdds(kind)[k], kEmptyOdds);
                ASSERT_EQ(table.combinationPopularity(kind)[k], 0);
            }
    }
}

TEST_F(DayOddsTest, FinalOddsWithoutAnnouncementTimeAreReadLikeAnyOther) {
    RecordBuilder o1 = oddsRecord(1, "20240106", "06", 3, "0102", "00000000");
    setWin(o1, 1, "0077");
    write(OddsKind::O1, {o1.line()});
    EXPECT_TRUE(odds.readSlot(2, raceRecord("06", 3, 9), files).empty());
    EXPECT_DOUBLE_EQ(odds.table(2).TanOdds[1], 7.7);
}

TEST_F(DayOddsTest, AFaultyLineOrAnUnreadableFileIsReportedAndKeepsTheEarlierRecord) {
    const std::string race = raceRecord("06", 5, 10);
    write(OddsKind::O1, {winLine("06", 5, 60)});
    write(OddsKind::O2, {quinellaLine("06", 5, 77)});
    ASSERT_TRUE(odds.readSlot(0, race, files).empty());

    std::string shortLine = winLine("06", 5, 20);
    shortLine.pop_back();
    write(OddsKind::O1, {winLine("06", 4, 10), shortLine, winLine("06", 5, 30)});
    std::filesystem::remove(filesystemPath(path(OddsKind::O2)));
    std::filesystem::create_directory(filesystemPath(path(OddsKind::O2)));  // exists, cannot be read as a file
    const auto problems = odds.readSlot(0, race, files);
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_NE(problems[0].find(path(OddsKind::O1) + " 2行目: O1レコードのレコード長が不正です"), std::string::npos)
        << problems[0];
    EXPECT_NE(problems[1].find(path(OddsKind::O2)), std::string::npos) << problems[1];
    EXPECT_DOUBLE_EQ(odds.table(0).TanOdds[1], 6.0);
    EXPECT_DOUBLE_EQ(odds.table(0).UROdds[1], 7.7);

    // A whole day reports each problem once.
    RaceRecords races;
    for (RaceSlot slot = 0; slot < kRaceSlotCount; ++slot)
        races[static_cast<std::size_t>(slot)] = raceRecord("06", slot % 12 + 1, 10);
    const auto dayProblems = odds.readDay(races, files);
    EXPECT_EQ(dayProblems.size(), 2u);
}

TEST_F(DayOddsTest, ASlotOutsideTheDayIsReportedAndChangesNothing) {
    write(OddsKind::O1, {winLine("06", 1, 40)});
    EXPECT_EQ(odds.readSlot(36, raceRecord("06", 1, 8), files).size(), 1u);
    EXPECT_EQ(odds.readSlot(-1, raceRecord("06", 1, 8), files).size(), 1u);
    for (RaceSlot slot = 0; slot < kRaceSlotCount; ++slot) ASSERT_EQ(odds.table(slot), OddsTable{});
}

TEST_F(DayOddsTest, ReadingADayReadsEveryFileOnceAndASlotReadsOnlyWhatChanged) {
    RaceRecords races;
    std::vector<std::string> o1Lines;
    for (RaceSlot slot = 0; slot < kRaceSlotCount; ++slot) {
        const std::string course = slot < 12 ? "05" : slot < 24 ? "06" : "09";
        races[static_cast<std::size_t>(slot)] = raceRecord(course, slot % 12 + 1, 12);
        o1Lines.push_back(winLine(course, slot % 12 + 1, 20 + slot));
    }
    write(OddsKind::O1, o1Lines);
    for (OddsKind kind : {OddsKind::O2, OddsKind::O3, OddsKind::O4, OddsKind::O5, OddsKind::O6})
        write(kind, {oddsRecord(kindIndex(kind) + 1, "20240106", "05", 1).line()});

    // Just written: a day's reading still reads each file once.
    odds.readDay(races, files);
    EXPECT_EQ(files.diskReads(), 6u);

    // Files of a minute ago are trusted: 36 slot readings read nothing again.
    for (OddsKind kind : kAllOddsKinds) ageFile(path(kind));
    OddsFileIndex aged(files.paths());
    for (RaceSlot slot = 0; slot < kRaceSlotCount; ++slot)
        odds.readSlot(slot, races[static_cast<std::size_t>(slot)], aged);
    EXPECT_EQ(aged.diskReads(), 6u);

    // A fetch rewrites the win file: the next slot reading reads that file again and sees the new odds.
    std::vector<std::string> before;
    for (RaceSlot slot = 0; slot < kRaceSlotCount; ++slot)
        for (std::string_view raw : odds.rawRecords(slot)) before.emplace_back(raw);
    o1Lines[20] = winLine("06", 9, 99);
    o1Lines[3] = winLine("05", 4, 77);
    write(OddsKind::O1, o1Lines);
    odds.readSlot(20, races[20], aged);
    EXPECT_EQ(aged.diskReads(), 7u);
    EXPECT_DOUBLE_EQ(odds.table(20).TanOdds[1], 9.9);
    // The other slots keep the records they had, whatever became of the file they came from.
    EXPECT_DOUBLE_EQ(odds.table(3).TanOdds[1], 2.3);
    std::size_t i = 0;
    for (RaceSlot slot = 0; slot < kRaceSlotCount; ++slot)
        for (std::string_view raw : odds.rawRecords(slot)) {
            if (slot != 20) {
                EXPECT_EQ(raw, before[i]) << slot;
            }
            ++i;
        }
    // Rewritten again and gone: still the same.
    write(OddsKind::O1, {winLine("06", 9, 11)});
    odds.readSlot(20, races[20], aged);
    std::filesystem::remove(path(OddsKind::O1));
    odds.readSlot(20, races[20], aged);
    EXPECT_DOUBLE_EQ(odds.table(20).TanOdds[1], 1.1);
    EXPECT_EQ(odds.rawRecords(3)[0], std::string_view(before[3 * 6]));
    odds.readSlot(3, races[3], aged);
    EXPECT_DOUBLE_EQ(odds.table(3).TanOdds[1], 2.3);

    // A moved day keeps its records.
    DayOdds moved = std::move(odds);
    EXPECT_EQ(moved.rawRecords(3)[0], std::string_view(before[3 * 6]));
}

// --- The index against the record-by-record scan, on a generated day ---

// The day's race records and its odds records at each snapshot, as the demo generator makes them.
struct GeneratedDay {
    RaceRecords races;
    std::vector<std::array<std::vector<std::string>, kOddsKindCount>> snapshots;  // lines per kind
};

GeneratedDay generateDay() {
    using namespace feedgen;
    const MeetingDay day = Calendar(1).meetingDays({2024, 4, 7}, {2024, 4, 7}).front();  // three courses
    const DayPlan plan = RaceModel(5).planDay(day);
    GeneratedDay out;
    std::vector<std::string> raLines;
    for (const Race& race : plan.races)
        raLines.push_back(RaceRecordWriter::race(race, day.weekdayCode, {'2', race.date, race.date}, false).line());
    out.races = placeRaceRecords(raLines).slots;
    for (std::size_t snapshot = 0; snapshot < 2; ++snapshot) {
        std::array<std::vector<std::string>, kOddsKindCount> lines;
        for (const Race& race : plan.races) {
            const OddsModel market(race, 5, race.date.dayNumber());
            const auto& minutes = market.snapshotMinutes();
            const std::size_t index = minutes.size() - 1 - snapshot;
            const OddsBook book = market.book(index);
            const RecordStamp stamp{'1', race.date, race.date.addSeconds(minutes[index] * 60)};
            for (int kind = 1; kind <= 6; ++kind)
                lines[static_cast<std::size_t>(kind - 1)].push_back(
                    OddsRecordWriter::record(kind, race, book, stamp).line());
        }
        out.snapshots.push_back(std::move(lines));
    }
    return out;
}

// The reading as the odds reading describes it: each file line by line from its start until the first
// line of the race's course and race number.
void scanSlot(const OddsFilePaths& paths, std::string_view race, std::array<std::string, kOddsKindCount>& raw) {
    if (fieldNumber(race, 26, 2) < 1 ||
        isAllBlanks(std::string(fieldText(race, 20, 2)) + std::string(fieldText(race, 26, 2))))
        return;
    for (std::size_t kind = 0; kind < paths.size(); ++kind) {
        if (!fileExists(paths[kind])) continue;
        auto lines = readRawLines(paths[kind]);
        ASSERT_TRUE(lines.ok());
        for (const std::string& line : *lines) {
            if (fieldText(line, 20, 2) != fieldText(race, 20, 2) || fieldText(line, 26, 2) != fieldText(race, 26, 2))
                continue;
            if (checkRecord(line, "O" + std::to_string(kind + 1)).ok()) raw[kind] = line;
            break;
        }
    }
}

TEST_F(DayOddsTest, IndexedReadingEqualsTheRecordByRecordScanOnAGeneratedDay) {
    const GeneratedDay day = generateDay();
    ASSERT_EQ(day.snapshots[0][0].size(), 36u);
    // The day's files from the last snapshot, with some races missing and a faulty line.
    auto files0 = day.snapshots[0];
    files0[1].erase(files0[1].begin() + 5);                           // O2 without slot 5's race
    files0[4].erase(files0[4].begin() + 20, files0[4].begin() + 30);  // O5 without slots 20-29
    files0[2][8].resize(100);                                         // O3 of slot 8 cut short
    for (std::size_t kind = 0; kind < 6; ++kind) write(kAllOddsKinds[kind], files0[kind]);
    std::filesystem::remove(path(OddsKind::O4));

    std::vector<std::array<std::string, kOddsKindCount>> expected(kRaceSlotCount);
    for (auto& slot : expected)
        for (std::size_t kind = 0; kind < slot.size(); ++kind) slot[kind] = blankLine("O" + std::to_string(kind + 1));
    auto expectSame = [&](RaceSlot slot) {
        const auto s = static_cast<std::size_t>(slot);
        scanSlot(files.paths(), day.races[s], expected[s]);
        OddsRawRecords views;
        for (std::size_t kind = 0; kind < views.size(); ++kind) views[kind] = expected[s][kind];
        ASSERT_EQ(odds.rawRecords(slot), views) << "slot " << slot;
        ASSERT_EQ(odds.table(slot), deriveOddsTable(views, fieldNumber(day.races[s], 882, 2))) << slot;
    };

    // A whole day at once.
    odds.readDay(day.races, files);
    for (RaceSlot slot = 0; slot < kRaceSlotCount; ++slot) expectSame(slot);

    // Slot by slot, while the files are rewritten between the readings as a real-time fetch does.
    for (RaceSlot slot = 0; slot < kRaceSlotCount; ++slot) {
        if (slot == 12) {
            write(OddsKind::O1, day.snapshots[1][0]);  // earlier odds of every race
            write(OddsKind::O4, day.snapshots[1][3]);  // the exacta file appears
        }
        if (slot == 24) {
            auto o2 = day.snapshots[1][1];
            o2.erase(o2.begin() + 30);
            write(OddsKind::O2, o2);
            std::filesystem::remove(path(OddsKind::O6));
        }
        odds.readSlot(slot, day.races[static_cast<std::size_t>(slot)], files);
        expectSame(slot);
    }
    // Reading the first slots again now sees the rewritten files.
    for (RaceSlot slot = 0; slot < 12; ++slot) {
        odds.readSlot(slot, day.races[static_cast<std::size_t>(slot)], files);
        expectSame(slot);
    }
    EXPECT_GT(odds.table(0).TanOdds[1], 0.0);
}

}  // namespace
}  // namespace marovix::day_odds_test
