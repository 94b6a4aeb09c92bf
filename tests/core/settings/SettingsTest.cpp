#include "core/settings/Settings.h"

#include <gtest/gtest.h>

#include "core/common/TextFile.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FileModes.h"
#include "tests/support/TempFolder.h"

namespace marovix::settings_test {
namespace {

class SettingsTest : public ::testing::Test {
protected:
    TempFolder folder;
    FakeClock clock{DateTime{2024, 6, 15, 12, 34, 56}};
    Settings store{folder.path(), nativePath("/win"), clock};
};

TEST_F(SettingsTest, LivesInMarovixIniOfTheApplicationFolder) {
    EXPECT_EQ(store.filePath(), folder.file("Marovix.ini"));
}

TEST_F(SettingsTest, AFreshFileReadsEveryDefaultIncludingThoseOfTheRun) {
    using namespace settings;
    for (const SettingKey* row : allKeys()) {
        switch (row->type) {
            case SettingType::Bool: EXPECT_EQ(store.readBool(*row), row->number != 0) << row->key; break;
            case SettingType::Integer: EXPECT_EQ(store.readInt(*row), row->number) << row->key; break;
            case SettingType::Text: EXPECT_EQ(store.readText(*row), store.defaultText(*row)) << row->key; break;
        }
    }
    EXPECT_EQ(store.readText(InfoSettingsOzAlarm), nativePath("/win/Media/Ring08.wav"));
    EXPECT_EQ(store.readText(InfoSettingsTohyoAlarm), nativePath("/win/Media/Alarm05.wav"));
    EXPECT_EQ(store.readText(JvDataGetLastTime), "2023/06/16 12:34:56");  // 365 days across 29 February
    EXPECT_EQ(store.readText(DirLumidex), folder.path());
    EXPECT_EQ(store.readText(OzSpanSRToz1B), "9999999.9");
    EXPECT_EQ(store.readStoredText(DirLumidex), "");
    EXPECT_EQ(store.readStoredText(JvDataGetLastTime), "");
    EXPECT_FALSE(fileExists(store.filePath()));
}

TEST_F(SettingsTest, EveryRowKeepsWhatWasWritten) {
    using namespace settings;
    for (const SettingKey* row : allKeys()) {
        switch (row->type) {
            case SettingType::Bool: ASSERT_TRUE(store.writeBool(*row, row->number == 0).ok()); break;
            case SettingType::Integer: ASSERT_TRUE(store.writeInt(*row, row->number + 7).ok()); break;
            case SettingType::Text: ASSERT_TRUE(store.writeText(*row, "値 " + std::string(row->key)).ok()); break;
        }
    }
    Settings again(folder.path(), "/elsewhere", clock);
    for (const SettingKey* row : allKeys()) {
        switch (row->type) {
            case SettingType::Bool: EXPECT_EQ(again.readBool(*row), row->number == 0) << row->key; break;
            case SettingType::Integer: EXPECT_EQ(again.readInt(*row), row->number + 7) << row->key; break;
            case SettingType::Text: EXPECT_EQ(again.readText(*row), "値 " + std::string(row->key)) << row->key; break;
        }
    }
    EXPECT_EQ(again.readStoredText(JvDataGetLastTime), "値 LastTime");
}

TEST_F(SettingsTest, AWriteThatCannotBeDoneReportsTheFile) {
    ASSERT_TRUE(store.writeInt(settings::LocateTop, 20).ok());
    ASSERT_TRUE(makeReadOnly(store.filePath()));
    Status status = store.writeInt(settings::LocateTop, 30);
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error(), store.filePath() + " に書き込めません");
    EXPECT_EQ(store.readInt(settings::LocateTop), 20);
}

// Values of all six lists, in reading order, as one row for comparison.
std::vector<std::int32_t> flatten(const std::array<std::vector<std::int32_t>, settings::RaceFilterListCount>& lists) {
    std::vector<std::int32_t> out;
    for (const auto& list : lists) out.insert(out.end(), list.begin(), list.end());
    return out;
}

TEST_F(SettingsTest, RaceFilterItemsDefaultToTheValueReadJustBefore) {
    const int total = 10 + 3 + 10 + 4 + 4 + 14;
    const struct {
        std::vector<std::string> lines;
        std::vector<std::int32_t> expected;  // by position in reading order
    } cases[] = {
        // Fresh file: Sel reads 1, so every item starts selected.
        {{}, std::vector<std::int32_t>(total, 1)},
        // Sel 3: the chain carries 3 (an item neither selected nor cleared).
        {{"[NaviQuit]", "Sel=3"}, std::vector<std::int32_t>(total, 3)},
        // bashoList "03" = 0 clears the rest of that list and every later list, until TrackList
        // "01" = 1; ClassList starts from TrackList's last item.
        {{"[bashoList]", "03=0", "[TrackList]", "01=1"},
         [] {
             std::vector<std::int32_t> v(total, 1);
             for (int i = 3; i < 11; ++i) v[i] = 0;
             return v;
         }()},
        // A value that does not parse takes the default, which is the value before it.
        {{"[bashoList]", "00=0", "01=x", "[TosuList]", "13=1"},
         [] {
             std::vector<std::int32_t> v(total, 0);
             v[total - 1] = 1;
             return v;
         }()},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(writeTextLines(store.filePath(), c.lines).ok());
        EXPECT_EQ(flatten(store.readRaceFilterLists()), c.expected);
    }
}

TEST_F(SettingsTest, AListIsWrittenWholeAndReadBack) {
    const std::int32_t track[] = {0, 1, 0};
    ASSERT_TRUE(store.writeList(settings::TrackList, track).ok());
    EXPECT_EQ(store.readList(settings::TrackList, 1), (std::vector<std::int32_t>{0, 1, 0}));
    EXPECT_EQ(*readFileBytes(store.filePath()), "[TrackList]\r\n00=0\r\n01=1\r\n02=0\r\n");
    EXPECT_EQ(store.readList(settings::AgeList, 2), (std::vector<std::int32_t>{2, 2, 2, 2}));
}

TEST_F(SettingsTest, ASnapshotReadsTheFileOnceAndKeepsWhatItRead) {
    using namespace settings;
    ASSERT_TRUE(store.writeInt(KaimeSetDefaultAmount[0], 1200).ok());
    ASSERT_TRUE(store.writeText(OriginalSisu1, "Mine").ok());
    const std::uint64_t before = store.fileReads();
    const SettingsSnapshot snapshot = store.snapshot();
    EXPECT_EQ(store.fileReads(), before + 1);
    // Written after the snapshot was taken: the snapshot keeps the value of its moment, a new read sees it.
    ASSERT_TRUE(store.writeInt(KaimeSetDefaultAmount[0], 5000).ok());
    EXPECT_EQ(snapshot.readInt(KaimeSetDefaultAmount[0]), 1200);
    EXPECT_EQ(snapshot.readText(OriginalSisu1), "Mine");
    EXPECT_EQ(snapshot.readText(OriginalSisu2), "SisuB");
    EXPECT_EQ(snapshot.readText(DirLumidex), folder.path());
    EXPECT_EQ(snapshot.readStoredText(DirLumidex), "");
    EXPECT_FALSE(snapshot.readBool(BuyBaken[0]));
    EXPECT_EQ(store.fileReads(), before + 1);  // the snapshot's reads are answered from memory
    EXPECT_EQ(store.readInt(KaimeSetDefaultAmount[0]), 5000);
    EXPECT_EQ(store.fileReads(), before + 2);
    EXPECT_EQ(store.snapshot().readInt(KaimeSetDefaultAmount[0]), 5000);
}

}  // namespace
}  // namespace marovix::settings_test
