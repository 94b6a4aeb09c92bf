#include "core/race/KeibaFunc.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/common/Cp932.h"

namespace marovix::keiba_func_test {
namespace {

struct Case {
    std::string input;
    std::string expected;
};

struct StyledCase {
    std::string code;
    int style;
    std::string expected;
};

// Runs a one-input lookup over a table of cases.
template <class Lookup>
void expectAll(Lookup lookup, const std::vector<Case>& cases) {
    for (const auto& c : cases) EXPECT_EQ(lookup(c.input), c.expected) << "input \"" << c.input << '"';
}

template <class Lookup>
void expectAllStyled(Lookup lookup, const std::vector<StyledCase>& cases) {
    for (const auto& c : cases)
        EXPECT_EQ(lookup(c.code, c.style), c.expected) << "code \"" << c.code << "\" style " << c.style;
}

// Every text must survive the trip to the CP932 bytes of records and files unchanged.
void expectCp932(const std::string& text) { EXPECT_EQ(cp932ToUtf8(utf8ToCp932(text)), text) << text; }

TEST(CourseName, NamesEveryCourseCodeInFourBytes) {
    const std::vector<Case> courses = {
        {"01", "札幌"}, {"02", "函館"}, {"03", "福島"}, {"04", "新潟"}, {"05", "東京"}, {"06", "中山"}, {"07", "中京"},
        {"08", "京都"}, {"09", "阪神"}, {"10", "小倉"}, {"30", "門別"}, {"31", "北見"}, {"32", "岩見"}, {"33", "帯広"},
        {"34", "旭川"}, {"35", "盛岡"}, {"36", "水沢"}, {"37", "上山"}, {"38", "三条"}, {"39", "足利"}, {"40", "宇都"},
        {"41", "高崎"}, {"42", "浦和"}, {"43", "船橋"}, {"44", "大井"}, {"45", "川崎"}, {"46", "金沢"}, {"47", "笠松"},
        {"48", "名古"}, {"49", "紀三"}, {"50", "園田"}, {"51", "姫路"}, {"52", "益田"}, {"53", "福山"}, {"54", "高知"},
        {"55", "佐賀"}, {"56", "荒尾"}, {"57", "中津"}, {"58", "札幌"}, {"59", "函館"}, {"60", "新潟"}, {"61", "中京"},
        {"A0", "他外"}, {"A2", "日本"}, {"A4", "アメ"}, {"A6", "イギ"}, {"A8", "フラ"}, {"B0", "イン"}, {"B2", "アイ"},
        {"B4", "ニュ"}, {"B6", "オー"}, {"B8", "カナ"}, {"C0", "イタ"}, {"C2", "ドイ"}, {"C5", "オマ"}, {"C6", "イラ"},
        {"C7", "ア首"}, {"C8", "シリ"}, {"D0", "スウ"}, {"D2", "ハン"}, {"D4", "ポル"}, {"D6", "ロシ"}, {"D8", "ウル"},
        {"E0", "ペル"}, {"E2", "アル"}, {"E4", "ブラ"}, {"E6", "ベル"}, {"E8", "トル"}, {"F0", "韓国"}, {"F1", "中国"},
        {"F2", "チリ"}, {"F8", "パナ"}, {"G0", "香港"}, {"G2", "スペ"}, {"H0", "西独"}, {"H2", "南ア"}, {"H4", "スイ"},
        {"H6", "モナ"}, {"H8", "フィ"}, {"I0", "プエ"}, {"I2", "コロ"}, {"I4", "チェ"}, {"I6", "チェ"}, {"I8", "スロ"},
        {"J0", "エク"}, {"J2", "ギリ"}, {"J4", "マレ"}, {"J6", "メキ"}, {"J8", "モロ"}, {"K0", "パキ"}, {"K2", "ポー"},
        {"K4", "パラ"}, {"K6", "サウ"}, {"K8", "キプ"}, {"L0", "タイ"}, {"L2", "ウク"}, {"L4", "ベネ"}, {"L6", "ユー"},
        {"L8", "デン"}, {"M0", "シン"}, {"M2", "澳門"}, {"M4", "墺国"}, {"M6", "約  "}, {"M8", "華  "}, {"N0", "東ド"},
        {"N2", "バレ"},
    };
    ASSERT_EQ(courses.size(), 106u);
    expectAll(CourseName, courses);
    for (const auto& c : courses) {
        EXPECT_EQ(utf8ToCp932(c.expected).size(), 4u) << c.input;
        expectCp932(c.expected);
    }
}

TEST(CourseName, UnknownAndNamelessCodesGiveFourBlanks) {
    expectAll(CourseName, {{"C4", "    "},
                           {"F4", "    "},
                           {"F6", "    "},
                           {"G4", "    "},
                           {"G6", "    "},
                           {"G8", "    "},
                           {"5", "    "},
                           {"99", "    "},
                           {"", "    "},
                           {" 5", "    "},
                           {"05 ", "    "},
                           {"a0", "    "},
                           {"00", "    "}});
}

TEST(WeekdayText, IsNumeric) {
    expectAll(WeekdayText, {{"0", "　"},
                            {"1", "土"},
                            {"2", "日"},
                            {"02", "日"},
                            {" 2", "日"},
                            {"3", "祝"},
                            {"4", "月"},
                            {"5", "火"},
                            {"6", "水"},
                            {"7", "木"},
                            {"8", "金"},
                            {"9", ""},
                            {"", "　"},
                            {"x", "　"},
                            {"-1", ""}});
}

TEST(GradeText, HasFiveAndThreeByteStyles) {
    expectAllStyled(
        GradeText,
        {
            {"A", 1, "G1   "}, {"A", 8, "G1 "}, {"B", 1, "G2   "}, {"B", 8, "G2 "}, {"C", 1, "G3   "}, {"C", 8, "G3 "},
            {"D", 1, "重賞 "}, {"D", 8, "重 "}, {"E", 1, "特別 "}, {"E", 8, "特 "}, {"F", 1, "JG1  "}, {"F", 8, "JG1"},
            {"G", 1, "JG2  "}, {"G", 8, "JG2"}, {"H", 1, "JG3  "}, {"H", 8, "JG3"}, {"L", 1, "List "}, {"L", 8, "LST"},
            {" ", 1, "　　 "}, {" ", 8, "　 "}, {"", 1, "　　 "},  {"a", 8, "　 "}, {"A", 2, ""},
        });
    for (std::string code : {"A", "D", "F", "L", "Z", " "}) {
        EXPECT_EQ(utf8ToCp932(GradeText(code, 1)).size(), 5u) << code;
        EXPECT_EQ(utf8ToCp932(GradeText(code, 8)).size(), 3u) << code;
    }
}

TEST(RaceTypeText, HasTwoAndFourCharacterWidths) {
    expectAllStyled(RaceTypeText,
                    {
                        {"11", 2, "２歳"},      {"11", 4, "サラ２歳"}, {"12", 2, "３歳"},   {"12", 4, "サラ３歳"},
                        {"13", 2, "３上"},      {"13", 4, "サラ３上"}, {"14", 2, "４上"},   {"14", 4, "サラ４上"},
                        {"18", 2, "３上"},      {"18", 4, "障害３上"}, {"19", 2, "４上"},   {"19", 4, "障害４上"},
                        {"21", 2, "２歳"},      {"21", 4, "アラ２歳"}, {"22", 2, "３歳"},   {"22", 4, "アラ３歳"},
                        {"23", 2, "３上"},      {"23", 4, "アラ３上"}, {"24", 2, "４上"},   {"24", 4, "アラ４上"},
                        {"15", 2, "　　　　"},  {"15", 4, "　　　　"}, {"", 4, "　　　　"}, {"  ", 2, "　　　　"},
                        {"011", 4, "　　　　"}, {"11", 3, ""},
                    });
}

TEST(WeightRuleText, IsExact) {
    expectAll(WeightRuleText,
              {{"1", "ﾊﾝﾃﾞ"}, {"2", "別定"}, {"3", "馬齢"}, {"4", "定量"}, {"5", ""}, {"01", ""}, {"", ""}, {" ", ""}});
    EXPECT_EQ(utf8ToCp932(WeightRuleText("1")).size(), 4u);  // half-width katakana
}

TEST(TrackText, NamesEveryTrackCode) {
    const std::vector<Case> tracks = {
        {"10", "芝 直線"},
        {"11", "芝 左回り"},
        {"12", "芝 左回り 外回り"},
        {"13", "芝 左回り 内→外回り"},
        {"14", "芝 左回り 外→内回り"},
        {"15", "芝 左回り 内２周"},
        {"16", "芝 左回り 外２周"},
        {"17", "芝 右回り"},
        {"18", "芝 右回り 外回り"},
        {"19", "芝 右回り 内→外回り"},
        {"20", "芝 右回り 外→内回り"},
        {"21", "芝 右回り 内２周"},
        {"22", "芝 右回り 外２周"},
        {"23", "ﾀﾞｰﾄ 左回り"},
        {"24", "ﾀﾞｰﾄ 右回り"},
        {"25", "ﾀﾞｰﾄ 左回り 内回り"},
        {"26", "ﾀﾞｰﾄ 右回り 外回り"},
        {"27", "ｻﾝﾄﾞ 左回り"},
        {"28", "ｻﾝﾄﾞ 右回り"},
        {"29", "ﾀﾞｰﾄ 直線"},
        {"51", "障害 芝\xE3\x80\x80襷"},  // a full-width space between 芝 and 襷
        {"52", "障害 芝→ﾀﾞｰﾄ"},
        {"53", "障害 芝\xE3\x80\x80左"},
        {"54", "障害 芝"},
        {"55", "障害 芝 外回り"},
        {"56", "障害 芝 外→内回り"},
        {"57", "障害 芝 内→外回り"},
        {"58", "障害 内２周"},
        {"59", "障害 外２周"},
    };
    expectAll(TrackText, tracks);
    for (const auto& c : tracks) expectCp932(c.expected);
    expectAll(TrackText, {{" 17", "芝 右回り"},
                          {"017", "芝 右回り"},
                          {"30", ""},
                          {"50", ""},
                          {"60", ""},
                          {"0", ""},
                          {"", ""},
                          {"1a", ""}});
    EXPECT_EQ(utf8ToCp932(TrackText("23")), "\xC0\xDE\xB0\xC4 " + utf8ToCp932("左回り"));
}

TEST(TrackShortText, GroupsTrackCodes) {
    std::vector<Case> cases = {{"10", "芝直"}, {"23", "ダ左"}, {"24", "ダ右"}, {"29", "ダ直"}, {"09", ""},
                               {"25", ""},     {"26", ""},     {"27", ""},     {"28", ""},     {"30", ""},
                               {"50", ""},     {"60", ""},     {"", ""}};
    for (int code = 11; code <= 16; ++code) cases.push_back({std::to_string(code), "芝左"});
    for (int code = 17; code <= 22; ++code) cases.push_back({std::to_string(code), "芝右"});
    for (int code = 51; code <= 59; ++code) cases.push_back({std::to_string(code), "障害"});
    expectAll(TrackShortText, cases);
}

TEST(WeatherText, IsExact) {
    expectAll(WeatherText, {{"1", "晴"},
                            {"2", "曇"},
                            {"3", "雨"},
                            {"4", "小雨"},
                            {"5", "雪"},
                            {"6", "小雪"},
                            {"0", ""},
                            {"7", ""},
                            {"01", ""},
                            {"", ""}});
}

TEST(GoingText, HasThreeStylesAndNothingForUnknownCodes) {
    expectAllStyled(GoingText, {
                                   {"1", 0, "良"},      {"1", 1, "芝:良"},   {"1", 2, "ダ:良"},   {"2", 0, "稍重"},
                                   {"2", 1, "芝:稍重"}, {"2", 2, "ダ:稍重"}, {"3", 0, "重"},      {"3", 1, "芝:重"},
                                   {"3", 2, "ダ:重"},   {"4", 0, "不良"},    {"4", 1, "芝:不良"}, {"4", 2, "ダ:不良"},
                                   {"", 0, ""},         {"", 1, ""},         {"", 2, ""},         {"0", 0, ""},
                                   {"0", 1, ""},        {"5", 2, ""},        {"01", 1, ""},       {"1", 3, ""},
                               });
}

TEST(SexText, IsExact) { expectAll(SexText, {{"1", "牡"}, {"2", "牝"}, {"3", "ｾﾝ"}, {"0", ""}, {"4", ""}, {"", ""}}); }

TEST(AgeClassText, JoinsTheAgePartAndTheClassPart) {
    struct AgeClassCase {
        std::string raceType, condition, expected;
    };
    const AgeClassCase cases[] = {
        {"11", "701", "2歳新馬"},
        {"12", "703", "3歳未勝利"},
        {"12", "702", "3歳未出走"},
        {"13", "005", "3歳上1勝ｸﾗｽ"},
        {"14", "010", "4歳上2勝ｸﾗｽ"},
        {"14", "016", "4歳上3勝ｸﾗｽ"},
        {"18", "999", "障3歳上ｵｰﾌﾟﾝ"},
        {"19", "100", "障4歳上10000"},
        {"13", "000", "3歳上"},
        {"21", "005", "1勝ｸﾗｽ"},
        {"", "", ""},
        {"13", "5", "3歳上1勝ｸﾗｽ"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AgeClassText(c.raceType, c.condition), c.expected) << c.raceType << ' ' << c.condition;
}

TEST(ClassText, IsNumeric) {
    expectAll(ClassText, {{"005", "1勝ｸﾗｽ"},
                          {"5", "1勝ｸﾗｽ"},
                          {"010", "2勝ｸﾗｽ"},
                          {"016", "3勝ｸﾗｽ"},
                          {"100", "1億下"},
                          {"701", "新馬"},
                          {"702", "未出走"},
                          {"703", "未勝利"},
                          {"999", "オープン"},
                          {"000", ""},
                          {"500", ""},
                          {"", ""}});
}

TEST(ClassLabel, FollowsGradeThenConditionThenShortName) {
    struct LabelCase {
        std::string condition, grade, shortName, expected;
    };
    const LabelCase cases[] = {
        {"999", "A", "有馬記", "GⅠ有馬記"},  {"999", "B", "      ", "GⅡ      "}, {"016", "C", "京成杯", "GⅢ京成杯"},
        {"999", "L", "　　　", "Lst　　　"}, {"701", "E", "      ", "新馬"},     {"702", " ", "      ", "未出走"},
        {"703", " ", "      ", "未勝利"},    {"005", "E", "      ", "1勝ｸﾗｽ"},   {"010", "E", "      ", "2勝ｸﾗｽ"},
        {"016", "E", "ｶｰﾈｰｼ", "3勝ｸﾗｽ"},     {"999", "E", "ﾘｽﾃｯﾄﾞ", "ﾘｽﾃｯﾄﾞ"},   {"999", " ", "      ", "ｵｰﾌﾟﾝ"},
        {"999", " ", "　　　", "ｵｰﾌﾟﾝ"},     {"500", "E", "      ", "50000下"},  {"010", "E", "      ", "2勝ｸﾗｽ"},
        {"  5", " ", "      ", " 500下"},    {"5", " ", "      ", " 500下"},     {"000", "E", "      ", "特別"},
        {"000", "D", "　　　", "重賞"},      {"000", " ", "      ", " "},        {"   ", "E", "      ", "特別"},
        {"   ", " ", "      ", " "},         {"000", "E", "京都記", "京都記"},   {"   ", "D", " 金杯 ", " 金杯 "},
        {"abc", "E", "      ", "特別"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClassLabel(c.condition, c.grade, c.shortName), c.expected)
            << c.condition << '/' << c.grade << '/' << c.shortName;
    expectCp932("GⅠ");
}

TEST(CircledNumber, IsNumericFromOneToEighteen) {
    expectAll(CircledNumber, {{"1", "①"},
                              {"01", "①"},
                              {" 9", "⑨"},
                              {"10", "⑩"},
                              {"18", "⑱"},
                              {"0", "－"},
                              {"19", "－"},
                              {"", "－"},
                              {"-1", "－"}});
    for (int n = 1; n <= 18; ++n) {
        std::string circled = CircledNumber(std::to_string(n));
        expectCp932(circled);
        // U+2460 + n - 1 in UTF-8
        const std::string expectedBytes = {'\xE2', '\x91', static_cast<char>(0xA0 + n - 1)};
        EXPECT_EQ(circled, expectedBytes);
    }
    EXPECT_EQ(utf8ToCp932(CircledNumber("0")), "\x81\x7C");
}

TEST(FixedWidthNumber, RightAlignsInTheWidthOfTheInput) {
    expectAll(FixedWidthNumber, {{"05", " 5"},
                                 {" 5", " 5"},
                                 {"5 ", " 5"},
                                 {"12", "12"},
                                 {"00", "  "},
                                 {"  ", "  "},
                                 {"", ""},
                                 {"0018", "  18"},
                                 {"x1", "  "},
                                 {"7", "7"},
                                 {"-5", "-5"},
                                 {"\xE3\x80\x80", "  "}});  // a full-width space is two bytes wide
}

TEST(StripFullWidthSpaces, RemovesOnlyFullWidthSpaces) {
    expectAll(StripFullWidthSpaces, {{"　有馬　記念　", "有馬記念"},
                                     {"有馬 記念 ", "有馬 記念 "},
                                     {"　　　", ""},
                                     {"", ""},
                                     {"ab", "ab"},
                                     {"　 　a", " a"}});
}

TEST(PutTextAt, ReplacesBytesOfARecordLine) {
    struct PutCase {
        std::string line, text;
        int position;
        std::string expected;
    };
    const PutCase cases[] = {
        {"RA0123456789", "ab", 3, "RAab23456789"},
        {"RA0123456789", "XYZ", 1, "XYZ123456789"},
        {"RA0123456789", "xyz", 11, "RA01234567xyz"},  // runs past the end: the line grows
        {"RA0123456789", "xy", 13, "RA0123456789xy"},
        {"RA01", "xy", 7, "RA01  xy"},  // past the end: blanks fill the gap
        {"RA0123456789", "", 5, "RA0123456789"},
        {"RA0123456789", "xy", 0, "RA0123456789"},
        {"", "1550", 1, "1550"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PutTextAt(c.line, c.text, c.position), c.expected) << c.line << " " << c.position;
    // Positions count bytes: a two-byte character before the position does not move it.
    std::string line = utf8ToCp932("馬") + "0000";
    EXPECT_EQ(PutTextAt(line, "15", 3), utf8ToCp932("馬") + "1500");
}

TEST(RunnerDisplay, CarriedWeightShowsOneDecimal) {
    expectAll(carriedWeightText,
              {{"540", "54.0"}, {"550", "55.0"}, {"575", "57.5"}, {"   ", "  . "}, {"", "  . "}, {"54", "54. "}});
}

TEST(RunnerDisplay, CarriedWeightCutShortShowsWhatItHolds) {
    // A NUL in a damaged runner record ends the field early: the card shows the digits before it, blanks after.
    expectAll(carriedWeightText, {{"5", "5 . "}, {"54", "54. "}});
}

TEST(RunnerDisplay, WinOddsShowFiveCharactersOrFiveBlanks) {
    expectAll(winOddsText, {{"0123", " 12.3"},
                            {"0015", "  1.5"},
                            {"9999", "999.9"},
                            {"1000", "100.0"},
                            {"0000", "     "},
                            {"    ", "     "},
                            {"", "     "},
                            {"12a4", "     "}});
}

}  // namespace
}  // namespace marovix::keiba_func_test
