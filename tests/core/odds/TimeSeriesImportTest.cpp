// Importing odds from the time-series odds viewer's folder into the day's odds files.
#include "core/odds/TimeSeriesImport.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/common/SystemFiles.h"
#include "core/common/TextFile.h"
#include "core/odds/DayOdds.h"
#include "core/race/JvRecord.h"
#include "standins/records/RecordBuilder.h"
#include "tests/support/OddsRecords.h"
#include "tests/support/TempFolder.h"

namespace marovix::time_series_import_test {
namespace {

using oddstest::oddsRecord;

std::string raceRecord(const std::string& course, int race, int postTime) {
    RecordBuilder ra("RA");
    ra.bytes(12, "20240106").bytes(20, course).bytes(22, "0102").number(26, 2, race).number(882, 2, 12);
    ra.number(874, 4, postTime);
    return ra.record();
}

// A line of kind 1..6 for course 06, `race`, announced at `announced` (mmddhhmm); horse 1's win odds
// (O1) or the first combination's odds (others) carry `mark` so the line can be recognised.
std::string viewerLine(int kind, int race, const std::string& announced, int mark, const std::string& course = "06") {
    RecordBuilder record = oddsRecord(kind, "20240106", course, race, "0102", announced);
    if (kind == 1)
        oddstest::setWin(record, 1, oddstest::digits(mark, 4));
    else
        oddstest::setCombination(record, kind, 1, mark, 1);
    return record.line();
}

TEST(TimeSeriesImport, RefusedWhileTheFolderIsTheApplicationFolderOrNoDayIsSelected) {
    EXPECT_EQ(timeSeriesImportRefusal("/app", "/app", true), "時系列ｵｯｽﾞﾌｫﾙﾀﾞ指定をしてください。");
    EXPECT_EQ(timeSeriesImportRefusal("/app", "/app", false), "時系列ｵｯｽﾞﾌｫﾙﾀﾞ指定をしてください。");
    EXPECT_EQ(timeSeriesImportRefusal("/viewer", "/app", false),
              "ｵｯｽﾞを読み込みたい当日の開催日ﾃﾞｰﾀを読み込んでください。");
    EXPECT_EQ(timeSeriesImportRefusal("/viewer", "/app", true), std::nullopt);
}

TEST(TimeSeriesImport, ViewerFileIsNamedByDateAndByCourseMeetingDayAndRace) {
    EXPECT_EQ(timeSeriesFilePath("/viewer/Data", raceRecord("06", 11, 1540), OddsKind::O1),
              "/viewer/Data" + nativePath("/20240106/06010211.jvO1"));
    EXPECT_EQ(timeSeriesFilePath("/viewer/Data", raceRecord("09", 2, 1000), OddsKind::O6),
              "/viewer/Data" + nativePath("/20240106/09010202.jvO6"));
}

TEST(TimeSeriesImport, TheNearestLineToPostTimeIsTakenTheFirstOfEquallyNearOnes) {
    const int post = 15 * 60 + 30;
    const std::vector<std::string> lines = {viewerLine(1, 11, "01061450", 1), viewerLine(1, 11, "01061520", 2),
                                            viewerLine(1, 11, "01061540", 3)};
    EXPECT_EQ(nearestOddsLine(lines, OddsKind::O1, post), 1u);
    const std::vector<std::string> reversed = {lines[2], lines[1], lines[0]};
    EXPECT_EQ(nearestOddsLine(reversed, OddsKind::O1, post), 0u);
    EXPECT_EQ(nearestOddsLine(std::vector<std::string>{}, OddsKind::O1, post), std::nullopt);
}

TEST(TimeSeriesImport, LinesOfAnotherDayWithoutTimeFaultyOrAThousandMinutesAwayAreNeverTaken) {
    const int post = 17 * 60;
    // The evening before is nearer by the clock but announced on another day.
    EXPECT_EQ(nearestOddsLine(std::vector<std::string>{viewerLine(1, 11, "01051700", 1)}, OddsKind::O1, post),
              std::nullopt);
    // Final odds carry no announcement time.
    EXPECT_EQ(nearestOddsLine(std::vector<std::string>{viewerLine(1, 11, "00000000", 1)}, OddsKind::O1, 0),
              std::nullopt);
    // 00:20 is 1000 minutes before 17:00, 00:21 999 minutes.
    EXPECT_EQ(nearestOddsLine(std::vector<std::string>{viewerLine(1, 11, "01060020", 1)}, OddsKind::O1, post),
              std::nullopt);
    EXPECT_EQ(
        nearestOddsLine(std::vector<std::string>{viewerLine(1, 11, "01060020", 1), viewerLine(1, 11, "01060021", 2)},
                        OddsKind::O1, post),
        1u);
    // A line cut short or of another kind is no candidate.
    std::string cut = viewerLine(1, 11, "01061700", 1);
    cut.pop_back();
    EXPECT_EQ(nearestOddsLine(
                  std::vector<std::string>{cut, viewerLine(2, 11, "01061700", 1), viewerLine(1, 11, "01061200", 2)},
                  OddsKind::O1, post),
              2u);
}

class TimeSeriesImportFiles : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(viewer + "/20240106");
        std::filesystem::create_directories(data);
        for (auto& race : races) race = blankRecord("RA");
        races[0] = raceRecord("06", 1, 1000);
        races[1] = raceRecord("06", 2, 1030);
        races[2] = raceRecord("06", 3, 1100);
    }
    void writeViewer(int race, int kind, const std::vector<std::string>& lines) {
        ASSERT_TRUE(writeRawLines(timeSeriesFilePath(viewer, races[static_cast<std::size_t>(race - 1)],
                                                     kAllOddsKinds[static_cast<std::size_t>(kind - 1)]),
                                  lines)
                        .ok());
    }
    std::string dayFile(int kind) const { return joinPath(data, "2024年01月06日.jvO" + std::to_string(kind)); }

