// The record builder's writes into named fields: the bytes land at the field's positions, are padded
// to its length, and nothing is written that does not fit the field or the record.
#include <gtest/gtest.h>

#include <stdexcept>

#include "core/race/JvRecord.h"
#include "core/race/RecordFields.h"
#include "standins/records/RecordBuilder.h"

namespace marovix::record_builder_named_field_test {

TEST(RecordBuilderNamedField, WritesLandAtTheFieldsPositionsPaddedToTheirLength) {
    RecordBuilder jc(JcField::type);
    jc.field(JcField::dayKey8, "20240106")
        .number(JcField::raceNumber, 7)
        .field(JcField::jockeyName, "テスト騎手")
        .bytes(JcField::apprenticeCode, "1")
        .bytes(JcField::previousJockeyCode, "012")
        .fill(JcField::previousCarriedWeight, '9');
    const std::string& r = jc.record();
    ASSERT_EQ(r.size(), 161u);
    EXPECT_EQ(r.substr(11, 8), "20240106");             // positions 12-19
    EXPECT_EQ(r.substr(25, 2), "07");                   // positions 26-27
    EXPECT_EQ(fieldUtf8(r, 82, 10), "テスト騎手");      // ten CP932 bytes from position 82
    EXPECT_EQ(r.substr(91, 24), std::string(24, ' '));  // the rest of the 34 bytes: blanks
    EXPECT_EQ(r.substr(115, 1), "1");                   // position 116
    EXPECT_EQ(r.substr(116, 3), "999");                 // positions 117-119
    EXPECT_EQ(r.substr(119, 5), "012  ");               // positions 120-124, padded
    EXPECT_EQ(r.substr(158, 3), " \r\n");               // position 159, then CR LF
    EXPECT_EQ(fieldNumber(r, JcField::raceNumber), 7);
}

TEST(RecordBuilderNamedField, RefusesWhatDoesNotFitTheFieldOrTheRecord) {
    RecordBuilder cc(CcField::type);
    EXPECT_THROW(cc.bytes(CcField::trackCode, "123"), std::out_of_range);
    EXPECT_THROW(cc.field(CcField::reasonCode, "ab"), std::out_of_range);
    EXPECT_THROW(cc.number(CcField::distance, 10000), std::out_of_range);
    // A field of another, longer record type does not fit this one.
    EXPECT_THROW(cc.number(RaField::registeredRunners, 8), std::out_of_range);
    EXPECT_THROW(cc.fill(RaField::postTime, '0'), std::out_of_range);
    // An entry beyond its list is the empty field, which nothing accepts.
    RecordBuilder tm(TmField::type);
    EXPECT_THROW(tm.number(TmField::score.at(18), 1), std::out_of_range);
    EXPECT_THROW(tm.fieldBytes(TmField::score.at(-1)), std::out_of_range);
    EXPECT_EQ(cc.record(), RecordBuilder(CcField::type).record()) << "a refused write changes nothing";
}

}  // namespace marovix::record_builder_named_field_test
