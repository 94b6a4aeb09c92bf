// Applying the change files to the loaded day: weather and going by the order rules, scratches matched by
// course, race and horse, post times written into the race file, the processed-up-to marks, the timer's
// window.
#include "core/jv/ChangeInfo.h"

#include <gtest/gtest.h>

#include "core/common/SystemFiles.h"
#include "core/common/TextFile.h"
#include "core/jv/DayDataFile.h"
#include "core/race/JvRecord.h"
#include "core/race/KeibaFunc.h"
#include "core/race/RecordFields.h"
#include "tests/support/ChangeRecords.h"
#include "tests/support/DownloadRecords.h"
#include "tests/support/TempFolder.h"

namespace marovix::change_info_test {
namespace {

const std::string kDate = "20240106";
const std::string kDayText = "2024年01月06日";
const RaceId kTokyo3{kDate, "05", 3};
const RaceId kNakayama3{kDate, "06", 3};
const RaceId kNakayama11{kDate, "06", 11};

std::string withPostTime(const std::string& ra, const std::string& hhmm) {
    return PutTextAt(ra, hhmm, RaField::postTime.position);
}

std::vector<std::string> lines(const std::vector<std::string>& records) {
    std::vector<std::string> out;
    for (const std::string& r : records) out.push_back(recordLine(r));
    return out;
}

class ChangeInfoTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::string data = folder.file("Data");
    std::string chg = folder.file("CHG");
    RaceDay day;
    std::vector<RaceId> races;

    void SetUp() override {
        ASSERT_TRUE(makeDirectory(data).ok());
        ASSERT_TRUE(makeDirectory(chg).ok());
        day.clear();
        day.files = DayFiles::of(data, kDayText);
    }