    TempFolder folder;
    std::string viewer = folder.file("Kalvora/Data");
    std::string data = folder.file("Data");
    RaceRecords races;
};

TEST_F(TimeSeriesImportFiles, TakenLinesReplaceTheRacesLineOrAreAppendedAndAreCounted) {
    // The day's win file holds race 1 (to be replaced) and race 3 (no viewer file: kept).
    const std::string oldRace1 = viewerLine(1, 1, "01060930", 11);
    const std::string race3 = viewerLine(1, 3, "01061050", 33);
    ASSERT_TRUE(writeRawLines(dayFile(1), {oldRace1, race3}).ok());
    writeViewer(1, 1, {viewerLine(1, 1, "01060900", 1), viewerLine(1, 1, "01060950", 2)});
    writeViewer(1, 2, {viewerLine(2, 1, "01060955", 3)});
    writeViewer(1, 5, {viewerLine(5, 1, "01060955", 4)});
    writeViewer(2, 1, {viewerLine(1, 2, "01061025", 5), viewerLine(1, 2, "01061035", 6)});
    writeViewer(2, 2, {viewerLine(2, 2, "01051700", 7)});  // only the evening before: nothing taken

    const TimeSeriesImportResult result = importTimeSeriesOdds(viewer, data, races);
    EXPECT_TRUE(result.problems.empty());
    EXPECT_EQ(result.winPlaceRaces, 2);
    EXPECT_EQ(result.quinellaRaces, 1);

    auto o1 = readRawLines(dayFile(1));
    ASSERT_TRUE(o1.ok());
    EXPECT_EQ(*o1, (std::vector<std::string>{viewerLine(1, 1, "01060950", 2), race3, viewerLine(1, 2, "01061025", 5)}));
    auto o2 = readRawLines(dayFile(2));
    ASSERT_TRUE(o2.ok());
    EXPECT_EQ(*o2, std::vector<std::string>{viewerLine(2, 1, "01060955", 3)});
    EXPECT_TRUE(fileExists(dayFile(5)));
    EXPECT_FALSE(fileExists(dayFile(3)));
    auto bytes = readFileBytes(dayFile(2));
    ASSERT_TRUE(bytes.ok());
    EXPECT_EQ(bytes->size(), 2042u);  // one O2 record with its CR LF
    EXPECT_EQ(bytes->substr(bytes->size() - 2), "\r\n");

    // Reading the day again sees the imported odds.
    DayOdds odds;
    OddsFileIndex files(oddsDayFilePaths(data, "2024年01月06日"));
    EXPECT_TRUE(odds.readDay(races, files).empty());
    EXPECT_DOUBLE_EQ(odds.table(0).TanOdds[1], 0.2);
    EXPECT_DOUBLE_EQ(odds.table(0).UROdds[1], 0.3);
    EXPECT_DOUBLE_EQ(odds.table(1).TanOdds[1], 0.5);
    EXPECT_DOUBLE_EQ(odds.table(2).TanOdds[1], 3.3);
}

