// The verification over the work file: the lists filter the records, the grid lists them from the last to
// the first, and the data count, hit rate and return rate are summed from the records with selections.
#include <gtest/gtest.h>

#include "core/common/TextFile.h"
#include "core/race/RecordFields.h"
#include "core/strategy/KenshoModel.h"
#include "standins/records/RecordBuilder.h"
#include "tests/support/TempFolder.h"

namespace marovix::kensho_model_test {
namespace {

struct Race {
    int raceNumber;
    int track;
    RaceFigures figures;
};

std::string line(const Race& race) {
    RecordBuilder ra("RA");
    ra.field(RaField::raceKey16,
             "20250301050203" + std::string(race.raceNumber < 10 ? "0" : "") + std::to_string(race.raceNumber))
        .field(RaField::raceShortName3, "　　　")
        .field(RaField::gradeCode, " ")
        .field(RaField::raceTypeCode, "13")
        .field(RaField::weightRuleCode, "3")
        .field(RaField::youngestConditionCode, "005")
        .number(RaField::distance, 1600)
        .number(RaField::trackCode, race.track)
        .number(RaField::registeredRunners, 16)
        .field(RaField::turfGoingCode, "1")
        .field(RaField::dirtGoingCode, "3");
    return simulationLine(ra.line(), race.figures);
}

class KenshoModelTest : public ::testing::Test {
protected:
    void write(const std::vector<Race>& races) {
        std::vector<std::string> lines;
        for (const Race& race : races) lines.push_back(line(race));
        ASSERT_TRUE(replaceFile(path, simulationFileBytes(lines)).ok());
    }
    static std::string trimmed(const std::string& text) {
        const auto first = text.find_first_not_of(' ');
        return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(' ') - first + 1);
    }
    std::string rates() const {
        return trimmed(model.dataSuLabel()) + " " + trimmed(model.tekichuRLabel()) + " " +
               trimmed(model.kaishuRLabel());
    }

