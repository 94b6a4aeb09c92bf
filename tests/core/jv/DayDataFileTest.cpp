#include "core/jv/DayDataFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/common/TextFile.h"
#include "core/race/JvRecord.h"
#include "tests/support/DownloadRecords.h"
#include "tests/support/TempFolder.h"

namespace marovix::day_data_file_test {
namespace {

std::string line(const std::string& record) { return recordLine(record); }

std::vector<std::string> linesOf(const std::string& path) {
    auto lines = readRawLines(path);
    EXPECT_TRUE(lines.ok()) << (lines.ok() ? "" : lines.error());
    return lines.ok() ? *lines : std::vector<std::string>{};
}

TEST(UpsertRecordLine, ReplacesTheLineOfTheSameKeyAndKeepsByteOrder) {
    const std::string race2 = line(raRecord({"20240106", "06", 2}, 16, '2', "旧"));
    const std::string race1 = line(raRecord({"20240106", "06", 1}));
    const std::string race2new = line(raRecord({"20240106", "06", 2}, 16, '2', "新"));
    const std::string kyoto = line(raRecord({"20240106", "08", 1}));
    std::vector<std::string> lines;
    for (const auto& l : {race2, kyoto, race1, race2new}) upsertRecordLine(lines, l, true);
    EXPECT_EQ(lines, (std::vector<std::string>{race1, race2new, kyoto}));
}

TEST(UpsertRecordLine, DropsOnlyAnEmptyFirstLineAndOnlyWhenAsked) {
    const std::string race = line(raRecord({}));
    for (const std::string& empty : {std::string(), std::string("   "), std::string(" \t ")}) {
        std::vector<std::string> kept{empty, empty};
        upsertRecordLine(kept, race, false);
        EXPECT_EQ(kept, (std::vector<std::string>{empty, empty, race}));
        std::vector<std::string> dropped{empty, empty};
        upsertRecordLine(dropped, race, true);
        EXPECT_EQ(dropped, (std::vector<std::string>{empty, race})) << "only the first line goes";
    }
}

TEST(UpsertRecordLine, KeepsLinesThatAreNoRecords) {
    const std::string race = line(raRecord({}));
    std::vector<std::string> lines{"damaged", race.substr(0, 20)};
    upsertRecordLine(lines, race, true);
    EXPECT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], race.substr(0, 20));  // a cut key matches nothing; "RA2..." sorts before "damaged"
    EXPECT_EQ(lines[1], race);
    EXPECT_EQ(lines[2], "damaged");
}

TEST(ZeroDataKind, OverwritesPositions3To11) {
    std::string l = line(raRecord({}));
    zeroDataKind(l);
    EXPECT_EQ(fieldText(l, 1, 12), "RA0000000002");
    std::string shortLine = "RA";
    zeroDataKind(shortLine);
    EXPECT_EQ(shortLine, "RA000000000");
}

TEST(RunnerLineIndex, TwelveRacesOfEighteenHorses) {
    struct Case {
        int race, horse;
        std::optional<int> index;
    };
    const Case cases[] = {{1, 1, 0},
                          {1, 18, 17},
                          {2, 1, 18},
                          {12, 18, 215},
                          {0, 1, std::nullopt},
                          {13, 1, std::nullopt},
                          {1, 0, std::nullopt},
                          {1, 19, std::nullopt}};
    for (const auto& c : cases) EXPECT_EQ(runnerLineIndex(c.race, c.horse), c.index) << c.race << "/" << c.horse;
    EXPECT_EQ(runnerLineIndex(seRecord({"20240106", "06", 12}, 18)), 215);
}

class DayFileTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::string path = folder.file("2024年01月06日.jvRA");
};

TEST_F(DayFileTest, StoreRecordLineCreatesUpdatesAndWritesCrLf) {
    const std::string first = raRecord({"20240106", "06", 2}, 16, '2', "一");
    ASSERT_TRUE(StoreRecordLine(path, first, true).ok());
    EXPECT_EQ(*readFileBytes(path), first);  // one line: the record itself with its CR LF
    const std::string again = raRecord({"20240106", "06", 2}, 16, '2', "二");
    const std::string other = raRecord({"20240106", "06", 1});
    ASSERT_TRUE(StoreRecordLine(path, again, true).ok());
    ASSERT_TRUE(StoreRecordLine(path, other, true).ok());
    EXPECT_EQ(*readFileBytes(path), other + again);
}

TEST_F(DayFileTest, StoreRecordLineFailsWithoutTouchingTheFile) {
    ASSERT_TRUE(writeRawLines(folder.file("Data"), {"a file where the folder belongs"}).ok());
    Status status = StoreRecordLine(folder.file("Data/2024年01月06日.jvRA"), raRecord({}), true);
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.error().find("2024年01月06日.jvRA"), std::string::npos) << status.error();
}

TEST_F(DayFileTest, RunnerFileIsCreatedWith216BlankLinesAndFilledAtItsLine) {
    const std::string runners = folder.file("2024年01月06日中山.jvSEr");
    const std::string se = seRecord({"20240106", "06", 12}, 18);
    ASSERT_TRUE(StoreRunnerLine(runners, se).ok());
    auto lines = linesOf(runners);
    ASSERT_EQ(lines.size(), 216u);
    for (int i = 0; i < 215; ++i) ASSERT_EQ(lines[i], std::string(553, ' ')) << i;
    EXPECT_EQ(lines[215], line(se));
    EXPECT_EQ(readFileBytes(runners)->size(), 216u * 555u);
}

TEST_F(DayFileTest, RunnerFileOfTheWrongShapeKeepsEveryLine) {
    const std::string runners = folder.file("2024年01月06日中山.jvSEr");
    // Three lines only, one of them of the wrong length: the file is filled up to 216 lines and the
    // damaged line stays where it is.
    ASSERT_TRUE(writeRawLines(runners, {std::string(553, ' '), "short", std::string(553, ' ')}).ok());
    ASSERT_TRUE(StoreRunnerLine(runners, seRecord({"20240106", "06", 1}, 3)).ok());
    auto lines = linesOf(runners);
    ASSERT_EQ(lines.size(), 216u);
    EXPECT_EQ(lines[1], "short");
    EXPECT_EQ(lines[2], line(seRecord({"20240106", "06", 1}, 3)));
    // A longer file keeps its extra lines.
    std::vector<std::string> long_(220, std::string(553, ' '));
    long_[219] = "extra";
    ASSERT_TRUE(writeRawLines(runners, long_).ok());
    ASSERT_TRUE(StoreRunnerLine(runners, seRecord({"20240106", "06", 1}, 1)).ok());
    lines = linesOf(runners);
    ASSERT_EQ(lines.size(), 220u);
    EXPECT_EQ(lines[219], "extra");
}

TEST_F(DayFileTest, RunnerRecordWithoutALineIsRefused) {
    const std::string runners = folder.file("2024年01月06日中山.jvSEr");
    EXPECT_FALSE(StoreRunnerLine(runners, seRecord({"20240106", "06", 13}, 1)).ok());
    EXPECT_FALSE(fileExists(runners));
}

}  // namespace
}  // namespace marovix::day_data_file_test