TEST_F(TimeSeriesImportFiles, ARaceWhoseDateIsNoDateIsPassedOverAndNothingIsWrittenOutsideTheDataFolder) {
    // A damaged race file: the year "/../" made the day file "Data//../年01月06日.jvO1", beside the data folder.
    races[0].replace(11, 4, "/../");
    const std::string viewerPath = timeSeriesFilePath(viewer, races[0], OddsKind::O1);
    std::filesystem::create_directories(std::filesystem::path(viewerPath).lexically_normal().parent_path());
    ASSERT_TRUE(writeRawLines(viewerPath, {viewerLine(1, 1, "01060950", 2)}).ok());
    writeViewer(2, 1, {viewerLine(1, 2, "01061025", 5)});

    const TimeSeriesImportResult result = importTimeSeriesOdds(viewer, data, races);
    EXPECT_EQ(result.winPlaceRaces, 1);
    EXPECT_FALSE(fileExists(folder.file("年01月06日.jvO1")));
    auto o1 = readRawLines(dayFile(1));
    ASSERT_TRUE(o1.ok());
    EXPECT_EQ(*o1, std::vector<std::string>{viewerLine(1, 2, "01061025", 5)});
}

TEST_F(TimeSeriesImportFiles, EveryLineWithTheRaceKeyIsReplaced) {
    const std::string old = viewerLine(1, 1, "01060930", 11);
    ASSERT_TRUE(writeRawLines(dayFile(1), {old, viewerLine(1, 2, "01060930", 22), old}).ok());
    writeViewer(1, 1, {viewerLine(1, 1, "01061000", 1)});
    const TimeSeriesImportResult result = importTimeSeriesOdds(viewer, data, races);
    EXPECT_EQ(result.winPlaceRaces, 1);
    auto lines = readRawLines(dayFile(1));
    ASSERT_TRUE(lines.ok());
    EXPECT_EQ(*lines, (std::vector<std::string>{viewerLine(1, 1, "01061000", 1), viewerLine(1, 2, "01060930", 22),
                                                viewerLine(1, 1, "01061000", 1)}));
}

TEST_F(TimeSeriesImportFiles, ADayFileThatCannotBeReadOrWrittenIsReportedLeftAloneAndNotCounted) {
    ASSERT_TRUE(makeDirectory(dayFile(1)).ok());  // the win file's name is taken by a folder
    writeViewer(1, 1, {viewerLine(1, 1, "01061000", 1)});
    writeViewer(1, 2, {viewerLine(2, 1, "01061000", 2)});
    writeViewer(2, 2, {viewerLine(2, 2, "01061030", 3)});
    const TimeSeriesImportResult result = importTimeSeriesOdds(viewer, data, races);
    EXPECT_EQ(result.winPlaceRaces, 0);
    EXPECT_EQ(result.quinellaRaces, 2);
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_NE(result.problems[0].find(dayFile(1)), std::string::npos) << result.problems[0];
    EXPECT_TRUE(directoryExists(dayFile(1)));

    // No data folder: nothing can be saved, nothing is counted.
    std::filesystem::remove_all(data);
    const TimeSeriesImportResult unsaved = importTimeSeriesOdds(viewer, data, races);
    EXPECT_EQ(unsaved.winPlaceRaces, 0);
    EXPECT_EQ(unsaved.quinellaRaces, 0);
    EXPECT_EQ(unsaved.problems.size(), 2u);
}

TEST_F(TimeSeriesImportFiles, NoViewerFilesChangeNothing) {
    const TimeSeriesImportResult result = importTimeSeriesOdds(viewer, data, races);
    EXPECT_EQ(result.winPlaceRaces, 0);
    EXPECT_EQ(result.quinellaRaces, 0);
    EXPECT_TRUE(result.problems.empty());
    EXPECT_TRUE(std::filesystem::is_empty(data));
}

TEST(TimeSeriesImport, ClosingMessage) {
    EXPECT_EQ(timeSeriesImportMessage(24, 23), "24ﾚｰｽ分の単複枠ｵｯｽﾞ\n23ﾚｰｽ分の馬連ｵｯｽﾞ\nを取りこみました。");
}

}  // namespace
}  // namespace marovix::time_series_import_test
