#include "core/race/JvRecord.h"

#include <gtest/gtest.h>

#include <string>

#include "core/common/Cp932.h"
#include "core/race/RecordKeys.h"
#include "standins/records/RecordBuilder.h"

namespace marovix::jv_record_test {
namespace {

struct LenientCase {
    std::string text;
    int value;
};

TEST(LenientInt, ReadsSignedDecimalsAndGivesZeroForAnythingElse) {
    const LenientCase cases[] = {
        {"05", 5},
        {"  5", 5},
        {"5  ", 5},
        {" 12 ", 12},
        {"-3", -3},
        {"+7", 7},
        {"0000", 0},
        {"", 0},
        {"    ", 0},
        {"5a", 0},
        {"a5", 0},
        {"1 2", 0},
        {"- 5", 0},
        {"--5", 0},
        {"+-5", 0},
        {"-", 0},
        {"0x10", 0},
        {"1.5", 0},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", 0},
        {"99999999999999999999", 0},
        {"999999999999999999", 0},
        {"0000000000000000000000012", 12},
        {"-00000000000000000000000012", -12},
        {"00000000000000000000000x12", 0},
        {"\t5", 0},
        {"\xEF\xBC\x95", 0},  // a full-width digit 5
    };
    for (const auto& c : cases) EXPECT_EQ(lenientInt(c.text), c.value) << '"' << c.text << '"';
}

TEST(FieldAccess, CutsByBytePositionsWhateverMultiByteTextComesBefore) {
    const std::string name = "サトノダイヤモンドキタサンブラックス";  // 18 full-width characters fill all 36 bytes
    RecordBuilder se("SE");
    se.field(41, 36, name).text(79, "2").field(307, 8, "武豊").text(360, "0123").text(29, "07");
    ASSERT_EQ(utf8ToCp932(name).size(), 36u);
    for (const std::string& record : {se.record(), se.line()}) {
        EXPECT_EQ(fieldUtf8(record, 41, 36), name);
        EXPECT_EQ(fieldText(record, 79, 1), "2");
        EXPECT_EQ(fieldText(record, 307, 8), utf8ToCp932("武豊") + "    ");
        EXPECT_EQ(fieldUtf8(record, 307, 8), "武豊    ");
        EXPECT_EQ(fieldNumber(record, 360, 4), 123);
        EXPECT_EQ(fieldNumber(record, 29, 2), 7);
        EXPECT_EQ(fieldText(record, 1, 2), "SE");
    }
}

TEST(FieldAccess, TextIsAViewIntoTheHeldRecord) {
    std::string record = RecordBuilder("TM").text(12, "2024").record();
    std::string_view year = fieldText(record, 12, 4);
    EXPECT_EQ(year, "2024");
    EXPECT_EQ(year.data(), record.data() + 11);
}

TEST(FieldAccess, ANulByteEndsTheFieldEarly) {
    std::string record =
        RecordBuilder("SE").bytes(307, std::string("ab\0\0\0\0\0\0", 8)).bytes(360, std::string("12\0\0", 4)).record();
    EXPECT_EQ(fieldText(record, 307, 8), "ab");
    EXPECT_EQ(fieldUtf8(record, 307, 8), "ab");
    EXPECT_EQ(fieldNumber(record, 360, 4), 12);
    std::string allNul = RecordBuilder("SE").bytes(360, std::string(4, '\0')).record();
    EXPECT_EQ(fieldText(allNul, 360, 4), "");
    EXPECT_EQ(fieldNumber(allNul, 360, 4), 0);
}

TEST(FieldAccess, NeverReadsOutsideTheRecord) {
    std::string record = RecordBuilder("WE").text(35, "1").line();  // 40 bytes
    EXPECT_EQ(fieldText(record, 41, 5), "");
    EXPECT_EQ(fieldText(record, 100000, 5), "");
    EXPECT_EQ(fieldNumber(record, 41, 5), 0);
    EXPECT_EQ(fieldText(record, 35, 10), std::string("1") + std::string(5, ' '));  // cut at the end
    std::string whole = RecordBuilder("WE").text(35, "1").record();
    EXPECT_EQ(fieldText(whole, 41, 2), "");  // the CR LF is no field
    EXPECT_EQ(fieldText(whole, 35, 10), fieldText(record, 35, 10));
    EXPECT_EQ(fieldText(record, 0, 2), "");
    EXPECT_EQ(fieldText(record, -5, 2), "");
    EXPECT_EQ(fieldText(record, 1, 0), "");
    EXPECT_EQ(fieldText(record, 1, -1), "");
    EXPECT_EQ(fieldText("", 1, 2), "");
    EXPECT_EQ(fieldUtf8("", 12, 4), "");
}

TEST(CheckRecord, AcceptsEveryKnownTypeWithOrWithoutItsLineEnd) {
    for (const auto& layout : kRecordLayouts) {
        RecordBuilder builder(layout.type);
        for (const std::string& record : {builder.record(), builder.line()}) {
            auto checked = checkRecord(record, layout.type);
            ASSERT_TRUE(checked.ok()) << layout.type << ": " << checked.error();
            EXPECT_EQ(checked->type, layout.type);
            EXPECT_EQ(checked->length, layout.length);
        }
    }
}

struct BadRecordCase {
    const char* name;
    std::string record;
    std::string expectedError;
};

TEST(CheckRecord, RejectsShortOverLongUnknownAndEmptyRecordsWithAClearError) {
    std::string dm = RecordBuilder("DM").line();
    const BadRecordCase cases[] = {
        {"short line", dm.substr(0, 250), "DMレコードのレコード長が不正です(改行を除き250バイト、正しくは301バイト)"},
        {"short record", dm.substr(0, 299) + "\r\n",
         "DMレコードのレコード長が不正です(改行を除き299バイト、正しくは301バイト)"},
        {"over-long line", dm + "  ", "DMレコードのレコード長が不正です(改行を除き303バイト、正しくは301バイト)"},
        {"over-long record", dm + "x\r\n", "DMレコードのレコード長が不正です(改行を除き302バイト、正しくは301バイト)"},
        {"unknown type", "ZZ" + dm.substr(2), "レコード種別が不明です(種別\"ZZ\"、改行を除き301バイト)"},
        {"lower-case type", "dm" + dm.substr(2), "レコード種別が不明です(種別\"dm\"、改行を除き301バイト)"},
        {"binary type", std::string("\x82\0", 2) + dm.substr(2),
         "レコード種別が不明です(種別\"\\x82\\x00\"、改行を除き301バイト)"},
        {"one byte", "D", "レコード種別が不明です(種別\"D\"、改行を除き1バイト)"},
        {"empty", "", "レコードが空です"},
        {"line end only", "\r\n", "レコードが空です"},
    };
    for (const auto& c : cases) {
        auto checked = checkRecord(c.record);
        ASSERT_FALSE(checked.ok()) << c.name;
        EXPECT_EQ(checked.error(), c.expectedError) << c.name;
    }
}

TEST(CheckRecord, RejectsARecordOfAnotherType) {
    auto checked = checkRecord(RecordBuilder("TM").line(), "DM");
    ASSERT_FALSE(checked.ok());
    EXPECT_EQ(checked.error(), "レコード種別が不正です(TM、正しくはDM)");
    EXPECT_FALSE(checkRecord(RecordBuilder("DM").line().substr(0, 100), "DM").ok());
}

TEST(CheckRecord, TheLayoutOutlivesTheCheckedRecord) {
    std::string record = RecordBuilder("AV").record();
    Result<RecordLayout> checked = checkRecord(record);
    ASSERT_TRUE(checked.ok());
    EXPECT_EQ(checked->type, "AV");
    // The type views the table of layouts, not the record, so it stays valid when the record goes.
    EXPECT_TRUE(checked->type.data() < record.data() || checked->type.data() >= record.data() + record.size());
}

TEST(Records, WholeAndBlankRecordsHaveTheTypeLength) {
    RecordBuilder tc("TC");
    EXPECT_EQ(wholeRecord(tc.line()), tc.record());
    EXPECT_EQ(wholeRecord(tc.record()), tc.record());
    EXPECT_EQ(blankRecord("SE"), std::string(553, ' ') + "\r\n");
    EXPECT_EQ(blankRecord("RA").size(), 1272u);
    EXPECT_EQ(blankRecord("XX"), "");
    EXPECT_TRUE(isAllBlanks(""));
    EXPECT_TRUE(isAllBlanks("   "));
    EXPECT_FALSE(isAllBlanks(" \r\n"));
    EXPECT_FALSE(isAllBlanks(" 0"));
}

TEST(RecordKeys, CutTheIdentificationBlock) {
    // course 06, meeting 01, day 02, race 11 of 2024-01-06
    std::string ra = RecordBuilder("RA").text(3, "7").text(12, "2024010606010211").line();
    EXPECT_EQ(RaceKey16(ra), "2024010606010211");
    EXPECT_EQ(DayKey8(ra), "20240106");
    EXPECT_EQ(dayMatchingKey(ra), "202401060611");
    EXPECT_EQ(courseRaceKey(ra), "0611");
    EXPECT_EQ(DayText(ra), "2024年01月06日");
    std::string dm = RecordBuilder("DM").text(12, "2024010606019911").record();
    EXPECT_EQ(dayMatchingKey(dm), dayMatchingKey(ra));  // meeting and day numbers are not compared
    EXPECT_NE(RaceKey16(dm), RaceKey16(ra));
}

TEST(RecordKeys, AShortRecordGivesAShortKeyNotACrash) {
    EXPECT_EQ(RaceKey16("RA0"), "");
    EXPECT_EQ(dayMatchingKey("RA000000000202401"), "202401");
    EXPECT_EQ(courseRaceKey(""), "");
}

}  // namespace
}  // namespace marovix::jv_record_test