    // The day's races in slot order, each with `runners` runners and post time 15:40, in memory and in the
    // race file.
    void loadRaces(const std::vector<RaceId>& ids, int runners = 10) {
        races = ids;
        std::vector<std::string> raLines;
        for (std::size_t slot = 0; slot < ids.size(); ++slot) {
            day.races[slot] = withPostTime(raRecord(ids[slot], runners), "1540");
            raLines.push_back(recordLine(day.races[slot]));
            for (int horse = 1; horse <= runners; ++horse)
                day.runners[slot][static_cast<std::size_t>(horse - 1)] = seRecord(ids[slot], horse);
        }
        ASSERT_TRUE(writeRawLines(day.files.race, raLines).ok());
    }
    void writeChanges(const std::string& extension, const std::vector<std::string>& records) {
        ASSERT_TRUE(writeRawLines(changeFilePath(chg, kDayText, extension), lines(records)).ok());
    }
    std::string going(RaceSlot slot) const { return day.work[slot].TurfGoingCode + day.work[slot].DirtGoingCode; }
};

TEST_F(ChangeInfoTest, TheLatestGoingAnnouncementWinsWhateverTheOrderAndAnInitialStateDoesNotOverrideIt) {
    const std::string early = weRecord(kDate, "06", "01061005", 3, 1, 2, 2);
    const std::string late = weRecord(kDate, "06", "01061240", 3, 1, 3, 3);
    const std::string initial = weRecord(kDate, "06", "01060800", 1, 2, 1, 1);
    for (const auto& order : {std::vector{early, late, initial}, std::vector{late, early, initial}}) {
        const CourseConditionTable c = weatherAndGoing(lines(order));
        EXPECT_EQ(c[6].turfGoing + c[6].dirtGoing, "33");
        EXPECT_EQ(c[6].goingTime, "1240");
        EXPECT_EQ(c[6].weather, "2");  // the weather had no announcement: the initial state gives it
    }
}

TEST_F(ChangeInfoTest, AWeatherAnnouncementChangesOnlyTheWeatherAndAGoingAnnouncementOnlyTheGoing) {
    loadRaces({kNakayama3, kTokyo3});
    writeChanges(".WE", {weRecord(kDate, "06", "01060800", 1, 1, 1, 1), weRecord(kDate, "06", "01061100", 2, 3, 4, 4),
                         weRecord(kDate, "05", "01060800", 1, 1, 1, 2), weRecord(kDate, "05", "01061300", 3, 5, 2, 3)});
    const ChangeApplication applied = ApplyChangeInfo(day, chg);
    EXPECT_TRUE(applied.weatherApplied);
    EXPECT_EQ(day.work[0].WeatherCode, "3");
    EXPECT_EQ(going(0), "11");
    EXPECT_EQ(day.work[1].WeatherCode, "1");
    EXPECT_EQ(going(1), "23");
}

TEST_F(ChangeInfoTest, AScratchMarksOnlyItsHorseOfItsRace) {
    loadRaces({kNakayama3, kTokyo3, kNakayama11});
    writeChanges(".AV", {avRecord(kTokyo3, 7, "01060930")});
    const ChangeApplication applied = ApplyChangeInfo(day, chg);
    EXPECT_EQ(applied.scratchesApplied, 1);
    for (RaceSlot slot = 0; slot < 3; ++slot)
        for (int horse = 1; horse <= 18; ++horse)
            EXPECT_EQ(day.work[slot].Scratched[horse], slot == 1 && horse == 7) << slot << " " << horse;
    // A second apply keeps the mark (marks are never cleared).
    ApplyChangeInfo(day, chg);
    EXPECT_TRUE(day.work[1].Scratched[7]);
}

TEST_F(ChangeInfoTest, FortyScratchesAreAllApplied) {
    std::vector<RaceId> ids;
    for (int race = 1; race <= 4; ++race) ids.push_back({kDate, "05", race});
    loadRaces(ids, 10);
    std::vector<std::string> records;
    for (const RaceId& id : ids)
        for (int horse = 1; horse <= 10; ++horse) records.push_back(avRecord(id, horse, "01060930"));
    writeChanges(".AV", records);
    EXPECT_EQ(ApplyChangeInfo(day, chg).scratchesApplied, 40);
    for (RaceSlot slot = 0; slot < 4; ++slot)
        for (int horse = 1; horse <= 10; ++horse) EXPECT_TRUE(day.work[slot].Scratched[horse]) << slot << " " << horse;
}

TEST_F(ChangeInfoTest, APostTimeChangeRewritesTheRaceFileAndThePostTimeOfItsSlotOnly) {
    loadRaces({kNakayama3, kNakayama11, kTokyo3});
    writeChanges(".TC", {tcRecord(kNakayama11, 1550, "01061200")});
    const ChangeApplication applied = ApplyChangeInfo(day, chg);
    EXPECT_TRUE(applied.postTimesApplied);
    EXPECT_EQ(applied.postTimesMoved, std::vector<RaceSlot>{1});
    EXPECT_TRUE(applied.problems.empty());
    EXPECT_EQ(fieldText(day.race(1), RaField::postTime), "1550");
    EXPECT_EQ(fieldText(day.race(0), RaField::postTime), "1540");
    auto ra = readRawLines(day.files.race);
    ASSERT_TRUE(ra.ok());
    ASSERT_EQ(ra->size(), 3u);
    EXPECT_EQ(fieldText((*ra)[1], RaField::postTime), "1550");
    EXPECT_EQ(fieldText((*ra)[2], RaField::postTime), "1540");
    EXPECT_EQ((*ra)[1].size(), recordLine(day.race(1)).size());
}

TEST_F(ChangeInfoTest, FortyPostTimeChangesAreAllApplied) {
    std::vector<RaceId> ids;
    for (int course = 1; course <= 3; ++course)
        for (int race = 1; race <= 12; ++race) ids.push_back({kDate, "0" + std::to_string(course), race});
    loadRaces(ids, 1);
    // Four changes of races of another course come first: the last of the forty still count.
    std::vector<std::string> records;
    for (int race = 1; race <= 4; ++race) records.push_back(tcRecord({kDate, "04", race}, 1600, "01061001"));
    for (const RaceId& id : ids) records.push_back(tcRecord(id, 1500, "01061000"));
    writeChanges(".TC", records);
    EXPECT_EQ(ApplyChangeInfo(day, chg).postTimesMoved.size(), 36u);
    EXPECT_EQ(fieldText(day.race(35), RaField::postTime), "1500");
}

TEST_F(ChangeInfoTest, ABlankOrZeroTimeGoesIntoTheFileButNotIntoMemoryAndABrokenOneIsPassedOver) {
    loadRaces({kNakayama3, kNakayama11});
    writeChanges(".TC", {tcRecord(kNakayama3, 0, "01061200"),
                         PutTextAt(tcRecord(kNakayama11, 1550, "01061200"), "1x50", TcField::newPostTime.position)});
    const ChangeApplication applied = ApplyChangeInfo(day, chg);
    EXPECT_TRUE(applied.postTimesMoved.empty());
    ASSERT_EQ(applied.problems.size(), 1u);
    EXPECT_NE(applied.problems.front().find("発走時刻変更の時刻が不正です(\"1x50\")"), std::string::npos);
    auto ra = readRawLines(day.files.race);
    ASSERT_TRUE(ra.ok());
    EXPECT_EQ(fieldText((*ra)[0], RaField::postTime), "0000");
    EXPECT_EQ(fieldText((*ra)[1], RaField::postTime), "1540");
    EXPECT_EQ(fieldText(day.race(0), RaField::postTime), "1540");
}

TEST_F(ChangeInfoTest, WithoutTheRaceFileAPostTimeChangeIsPassedOver) {
    loadRaces({kNakayama11});
    ASSERT_TRUE(removeFile(day.files.race).ok());
    writeChanges(".TC", {tcRecord(kNakayama11, 1550, "01061200")});
    const ChangeApplication applied = ApplyChangeInfo(day, chg);
    EXPECT_FALSE(applied.postTimesApplied);
    EXPECT_EQ(fieldText(day.race(0), RaField::postTime), "1540");
    EXPECT_FALSE(fileExists(day.files.race));
}

TEST_F(ChangeInfoTest, RecordsUpToTheMarksOfAFiveLineNewFileCountAsProcessed) {
    loadRaces({kTokyo3, kNakayama11});
    writeChanges(".AV", {avRecord(kTokyo3, 1, "01060930"), avRecord(kTokyo3, 2, "01061000")});
    writeChanges(".TC", {tcRecord(kNakayama11, 1550, "01061100")});
    const std::string marks = changeFilePath(chg, kDayText, ".NEW");
    ASSERT_TRUE(writeRawLines(marks, {"AV", "01060930", "TC", "01061100", ""}).ok());
    const ChangeApplication applied = ApplyChangeInfo(day, chg);
    EXPECT_FALSE(day.work[0].Scratched[1]);
    EXPECT_TRUE(day.work[0].Scratched[2]);
    EXPECT_TRUE(applied.postTimesMoved.empty());
    // A file of another length holds no marks.
    ASSERT_TRUE(writeRawLines(marks, {"AV", "01060930", "TC", "01061100"}).ok());
    EXPECT_EQ(readChangeMarks(chg, kDayText).scratches, "");
    ApplyChangeInfo(day, chg);
    EXPECT_TRUE(day.work[0].Scratched[1]);
    EXPECT_EQ(fieldText(day.race(1), RaField::postTime), "1550");
}

TEST_F(ChangeInfoTest, WithoutChangeFilesNothingChanges) {
    loadRaces({kTokyo3});
    day.work[0].WeatherCode = "1";
    const RaceDay before = day;
    const ChangeApplication applied = ApplyChangeInfo(day, chg);
    EXPECT_FALSE(applied.weatherApplied);
    EXPECT_FALSE(applied.postTimesApplied);
    EXPECT_EQ(day.work, before.work);
    EXPECT_EQ(day.races, before.races);
}

TEST(HenkoTimer, FetchesFromHalfPastEightToFiveOClock) {
    const std::pair<const char*, bool> cases[] = {{"0829", false}, {"0830", true},  {"1200", true},
                                                  {"1700", true},  {"1701", false}, {"2359", false}};
    for (const auto& [hhnn, fetches] : cases) EXPECT_EQ(henkoTimerFetches(hhnn), fetches) << hhnn;
}

}  // namespace
}  // namespace marovix::change_info_test
