// The 68-byte records of the work file: built from a race record and the figures of the shown page, read
// back by position.
#include <gtest/gtest.h>

#include "core/common/Cp932.h"
#include "core/race/RecordFields.h"
#include "core/strategy/Simulation.h"
#include "core/strategy/SimulationRecord.h"
#include "standins/records/RecordBuilder.h"

namespace marovix::simulation_record_test {
namespace {

std::string raceRecord() {
    RecordBuilder ra("RA");
    ra.field(RaField::raceKey16, "2025030105020311")
        .field(RaField::raceShortName3, "弥生賞")
        .field(RaField::gradeCode, "B")
        .field(RaField::raceSymbolCode, "N01")
        .field(RaField::raceTypeCode, "12")
        .field(RaField::weightRuleCode, "3")
        .field(RaField::youngestConditionCode, "999")
        .field(RaField::distance, "2000")
        .field(RaField::trackCode, "17")
        .field(RaField::registeredRunners, "16")
        .field(RaField::turfGoingCode, "2")
        .field(RaField::dirtGoingCode, "0");
    return ra.line();
}

TEST(SimulationRecord, ALineHoldsTheRaceFieldsAndTheFiguresAtTheirPositions) {
    const std::string line = simulationLine(raceRecord(), RaceFigures{12, 3600, 12345});
    ASSERT_EQ(line.size(), kSimulationLineBytes);
    EXPECT_EQ(line.substr(0, 42), "2025030105020311" + utf8ToCp932("弥生賞") + "BN01123999200017162" + "0");
    EXPECT_EQ(line.substr(42), "  12      3600     12345");
    const SimulationRecord record{line};
    EXPECT_EQ(record.figures(), (RaceFigures{12, 3600, 12345}));
    const RaceAttributes attributes = record.attributes();
    EXPECT_EQ(attributes.trackCode, 17);
    EXPECT_EQ(attributes.courseCode, 5);
    EXPECT_EQ(attributes.conditionCode, 999);
    EXPECT_EQ(attributes.gradeCode, "B");
    EXPECT_EQ(attributes.distance, 2000);
    EXPECT_EQ(attributes.registeredRunners, 16);
}

TEST(SimulationRecord, AShortRaceRecordIsFilledWithBlanksAndAFigureTooWideIsCapped) {
    const std::string line = simulationLine(raceRecord().substr(0, 700), RaceFigures{123456, 1, 99999999999LL});
    ASSERT_EQ(line.size(), kSimulationLineBytes);
    EXPECT_EQ(line.substr(32, 10), "200       ");  // the record ends inside the distance
    EXPECT_EQ(line.substr(42, 4), "9999");
    EXPECT_EQ(line.substr(56), "9999999999");
}

TEST(SimulationRecord, RecordsAreTakenByPositionAndAShortTailIsNoRecord) {
    const std::string a = simulationLine(raceRecord(), RaceFigures{1, 100, 0});
    const std::string b = simulationLine(raceRecord(), RaceFigures{2, 200, 500});
    std::string bytes = simulationFileBytes({a, b});
    ASSERT_EQ(bytes.size(), 2 * kSimulationRecordBytes);
    bytes += b.substr(0, 30);
    std::size_t tail = 0;
    const std::vector<SimulationRecord> records = simulationRecords(bytes, &tail);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].line, b);
    EXPECT_EQ(tail, 30u);
}

TEST(SimulationRecord, TheFiguresComeFromTheLabelsOfTheShownPage) {
    MainLabels labels;
    labels[LabelId::SoTensuLabel].text = "   7";
    labels[LabelId::SoTohyoGakuLabel].text = "    2100";
    labels[LabelId::KaishuLabel].text = "";
    labels[betLabel(BetType::UR, BetLabel::Tensu)].text = "  3";
    labels[betLabel(BetType::UR, BetLabel::Toshi)].text = "   900";
    labels[betLabel(BetType::UR, BetLabel::Kaishu)].text = "    4560";
    labels[betLabel(BetType::SRT, BetLabel::Tensu)].text = "x";
    EXPECT_EQ(pageFigures(labels, 0), (RaceFigures{7, 2100, 0}));
    EXPECT_EQ(pageFigures(labels, 4), (RaceFigures{3, 900, 4560}));
    EXPECT_EQ(pageFigures(labels, 8), (RaceFigures{0, 0, 0}));
    EXPECT_EQ(pageFigures(labels, 9), (RaceFigures{7, 2100, 0}));
}

TEST(SimulationDays, TheDaysOfTheRangeComeFromTheLastEntryToTheFirst) {
    const std::vector<std::string> list = {"2025年03月09日", "2025年03月08日", "2025年03月02日",
                                           "2025年03月01日", "2025年02月23日", "壊れた日付"};
    EXPECT_EQ(simulationDays(list, 20250301, 20250308),
              (std::vector<std::string>{"2025年03月01日", "2025年03月02日", "2025年03月08日"}));
    EXPECT_EQ(dayTextDate("2025年03月09日"), 20250309);
    EXPECT_FALSE(dayTextDate("壊れた日付"));
}

}  // namespace
}  // namespace marovix::simulation_record_test
