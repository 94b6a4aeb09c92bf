#include "core/vote/VoteFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/common/TextFile.h"
#include "core/race/RecordKeys.h"
#include "core/vote/VoteLine.h"
#include "tests/support/DownloadRecords.h"
#include "tests/support/TempFolder.h"

namespace marovix::vote_file_test {
namespace {

std::string raceKey(int race, std::string date = "20250301") {
    return std::string(RaceKey16(raRecord(RaceId{date, "06", race})));
}

TEST(VoteFile, NameComesFromTheRaceDate) {
    EXPECT_EQ(VoteFileName(raceKey(11)), "250301.csv");
    EXPECT_EQ(VoteFileName(raceKey(1, "20240526")), "240526.csv");
    EXPECT_EQ(VoteFilePath("/opt/plug in", raceKey(11)), "/opt/plug in" + nativePath("/kaime/250301.csv"));
}

TEST(VoteFile, WritesCrLfLinesIntoKaimeOfAFolderWithBlanks) {
    TempFolder temp;
    const std::string plugin = temp.file("VQM plug in");
    ASSERT_TRUE(makeDirectory(plugin).ok());
    ASSERT_TRUE(makeDirectory(plugin + "/kaime").ok());
    auto lines = VoteLines(raceKey(11), {{"３連単", " 3-11- 7", "   100"}, {"枠連", " 1- 8", "  200"}});
    ASSERT_TRUE(lines.ok());

    auto path = WriteVoteFile(plugin, raceKey(11), *lines);
    ASSERT_TRUE(path.ok()) << path.error();
    EXPECT_EQ(*path, plugin + nativePath("/kaime/250301.csv"));
    EXPECT_EQ(*readFileBytes(*path),
              "20250301,06,11,SANTAN,NORMAL,100,03-11-07,\r\n20250301,06,11,WAKU,NORMAL,200,1-8,\r\n");
}

TEST(VoteFile, ASecondRaceOfTheDayReplacesTheFile) {
    TempFolder plugin;
    ASSERT_TRUE(makeDirectory(plugin.file("kaime")).ok());
    ASSERT_TRUE(WriteVoteFile(plugin.path(), raceKey(3), {"a,", "b,"}).ok());
    auto second = WriteVoteFile(plugin.path(), raceKey(11), {"c,"});
    ASSERT_TRUE(second.ok());
    EXPECT_EQ(*readFileBytes(*second), "c,\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(plugin.file("kaime")), {}), 1);
}

TEST(VoteFile, MissingKaimeFolderIsAnErrorAndIsNotCreated) {
    TempFolder plugin;
    auto path = WriteVoteFile(plugin.path(), raceKey(11), {"x,"});
    ASSERT_FALSE(path.ok());
    EXPECT_NE(path.error().find(nativePath("kaime/250301.csv")), std::string::npos) << path.error();
    EXPECT_FALSE(directoryExists(plugin.file("kaime")));
    EXPECT_TRUE(std::filesystem::is_empty(plugin.path()));
}

TEST(VoteFile, BadRaceKeyWritesNothing) {
    TempFolder plugin;
    ASSERT_TRUE(makeDirectory(plugin.file("kaime")).ok());
    EXPECT_FALSE(WriteVoteFile(plugin.path(), "2025", {"x,"}).ok());
    EXPECT_TRUE(std::filesystem::is_empty(plugin.file("kaime")));
}

}  // namespace
}  // namespace marovix::vote_file_test