    TempFolder folder;
    std::string path = folder.file("tmpData.dat");
    KenshoModel model{path};
};

TEST_F(KenshoModelTest, OneRecordOfStake1000AndReturn2500Gives1And100And250) {
    write({{1, 17, {4, 1000, 2500}}});
    model.ReadDataBtnClick();
    EXPECT_EQ(model.dataSuLabel(), "         1");
    EXPECT_EQ(model.tekichuRLabel(), "     100.0");
    EXPECT_EQ(model.kaishuRLabel(), "     250.0");
    EXPECT_TRUE(model.readDataEnabled());
    EXPECT_TRUE(model.notice().empty());
}

TEST_F(KenshoModelTest, AZeroReturnCountsInTheDataCountAndTheReturnRateButIsNoHit) {
    write({{1, 17, {4, 1000, 2500}}, {2, 17, {2, 1000, 0}}, {3, 17, {1, 2000, 500}}});
    model.ReadDataBtnClick();
    EXPECT_EQ(rates(), "3 66.7 75.0");
}

TEST_F(KenshoModelTest, StakesSummingToZeroShowTheReturnRateAsADash) {
    write({{1, 17, {3, 0, 0}}});
    model.ReadDataBtnClick();
    EXPECT_EQ(rates(), "1 0.0 -");
}

TEST_F(KenshoModelTest, TheGridListsTheRecordsFromTheLastToTheFirst) {
    write({{1, 17, {4, 1000, 2500}}, {2, 24, {2, 600, 0}}, {3, 54, {1, 200, 0}}});
    model.ReadDataBtnClick();
    const TextGrid& grid = model.grid();
    ASSERT_EQ(grid.rowCount(), 4);
    EXPECT_EQ(grid.cell(static_cast<int>(KenshoColumn::Race), 1), " 3");
    EXPECT_EQ(grid.cell(static_cast<int>(KenshoColumn::Race), 3), " 1");
    const std::vector<std::string> first = {"2025",   " 3", " 1",   "東京",       " 2",        " 3",   " 1",
                                            "　　　", "16", "　 ",  "サラ３上",   "1勝ｸﾗｽ",    "馬齢", "芝",
                                            "1600",   "良", "   4", "      1000", "      2500"};
    for (int c = 0; c < kKenshoColumnCount; ++c)
        EXPECT_EQ(grid.cell(c, 3), first[static_cast<std::size_t>(c)]) << kenshoHeading(static_cast<KenshoColumn>(c));
    // The dirt race shows the dirt going, the jump race none.
    EXPECT_EQ(grid.cell(static_cast<int>(KenshoColumn::Track), 2), "ダ");
    EXPECT_EQ(grid.cell(static_cast<int>(KenshoColumn::Going), 2), "重");
    EXPECT_EQ(grid.cell(static_cast<int>(KenshoColumn::Going), 1), "");
    // The chart's sums run from the first record on.
    const std::vector<CumulativePoint> sums = model.cumulative();
    ASSERT_EQ(sums.size(), 3u);
    EXPECT_EQ(sums[0].stake, 1000);
    EXPECT_EQ(sums[2].stake, 1800);
    EXPECT_EQ(sums[2].returns, 2500);
}

TEST_F(KenshoModelTest, TurfKeepsTrackCodes10To22) {
    std::vector<Race> races;
    const int tracks[] = {9, 10, 17, 22, 23, 29, 51, 59};
    for (int i = 0; i < 8; ++i) races.push_back({i + 1, tracks[i], {1, 100, 0}});
    write(races);
    model.filter().select(AttributeList::Track, 0, true);
    model.ReadDataBtnClick();
    std::vector<int> kept;
    for (const SimulationRecord& record : model.passing()) kept.push_back(record.number(SimField::trackCode));
    EXPECT_EQ(kept, (std::vector<int>{22, 17, 10}));
    EXPECT_EQ(rates(), "3 0.0 0.0");
}

TEST_F(KenshoModelTest, WithoutTheWorkFileTheLabelsStayEmptyAndTheGridAsItWas) {
    write({{1, 17, {4, 1000, 2500}}});
    model.ReadDataBtnClick();
    ASSERT_TRUE(std::remove(path.c_str()) == 0);
    const TextGrid before = model.grid();
    model.ReadDataBtnClick();
    EXPECT_EQ(rates(), "  ");
    EXPECT_EQ(model.grid(), before);
    // A simulation's preparation empties the grid and the lists.
    model.filter().select(AttributeList::Basho, 2, true);
    model.filter().setDistanceRange(1200, 1400);
    model.prepareForSimulation();
    EXPECT_EQ(model.grid().rowCount(), 2);
    EXPECT_EQ(model.grid().cell(0, 1), "");
    EXPECT_EQ(model.grid().cell(0, 0), "年");
    EXPECT_FALSE(model.filter().anySelected(AttributeList::Basho));
    EXPECT_EQ(model.filter().distanceFrom(), 1000);
    EXPECT_EQ(model.filter().distanceTo(), 5000);
}

TEST_F(KenshoModelTest, AShortLastRecordIsLeftOutAndTold) {
    write({{1, 17, {4, 1000, 2500}}});
    std::string bytes = *readFileBytes(path);
    ASSERT_TRUE(replaceFile(path, bytes + bytes.substr(0, 40)).ok());
    model.ReadDataBtnClick();
    EXPECT_EQ(rates(), "1 100.0 250.0");
    EXPECT_NE(model.notice().find("40バイト"), std::string::npos) << model.notice();
}

TEST_F(KenshoModelTest, ARecordWithoutSelectionsIsListedButNotCounted) {
    write({{1, 17, {0, 0, 0}}, {2, 17, {2, 400, 800}}});
    model.ReadDataBtnClick();
    EXPECT_EQ(model.passing().size(), 2u);
    EXPECT_EQ(rates(), "1 100.0 200.0");
}

}  // namespace
}  // namespace marovix::kensho_model_test
