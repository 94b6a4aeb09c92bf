// The record builder's direct writes, used where records hold thousands of fields.
#include <gtest/gtest.h>

#include <stdexcept>

#include "standins/records/RecordBuilder.h"

namespace marovix::record_builder_direct_write_test {

TEST(RecordBuilderDirectWrite, DigitsFillsAndFieldBytesLandAtTheirPositions) {
    RecordBuilder o6("O6");
    char* entry = o6.fieldBytes(41, 17);
    RecordBuilder::putDigits(entry, 6, 10203);
    RecordBuilder::putDigits(entry + 6, 7, 552349);
    RecordBuilder::putDigits(entry + 13, 4, 3056);
    o6.fill(58, 7, '-').number(83273, 11, 2209398);
    const std::string& r = o6.record();
    EXPECT_EQ(r.size(), 83285u);
    EXPECT_EQ(r.substr(40, 17), "01020305523493056");
    EXPECT_EQ(r.substr(57, 7), "-------");
    EXPECT_EQ(r.substr(64, 2), "  ");
    EXPECT_EQ(r.substr(83272, 13), "00002209398\r\n");
}

TEST(RecordBuilderDirectWrite, RefusesFieldsOutsideTheRecordAndNumbersTooWide) {
    RecordBuilder tc("TC");
    EXPECT_THROW(tc.fieldBytes(44, 1), std::out_of_range);  // would overwrite the CR
    EXPECT_THROW(tc.fill(0, 1, ' '), std::out_of_range);
    EXPECT_THROW(tc.number(36, 4, 12345), std::out_of_range);
    EXPECT_THROW(tc.number(36, 4, -1), std::out_of_range);
    EXPECT_NO_THROW(tc.number(36, 4, 9999).number(40, 4, 0));
    EXPECT_EQ(tc.record().substr(35, 8), "99990000");
}

}  // namespace marovix::record_builder_direct_write_test
